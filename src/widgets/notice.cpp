#include "widgets/notice.h"

#include <QLabel>

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

QLabel *createLabel(QWidget *page, const char *objectName, int x, int y)
{
    auto *label = new QLabel(initialText(), page);
    label->setObjectName(QString::fromLatin1(objectName));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(15);
    label->setFont(font);
    label->move(x, y);
    label->setFixedWidth(890);
    return label;
}

} // namespace Notice
