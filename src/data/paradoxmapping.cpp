#include "data/paradoxmapping.h"

#include "data/fieldvalue.h"

#include <QDate>
#include <QDateTime>
#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace {

QString shownNumber(double d)
{
    return QString::number(d, 'g', 15).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

ParadoxMapping::ParadoxMapping(const TableSchema &schema, const QList<ParadoxFile::Column> &columns)
    : m_schema(schema)
{
    QList<bool> taken(columns.size(), false);
    for (const FieldDef &field : schema.fields) {
        int found = -1;
        for (qsizetype c = 0; c < columns.size() && found < 0; ++c) {
            if (!taken.at(c) && columns.at(c).name.trimmed().compare(field.name, Qt::CaseInsensitive) == 0)
                found = int(c);
        }
        m_source.append(found);
        if (found < 0)
            m_missing << field.name;
        else
            taken[found] = true;
    }
    for (qsizetype c = 0; c < columns.size(); ++c) {
        m_kinds.append(columns.at(c).kind);
        if (!taken.at(c))
            m_extra << columns.at(c).name;
    }
}

QString ParadoxMapping::rowName(const QVariantList &converted, int recordNumber) const
{
    const QVariant key = converted.value(m_schema.indexOf(m_schema.key));
    if (key.isNull() || !key.isValid())
        return QStringLiteral("%1, enregistrement n° %2").arg(m_schema.name).arg(recordNumber);
    return QStringLiteral("%1 « %2 »").arg(m_schema.name, FieldValue::display(key));
}

QVariantList ParadoxMapping::convert(const QVariantList &record, const QHash<int, QString> &unreadable,
    int recordNumber, QStringList *notes) const
{
    QVariantList values(m_schema.fields.size());
    QStringList pending;
    for (qsizetype i = 0; i < m_schema.fields.size(); ++i) {
        const int c = m_source.at(i);
        const FieldDef &field = m_schema.fields.at(i);
        if (c >= 0 && unreadable.contains(c)) {
            pending << QStringLiteral("« %1 » est illisible : %2 ; le champ est laissé vide.")
                           .arg(field.name, unreadable.value(c));
            continue;
        }
        if (c < 0 || c >= record.size() || record.at(c).isNull())
            continue;
        QVariant v = record.at(c);
        if (m_kinds.at(c) == ParadoxFile::Kind::Binary) {
            pending << QStringLiteral(
                "« %1 » tient des données binaires, non reprises ; le champ est laissé vide.")
                           .arg(field.name);
            continue;
        }
        const QString where = QStringLiteral("« %1 »").arg(field.name);
        switch (field.type) {
        case FieldType::Integer:
            values[i] = toInteger(v, where, &pending);
            break;
        case FieldType::Text:
            values[i] = toText(field, v, where, &pending);
            break;
        case FieldType::Date:
            values[i] = toDate(v, where, &pending);
            break;
        }
    }
    if (!pending.isEmpty()) {
        const QString name = rowName(values, recordNumber);
        for (const QString &note : std::as_const(pending))
            notes->append(QStringLiteral("%1 : %2").arg(name, note));
    }
    return values;
}

QVariant ParadoxMapping::toInteger(const QVariant &value, const QString &where, QStringList *notes) const
{
    switch (value.typeId()) {
    case QMetaType::Int:
        return value;
    case QMetaType::Bool:
        return value.toBool() ? 1 : 0;
    case QMetaType::Double: {
        const double d = value.toDouble();
        if (!std::isfinite(d) || d < double(std::numeric_limits<qint32>::min())
            || d > double(std::numeric_limits<qint32>::max())) {
            notes->append(
                QStringLiteral("%1 vaut %2, hors des limites d'un nombre entier ; le champ est laissé vide.")
                    .arg(where, shownNumber(d)));
            return {};
        }
        if (d != std::floor(d)) {
            notes->append(
                QStringLiteral("%1 vaut %2, qui n'est pas un nombre entier ; le champ est laissé vide.")
                    .arg(where, shownNumber(d)));
            return {};
        }
        return qint32(d);
    }
    default:
        break;
    }
    bool ok = false;
    const qint32 n = value.toString().trimmed().toInt(&ok);
    if (ok)
        return n;
    notes->append(QStringLiteral("%1 vaut « %2 », qui n'est pas un nombre entier ; le champ est laissé vide.")
                      .arg(where, FieldValue::display(value)));
    return {};
}

QVariant ParadoxMapping::toText(
    const FieldDef &field, const QVariant &value, const QString &where, QStringList *notes) const
{
    QString s;
    switch (value.typeId()) {
    case QMetaType::Bool:
        s = value.toBool() ? QStringLiteral("OUI") : QStringLiteral("NON");
        break;
    case QMetaType::Double:
        s = shownNumber(value.toDouble());
        break;
    case QMetaType::QDateTime:
        s = FieldValue::formatDate(value.toDateTime().date());
        break;
    case QMetaType::QTime:
        s = value.toTime().toString(QStringLiteral("HH:mm:ss"));
        break;
    default:
        s = FieldValue::display(value);
        break;
    }
    if (s.isEmpty())
        return {};
    // Never cut: the whole value is kept, and said.
    if (field.size > 0 && s.size() > field.size)
        notes->append(QStringLiteral("%1 a %2 caractères pour %3 prévus ; la valeur est gardée entière.")
                          .arg(where)
                          .arg(s.size())
                          .arg(field.size));
    return s;
}

QVariant ParadoxMapping::toDate(const QVariant &value, const QString &where, QStringList *notes) const
{
    if (value.typeId() == QMetaType::QDate)
        return value;
    if (value.typeId() == QMetaType::QDateTime)
        return value.toDateTime().date();
    const QString s = value.toString().trimmed();
    QDate d = FieldValue::parseDate(s);
    static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
    if (!d.isValid() && iso.match(s).hasMatch())
        d = QDate::fromString(s, Qt::ISODate);
    if (d.isValid() && value.typeId() == QMetaType::QString)
        return d;
    notes->append(QStringLiteral("%1 vaut « %2 », qui n'est pas une date ; le champ est laissé vide.")
                      .arg(where, FieldValue::display(value)));
    return {};
}
