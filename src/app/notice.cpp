#include "app/notice.h"

namespace Notice {

QString initialText()
{
    return QString(6, QLatin1Char(' '))
        + QStringLiteral("(*) Ces informations sont obligatoires, Merci de remplir tous les informations "
                         "nécessaires !")
        + QString(6, QLatin1Char(' '))
        + QStringLiteral("Vous devez remplir la session organisme avant d'ajouter vos "
                         "expatries")
        + QLatin1Char(' ');
}

QString rotated(const QString &text)
{
    if (text.isEmpty())
        return text;
    return text.mid(1) + text.at(0);
}

} // namespace Notice
