#include "data/countedtext.h"

#include <QLocale>

namespace CountedText {

QString number(qint64 n)
{
    static const QLocale french(QLocale::French, QLocale::France);
    return french.toString(n);
}

QString counted(qint64 n, const QString &one, const QString &many)
{
    return number(n) + QLatin1Char(' ') + (n > 1 ? many : one);
}

} // namespace CountedText
