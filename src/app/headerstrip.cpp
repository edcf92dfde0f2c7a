#include "app/headerstrip.h"

#include <QLabel>
#include <QPixmap>

namespace {
QLabel *picture(QWidget *parent, const char *name, const QString &resource, int x, int y, int w, int h)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QString::fromLatin1(name));
    label->setPixmap(QPixmap(resource));
    label->setScaledContents(true);
    label->setGeometry(x, y, w, h);
    return label;
}

QLabel *clockLabel(QWidget *parent, const char *name, const char *text, int x, int y)
{
    auto *label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont font(QStringLiteral("Script MT Bold"));
    font.setPixelSize(21);
    font.setBold(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: red; background: transparent;"));
    label->move(x, y);
    label->setMinimumWidth(130);
    return label;
}
} // namespace

static void loadPictures()
{
    // The pictures live in the static library: make sure the linker keeps them.
    Q_INIT_RESOURCE(velmora);
}

HeaderStrip::HeaderStrip(QWidget *parent)
    : QWidget(parent)
{
    loadPictures();
    setObjectName(QStringLiteral("Header"));
    setGeometry(0, 0, 1070, 86);
    picture(this, "Image1", QStringLiteral(":/images/banner.png"), 222, 0, 631, 93);
    picture(this, "Image2", QStringLiteral(":/images/emblem.png"), 3, 5, 78, 81);
    picture(this, "Image3", QStringLiteral(":/images/emblem.png"), 990, 5, 78, 81);
    m_date = clockLabel(this, "Label3", "Date", 93, 27);
    m_time = clockLabel(this, "Label4", "Heure", 880, 27);
}
