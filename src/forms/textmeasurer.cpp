#include "textmeasurer.h"

#include "formfonts.h"

#include <QFontMetricsF>
#include <QImage>

namespace {

// Metrics are taken at a fine resolution so that rounding to device pixels plays no part.
constexpr int referenceDotsPerMeter = 47244; // 1200 dpi
constexpr double millimetresPerPixel = 1000.0 / referenceDotsPerMeter;

const QImage &referenceDevice()
{
    static const QImage image = [] {
        QImage result(1, 1, QImage::Format_ARGB32);
        result.setDotsPerMeterX(referenceDotsPerMeter);
        result.setDotsPerMeterY(referenceDotsPerMeter);
        return result;
    }();
    return image;
}

} // namespace

TextMeasurer::TextMeasurer()
{
    installFormFonts();
}

TextMeasurer::~TextMeasurer()
{
    qDeleteAll(m_metrics);
}

const QFontMetricsF &TextMeasurer::metrics(const ElementFont &font, bool arabic)
{
    const QString key = font.toString() + (arabic ? QLatin1String("/arabic") : QLatin1String());
    auto it = m_metrics.find(key);
    if (it == m_metrics.end())
        it = m_metrics.insert(key, new QFontMetricsF(font.toQFont(arabic), &referenceDevice()));
    return **it;
}

double TextMeasurer::width(const QString &text, const ElementFont &font, bool arabic)
{
    return metrics(font, arabic).horizontalAdvance(drawable(text)) * millimetresPerPixel;
}

double TextMeasurer::lineHeight(const ElementFont &font, bool arabic)
{
    return metrics(font, arabic).height() * millimetresPerPixel;
}

double TextMeasurer::ascent(const ElementFont &font, bool arabic)
{
    return metrics(font, arabic).ascent() * millimetresPerPixel;
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
