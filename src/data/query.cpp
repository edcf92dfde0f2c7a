#include "data/query.h"

#include "data/database.h"
#include "data/fieldvalue.h"
#include "data/schemas.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

Query::Query(Database *database, QObject *parent)
    : QObject(parent)
    , m_db(database)
{
    connect(m_db, &Database::releaseRequested, this, &Query::release);
}

Query::~Query() = default;

void Query::clear()
{
    close();
    m_lines.clear();
    m_binds.clear();
}

void Query::addLine(const QString &line)
{
    m_lines << line;
}

void Query::bindValue(const QString &placeholder, const QVariant &value)
{
    m_binds.insert(placeholder, value);
}

void Query::close()
{
    m_query.reset();
    m_window.clear();
    m_columns.clear();
    m_row.clear();
    m_pos = -1;
    m_open = false;
    m_count = -1;
}

void Query::release()
{
    // Keep the current row, let go of the statement so that writes commit at once.
    m_query.reset();
}

bool Query::execute(int offset)
{
    m_query = std::make_unique<QSqlQuery>(m_db->newQuery());
    QString text = sql();
    // A server sends a whole result at once: rows are asked for a window at a time, so that a wide
    // join (the print queries' plain "from employeur, contact, expatries") is never computed whole.
    if (m_db->isServer())
        text = QStringLiteral("SELECT * FROM (%1) AS velmora_rows LIMIT %2 OFFSET %3")
                   .arg(text)
                   .arg(ServerWindow)
                   .arg(offset);
    else if (offset > 0)
        text = QStringLiteral("SELECT * FROM (%1) LIMIT -1 OFFSET %2").arg(text).arg(offset);
    if (!m_query->prepare(text)) {
        m_lastError = Database::describe(m_query->lastError(), QString());
        m_query.reset();
        return false;
    }
    for (auto it = m_binds.constBegin(); it != m_binds.constEnd(); ++it) {
        if (text.contains(it.key()))
            m_query->bindValue(it.key(), it.value());
    }
    if (!m_query->exec()) {
        m_lastError = Database::describe(m_query->lastError(), QString());
        m_query.reset();
        return false;
    }
    const QSqlRecord record = m_query->record();
    m_fieldNames.clear();
    for (int i = 0; i < record.count(); ++i)
        m_fieldNames << record.fieldName(i);
    if (m_db->isServer())
        takeWindow();
    return true;
}

// A server's statement is read whole and let go at once: its rows would be lost as soon as another
// statement ran on the connection.
void Query::takeWindow()
{
    m_window.clear();
    m_windowNext = 0;
    while (m_query->next()) {
        QVariantList raw;
        for (qsizetype i = 0; i < m_fieldNames.size(); ++i)
            raw << m_query->value(int(i));
        m_window << raw;
    }
    m_query.reset();
}

bool Query::nextRaw(QVariantList *raw)
{
    if (!m_db->isServer()) {
        if (!m_query || !m_query->next())
            return false;
        for (qsizetype i = 0; i < m_fieldNames.size(); ++i)
            *raw << m_query->value(int(i));
        return true;
    }
    // The window is used up: the next one, from this row on, when this one was full.
    if (m_windowNext == m_window.size() && (m_window.size() < ServerWindow || !execute(m_pos)))
        return false;
    if (m_windowNext >= m_window.size())
        return false;
    *raw = m_window.at(m_windowNext++);
    return true;
}

bool Query::open()
{
    close();
    if (!m_db->open()) {
        m_lastError = m_db->lastError();
        return false;
    }
    if (!execute(0))
        return false;
    // Name the columns: a name already taken (without regard to case) gets the first free "_N".
    QStringList lower;
    for (const QString &base : std::as_const(m_fieldNames)) {
        QString name = base;
        for (int n = 1; lower.contains(name.toLower()); ++n)
            name = base + QLatin1Char('_') + QString::number(n);
        m_columns << name;
        lower << name.toLower();
    }
    m_open = true;
    m_pos = 0;
    readRow();
    return true;
}

void Query::readRow()
{
    m_row.clear();
    QVariantList raw;
    if (!nextRaw(&raw)) {
        m_query.reset();
        m_window.clear();
        return;
    }
    for (int i = 0; i < m_columns.size(); ++i)
        m_row << FieldValue::fromStorage(Schemas::typeOfColumn(m_columns.at(i)), raw.value(i));
}

int Query::count() const
{
    if (!m_open)
        return 0;
    if (m_count >= 0)
        return m_count;
    QSqlQuery q = m_db->newQuery();
    q.prepare(QStringLiteral("SELECT count(*) FROM (%1) AS velmora_rows").arg(sql()));
    for (auto it = m_binds.constBegin(); it != m_binds.constEnd(); ++it) {
        if (sql().contains(it.key()))
            q.bindValue(it.key(), it.value());
    }
    m_count = (q.exec() && q.next()) ? q.value(0).toInt() : 0;
    return m_count;
}

bool Query::first()
{
    if (!m_open)
        return false;
    if (m_pos == 0 && !m_row.isEmpty())
        return true;
    if (!execute(0))
        return false;
    m_pos = 0;
    readRow();
    return !m_row.isEmpty();
}

bool Query::next()
{
    if (!m_open || m_row.isEmpty())
        return false;
    ++m_pos;
    // The statement was let go for a write: step again from where we were.
    if (!m_db->isServer() && !m_query && !execute(m_pos))
        return false;
    readRow();
    return !m_row.isEmpty();
}

QVariant Query::value(const QString &column) const
{
    return record().value(column);
}

QString Query::text(const QString &column) const
{
    return record().text(column);
}

RowRecord Query::record() const
{
    return m_row.isEmpty() ? RowRecord() : RowRecord(m_columns, m_row);
}

bool Query::readRows(QList<RowRecord> *rows, int limit)
{
    rows->clear();
    if (!open())
        return false;
    for (bool more = !atEnd(); more && (limit < 0 || rows->size() < limit); more = next())
        rows->append(record());
    close();
    return true;
}
