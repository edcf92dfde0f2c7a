#include "fieldtext.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>

QString FieldText::display(const QVariant &value)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (value.typeId()) {
    case QMetaType::QDate: {
        const QDate date = value.toDate();
        return date.isValid() ? date.toString(QStringLiteral("dd/MM/yyyy")) : QString();
    }
    case QMetaType::QDateTime: {
        const QDateTime stamp = value.toDateTime();
        return stamp.isValid() ? stamp.date().toString(QStringLiteral("dd/MM/yyyy")) : QString();
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'f', QLocale::FloatingPointShortest);
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
        return value.toString();
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    default:
        break;
    }
    QString text = value.toString();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}
