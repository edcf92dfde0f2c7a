#pragma once

#include "elementfont.h"

#include <QColor>
#include <QString>

// One element of a form layout: a caption, a data field, a bullet line, a shape or the page
// number, placed in millimetres from its band's (or, on the page layer, the paper's) top-left
// corner.
struct ReportElement
{
    enum class Kind { Text, Field, Bullet, Box, VerticalLine, HorizontalLine, PageNumber };
    // Fill of a shape, or background of a text; text elements are white unless transparent.
    enum class Shade { White, Silver, Grey, LightGrey };
    enum class Ink { Black, Grey, Red };

    Kind kind = Kind::Text;
    double top = 0.0;
    double left = 0.0;
    double width = 0.0;
    double height = 0.0; // shapes and fixed boxes
    QString content; // caption, field name, or the text of a bullet
    int bulletTabs = 1;
    ElementFont font;
    bool centred = false;
    bool fixedBox = false; // word-wraps inside width × height
    bool growsDownward = false;
    bool transparent = false;
    Shade shade = Shade::White;
    Ink ink = Ink::Black;
    QString name; // component name of a label whose caption is given at print time

    bool isShape() const;
    // What a static element prints: the caption, or "o", the tabs, a blank and the text.
    QString caption() const;

    static QColor colour(Shade shade);
    static QColor colour(Ink ink);

    bool operator==(const ReportElement &other) const = default;
};
