#include "textmeasurer.h"

#include "formfonts.h"

#include <algorithm>

TextMeasurer::TextMeasurer()
{
    installFormFonts();
}

const QFontMetricsF &TextMeasurer::metrics(const ElementFont &font, bool arabic)
{
    const QString key = font.toString() + (arabic ? QLatin1String("/arabic") : QLatin1String());
    auto it = m_metrics.find(key);
    if (it == m_metrics.end())
        it = m_metrics.insert(key, QFontMetricsF(TextMeasurer::font(font, arabic)));
    return *it;
}

QFont TextMeasurer::font(const ElementFont &font, bool arabic)
{
    QFont result = font.toQFont(arabic);
    // One point is 100 pixels of millimetresPerPixel.
    result.setPixelSize(qMax(1, qRound(font.pointSize() * 100.0)));
    return result;
}

namespace {

// How many texts a table keeps before it starts again.
constexpr qsizetype keptTexts = 50000;

} // namespace

double TextMeasurer::width(const QString &text, const ElementFont &font, bool arabic)
{
    const QString key = font.toString() + (arabic ? QLatin1String("/a/") : QLatin1String("/l/")) + text;
    const auto found = m_widths.constFind(key);
    if (found != m_widths.constEnd())
        return *found;
    if (m_widths.size() > keptTexts)
        m_widths.clear();
    const double measured = metrics(font, arabic).horizontalAdvance(drawable(text)) * millimetresPerPixel
        * shrink(text, font, arabic);
    m_widths.insert(key, measured);
    return measured;
}

double TextMeasurer::shrink(const QString &text, const ElementFont &font, bool arabic)
{
    if (!arabic)
        return 1.0;
    // A little room is kept for the smoothing of the letters' edges.
    constexpr double safety = 0.98;
    const QString key = font.toString() + QLatin1Char('/') + text;
    const auto found = m_shrinks.constFind(key);
    if (found != m_shrinks.constEnd())
        return *found;
    if (m_shrinks.size() > keptTexts)
        m_shrinks.clear();
    const QRectF ink = metrics(font, true).tightBoundingRect(drawable(text));
    const QFontMetricsF &line = metrics(font, false);
    double scale = 1.0;
    if (ink.top() < 0.0)
        scale = std::min(scale, safety * line.ascent() / -ink.top());
    if (ink.bottom() > 0.0)
        scale = std::min(scale, safety * line.descent() / ink.bottom());
    m_shrinks.insert(key, scale);
    return scale;
}

double TextMeasurer::lineHeight(const ElementFont &font)
{
    return metrics(font, false).height() * millimetresPerPixel;
}

double TextMeasurer::ascent(const ElementFont &font)
{
    return metrics(font, false).ascent() * millimetresPerPixel;
}

QString TextMeasurer::drawable(const QString &text)
{
    QString result = text;
    result.replace(QLatin1Char('\t'), QLatin1Char(' '));
    return result;
}

QString TextMeasurer::fitting(const QString &word, const ElementFont &font, bool arabic, double limit)
{
    QString result = word;
    while (!result.isEmpty() && width(result, font, arabic) > limit)
        result.chop(1);
    return result;
}

QStringList TextMeasurer::wrap(const QString &text, const ElementFont &font, bool arabic, double limit)
{
    QStringList lines;
    const QStringList paragraphs = text.split(QLatin1Char('\n'));
    for (const QString &paragraph : paragraphs) {
        const QStringList words = paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (words.isEmpty()) {
            lines.append(QString());
            continue;
        }
        QString line;
        for (const QString &word : words) {
            const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
            if (width(candidate, font, arabic) <= limit) {
                line = candidate;
                continue;
            }
            if (!line.isEmpty())
                lines.append(line);
            line = width(word, font, arabic) <= limit ? word : fitting(word, font, arabic, limit);
        }
        lines.append(line);
    }
    return lines;
}
