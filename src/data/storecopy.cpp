#include "data/storecopy.h"

#include "data/countedtext.h"
#include "data/database.h"
#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/query.h"
#include "data/table.h"

#include <QSqlError>
#include <QSqlQuery>

namespace {

QList<Table *> tablesOf(DataModule &data)
{
    return { data.employeur(), data.contact(), data.accord(), data.expatries() };
}

qint64 countRows(Database &db, const Table &table)
{
    QSqlQuery q = db.newQuery();
    return q.exec(QStringLiteral("SELECT count(*) FROM %1").arg(table.sqlName())) && q.next()
        ? q.value(0).toLongLong()
        : -1;
}

// The rows of one table: read from `from`, written to `to` with their values bound; the rows read.
qint64 copyRows(Database &from, const Table &source, Database &to, const Table &target, QString *error)
{
    const TableSchema &schema = source.schema();
    QStringList readColumns;
    QStringList writeColumns;
    QStringList marks;
    for (const FieldDef &f : schema.fields) {
        readColumns << source.sqlColumn(f.name);
        writeColumns << target.sqlColumn(f.name);
        marks << QStringLiteral("?");
    }
    QSqlQuery read = from.newQuery();
    if (!read.exec(QStringLiteral("SELECT %1 FROM %2")
                       .arg(readColumns.join(QStringLiteral(", ")), source.sqlName()))) {
        *error = Database::describe(read.lastError(), source.objectName());
        return -1;
    }
    QSqlQuery write = to.newQuery();
    write.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                      .arg(target.sqlName(), writeColumns.join(QStringLiteral(", ")),
                          marks.join(QStringLiteral(", "))));
    qint64 rows = 0;
    while (read.next()) {
        for (int i = 0; i < schema.fields.size(); ++i) {
            const FieldType type = schema.fields.at(i).type;
            write.bindValue(i, FieldValue::toStorage(type, FieldValue::fromStorage(type, read.value(i))));
        }
        if (!write.exec()) {
            *error = QStringLiteral("La ligne « %1 » de la table %2 n'a pas pu être copiée : %3")
                         .arg(read.value(schema.indexOf(schema.key)).toString(), source.objectName(),
                             Database::describe(write.lastError(), QString()));
            return -1;
        }
        ++rows;
    }
    return rows;
}

} // namespace

bool StoreCopy::fail(const QString &message)
{
    m_lastError = message;
    return false;
}

bool StoreCopy::run(DataModule &from, DataModule &to, bool replace)
{
    m_counts.clear();
    m_refused = false;
    const QList<Table *> sources = tablesOf(from);
    const QList<Table *> targets = tablesOf(to);
    if (!replace) {
        for (Table *target : targets) {
            m_refused = target->hasRows();
            if (m_refused)
                return fail(QStringLiteral("La destination contient déjà des enregistrements (table %1) : "
                                           "la copie est refusée, rien n'a été écrit.")
                                .arg(target->objectName()));
        }
    }
    Database &dst = *to.database();
    Database &src = *from.database();
    if (!dst.transaction())
        return fail(dst.lastError());
    QString error;
    for (int t = 0; t < sources.size() && error.isEmpty(); ++t) {
        Table &source = *sources.at(t);
        Table &target = *targets.at(t);
        if (replace) {
            QSqlQuery clear = dst.newQuery();
            if (!clear.exec(QStringLiteral("DELETE FROM %1").arg(target.sqlName()))) {
                error = Database::describe(clear.lastError(), target.objectName());
                break;
            }
        }
        const qint64 copied = copyRows(src, source, dst, target, &error);
        if (copied < 0)
            break;
        const qint64 read = countRows(src, source);
        const qint64 written = countRows(dst, target);
        if (read != copied || written != copied)
            error
                = QStringLiteral("La table %1 compte %2 lignes à la source et %3 à la destination : la copie "
                                 "est annulée, rien n'a été écrit.")
                      .arg(source.objectName())
                      .arg(read)
                      .arg(written);
        m_counts.insert(source.objectName(), copied);
    }
    if (!error.isEmpty()) {
        dst.rollback();
        m_counts.clear();
        return fail(error);
    }
    if (!dst.commit()) {
        m_counts.clear();
        return fail(dst.lastError());
    }
    for (Table *target : targets)
        target->refresh();
    return true;
}

bool StoreCopy::openDirectory(DataModule &data, const QString &directory, QString *error)
{
    data.database()->setDirectory(directory);
    const std::pair<Table *, const char *> tables[]
        = { { data.employeur(), "Employeur.DB" }, { data.contact(), "contact.DB" },
              { data.accord(), "Accord.DB" }, { data.expatries(), "Expatries.DB" } };
    for (const auto &[table, file] : tables) {
        table->close();
        table->setFileName(QString::fromLatin1(file));
        if (!table->open()) {
            *error = table->lastError();
            return false;
        }
    }
    return true;
}

QString StoreCopy::describeCounts(const QMap<QString, qint64> &counts)
{
    QStringList parts;
    for (auto it = counts.constBegin(); it != counts.constEnd(); ++it)
        parts << it.key() + QLatin1Char(' ')
                + CountedText::counted(it.value(), QStringLiteral("ligne"), QStringLiteral("lignes"));
    return parts.join(QStringLiteral(", "));
}
