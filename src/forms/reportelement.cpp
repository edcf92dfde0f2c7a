#include "reportelement.h"

bool ReportElement::isShape() const
{
    return kind == Kind::Box || kind == Kind::VerticalLine || kind == Kind::HorizontalLine;
}

QString ReportElement::caption() const
{
    if (kind == Kind::Bullet)
        return QLatin1Char('o') + QString(bulletTabs, QLatin1Char('\t')) + QLatin1Char(' ') + content;
    return content;
}

QColor ReportElement::colour(Shade shade)
{
    switch (shade) {
    case Shade::White:
        return QColor(255, 255, 255);
    case Shade::Silver:
        return QColor(192, 192, 192);
    case Shade::Grey:
        return QColor(128, 128, 128);
    case Shade::LightGrey:
        // The classic scroll-bar colour the forms were designed with.
        return QColor(200, 200, 200);
    }
    return QColor(255, 255, 255);
}

QColor ReportElement::colour(Ink ink)
{
    switch (ink) {
    case Ink::Black:
        return QColor(0, 0, 0);
    case Ink::Grey:
        return QColor(128, 128, 128);
    case Ink::Red:
        return QColor(255, 0, 0);
    }
    return QColor(0, 0, 0);
}
