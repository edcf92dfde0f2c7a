#pragma once

#include "elementfont.h"

#include <QFont>
#include <QHash>
#include <QString>
#include <QStringList>

class QFontMetricsF;

// Measures text in millimetres, independently of the device a page is later drawn on, and
// breaks it into the lines a fixed box shows.
class TextMeasurer
{
public:
    TextMeasurer();
    ~TextMeasurer();
    TextMeasurer(const TextMeasurer &) = delete;
    TextMeasurer &operator=(const TextMeasurer &) = delete;

    double width(const QString &text, const ElementFont &font, bool arabic);
    double lineHeight(const ElementFont &font, bool arabic);
    double ascent(const ElementFont &font, bool arabic);

    // Breaks text at its line breaks and word-wraps each paragraph at blanks to the width; a
    // word wider than the width is cut to what fits.
    QStringList wrap(const QString &text, const ElementFont &font, bool arabic, double width);

    // The text as it is drawn: a tab shows as a blank.
    static QString drawable(const QString &text);

private:
    const QFontMetricsF &metrics(const ElementFont &font, bool arabic);
    QString fitting(const QString &word, const ElementFont &font, bool arabic, double width);

    QHash<QString, QFontMetricsF *> m_metrics;
};
