#pragma once

#include "elementfont.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QString>
#include <QStringList>

// Measures text in millimetres, independently of the device a page is later drawn on, and
// breaks it into the lines a fixed box shows. It keeps what it measured: a caller that prints
// many documents keeps one measurer for all of them.
class TextMeasurer
{
public:
    TextMeasurer();

    // The width as drawn: an Arabic line shrunk as shrink() says.
    double width(const QString &text, const ElementFont &font, bool arabic);
    // How much an Arabic line's face is scaled down so that its letters, dots and marks stay
    // inside the line box of the face the row names (1 for other text).
    double shrink(const QString &text, const ElementFont &font, bool arabic);
    // Lines are placed by the face the layout names, Arabic lines included: their own face
    // is sized to stay inside that line box.
    double lineHeight(const ElementFont &font);
    double ascent(const ElementFont &font);

    // Breaks text at its line breaks and word-wraps each paragraph at blanks to the width; a
    // word wider than the width is cut to what fits.
    QStringList wrap(const QString &text, const ElementFont &font, bool arabic, double width);

    // The text as it is drawn: a tab shows as a blank.
    static QString drawable(const QString &text);
    // Text is measured and drawn with fonts sized in pixels of this length, then scaled to the
    // device: font engines round sizes to whole pixels, which at screen resolutions would
    // shift and stretch the lines.
    static constexpr double millimetresPerPixel = 25.4 / 7200.0;
    static QFont font(const ElementFont &font, bool arabic);

private:
    const QFontMetricsF &metrics(const ElementFont &font, bool arabic);
    QString fitting(const QString &word, const ElementFont &font, bool arabic, double width);

    QHash<QString, QFontMetricsF> m_metrics;
    // Shaping a line is the costly part of a layout run, and the forms' captions come back run
    // after run: widths and shrinks are kept until a table grows too large.
    QHash<QString, double> m_widths;
    QHash<QString, double> m_shrinks;
};
