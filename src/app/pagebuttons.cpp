#include "app/pagebuttons.h"

#include <QLabel>
#include <QWidget>

QList<QPushButton *> PageButtons::create(QWidget *page, std::initializer_list<Spec> specs)
{
    QList<QPushButton *> buttons;
    for (const Spec &spec : specs) {
        auto *button = new QPushButton(QString::fromUtf8(spec.caption), page);
        button->setObjectName(QString::fromLatin1(spec.objectName));
        button->setAccessibleName(button->text());
        button->setGeometry(spec.x, spec.y, spec.width, spec.height);
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
