#include "widgets/pagebuttons.h"

#include <QLabel>
#include <QWidget>

QList<QPushButton *> PageButtons::create(QWidget *page, std::initializer_list<Button> places)
{
    QList<QPushButton *> buttons;
    for (const Button &place : places) {
        auto *button = new QPushButton(QString::fromUtf8(place.caption), page);
        button->setObjectName(QString::fromLatin1(place.objectName));
        button->setAccessibleName(button->text());
        button->setGeometry(place.x, place.y, place.width, place.height);
        buttons << button;
    }
    return buttons;
}

void PageButtons::addEmblem(QWidget *page, const char *objectName, int x, int y)
{
    auto *picture = new QLabel(page);
    picture->setObjectName(QString::fromLatin1(objectName));
    picture->setPixmap(QPixmap(QStringLiteral(":/images/emblem.png")));
    picture->setScaledContents(true);
    picture->setGeometry(x, y, 33, 33);
}
