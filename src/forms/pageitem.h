#pragma once

#include "elementfont.h"

#include <QColor>
#include <QRectF>
#include <QString>

// One drawing instruction of a laid-out page, in millimetres from the paper's top-left corner:
// a plain fill, an outlined shape, or one line of text.
struct PageItem
{
    enum class Type { Fill, Box, VerticalLine, HorizontalLine, Text };

    Type type = Type::Fill;
    QRectF rect; // fill and shapes: their box; text: the line's box as laid out
    QColor colour; // fill colour, or the text's colour
    // Text only: the line, its font, and where it is anchored: the left end of its baseline,
    // or with `centred` the middle of its baseline.
    QString text;
    ElementFont font;
    bool arabic = false;
    bool centred = false;
    double anchorX = 0.0;
    double baseline = 0.0;
    // Horizontal scale of the line, below 1 when it is narrowed to keep to its room.
    double condense = 1.0;
    // Scale of an Arabic line's face in both directions, below 1 when its letters would
    // otherwise reach out of the line box of the face the row names.
    double shrink = 1.0;
};
