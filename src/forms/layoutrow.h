#pragma once

// One row of a form's layout table, written as the form's paper layout gives it:
// top, left and width in millimetres, the kind ("text", "field", "bullet", "bullet (2 tabs)",
// "box", "vertical line", "horizontal line", "page number"), the content (the caption, the
// field name, or a shape's fill such as "filled silver"), the font ("12", "16 BU",
// "12 B Arial") and the notes, separated by commas ("centred", "fixed box", "height 8.7",
// "wraps", "grows downward", "silver background", "transparent", "red text",
// "label QRLabel7").
struct LayoutRow
{
    // The columns in the order the tables write them.
    enum class Column { Top, Left, Width, Kind, Content, Font, Notes };

    double top;
    double left;
    double width;
    const char *kind;
    const char *content;
    const char *font;
    const char *notes;
};
