#include "data/fieldvalue.h"

#include <QRegularExpression>

#include <limits>

namespace FieldValue {

QDate parseDate(const QString &text)
{
    static const QRegularExpression form(QStringLiteral("^\\s*(\\d{1,2})/(\\d{1,2})/(\\d{4})\\s*$"));
    const auto m = form.match(text);
    if (!m.hasMatch())
        return {};
    return QDate(m.captured(3).toInt(), m.captured(2).toInt(), m.captured(1).toInt());
}

QString formatDate(const QDate &date)
{
    return date.isValid() ? date.toString(QLatin1String(DateFormat)) : QString();
}

QVariant fromStorage(FieldType type, const QVariant &stored)
{
    if (stored.isNull() || !stored.isValid())
        return {};
    switch (type) {
    case FieldType::Integer: {
        bool ok = false;
        const qlonglong n = stored.toLongLong(&ok);
        if (ok && n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max())
            return QVariant(static_cast<qint32>(n));
        const QString s = stored.toString().trimmed();
        if (s.isEmpty())
            return {};
        return QVariant(s);
    }
    case FieldType::Date: {
        const QString s = stored.toString().trimmed();
        if (s.isEmpty())
            return {};
        QDate d = QDate::fromString(s.left(10), Qt::ISODate);
        if (!d.isValid())
            d = parseDate(s);
        return d.isValid() ? QVariant(d) : QVariant(s);
    }
    case FieldType::Text: {
        const QString s = stored.toString();
        return s.isEmpty() ? QVariant() : QVariant(s);
    }
    }
    return {};
}

Checked check(const FieldDef &field, const QVariant &value, QString *error)
{
    const auto refuse = [&](const QString &message) {
        if (error)
            *error = message;
        return Checked { false, {} };
    };
    if (value.isNull() || !value.isValid())
        return {};
    switch (field.type) {
    case FieldType::Text: {
        const QString s = value.toString();
        if (s.isEmpty())
            return {};
        if (field.size > 0 && s.size() > field.size)
            return refuse(QStringLiteral("Le champ « %1 » ne peut contenir que %2 caractères (%3 saisis).")
                              .arg(field.name)
                              .arg(field.size)
                              .arg(s.size()));
        return { true, s };
    }
    case FieldType::Integer: {
        if (value.typeId() == QMetaType::Int || value.typeId() == QMetaType::LongLong
            || value.typeId() == QMetaType::UInt || value.typeId() == QMetaType::ULongLong) {
            bool ok = false;
            const qlonglong n = value.toLongLong(&ok);
            if (ok && n >= std::numeric_limits<qint32>::min() && n <= std::numeric_limits<qint32>::max())
                return { true, QVariant(static_cast<qint32>(n)) };
            return refuse(QStringLiteral("Le nombre %1 est trop grand pour le champ « %2 ».")
                              .arg(value.toString(), field.name));
        }
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return {};
        bool ok = false;
        const qint32 n = s.toInt(&ok);
        if (!ok) {
            static const QRegularExpression digits(QStringLiteral("^[+-]?\\d+$"));
            if (digits.match(s).hasMatch())
                return refuse(QStringLiteral("Le nombre « %1 » est trop grand pour le champ « %2 ».")
                                  .arg(s, field.name));
            return refuse(QStringLiteral("« %1 » n'est pas un nombre entier valide pour le champ « %2 ».")
                              .arg(value.toString(), field.name));
        }
        return { true, QVariant(n) };
    }
    case FieldType::Date: {
        if (value.typeId() == QMetaType::QDate) {
            const QDate d = value.toDate();
            if (!d.isValid())
                return {};
            return { true, d };
        }
        if (value.typeId() == QMetaType::QDateTime) {
            const QDate d = value.toDateTime().date();
            return d.isValid() ? Checked { true, d } : Checked {};
        }
        const QString s = value.toString().trimmed();
        if (s.isEmpty())
            return {};
        QDate d = parseDate(s);
        if (!d.isValid()) {
            static const QRegularExpression iso(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
            if (iso.match(s).hasMatch())
                d = QDate::fromString(s, Qt::ISODate);
        }
        if (!d.isValid())
            return refuse(QStringLiteral("« %1 » n'est pas une date valide pour le champ « %2 » "
                                         "(jj/mm/aaaa attendu).")
                              .arg(value.toString(), field.name));
        return { true, d };
    }
    }
    return {};
}

QVariant toStorage(FieldType type, const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return QVariant(QMetaType(type == FieldType::Integer ? QMetaType::Int : QMetaType::QString));
    if (type == FieldType::Date && value.typeId() == QMetaType::QDate)
        return value.toDate().toString(Qt::ISODate);
    return value;
}

QString display(const QVariant &value)
{
    if (value.isNull() || !value.isValid())
        return {};
    if (value.typeId() == QMetaType::QDate)
        return formatDate(value.toDate());
    return value.toString();
}

} // namespace FieldValue
