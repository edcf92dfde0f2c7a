#include "elementfont.h"

#include "formfonts.h"

#include <QStringList>

ElementFont::ElementFont(double pointSize, bool bold, bool underline, bool italic, Family family)
    : m_pointSize(pointSize)
    , m_bold(bold)
    , m_underline(underline)
    , m_italic(italic)
    , m_family(family)
{ }

bool ElementFont::parse(const QString &text, ElementFont *font)
{
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.isEmpty() || parts.size() > 3)
        return false;
    bool ok = false;
    const double size = parts.first().toDouble(&ok);
    // Sizes past any paper form's are refused, the infinite and not-a-number ones with them: the
    // measurer sizes its faces in whole pixels of a hundredth of a point.
    constexpr double largestPointSize = 1000.0;
    if (!ok || !(size > 0.0 && size <= largestPointSize))
        return false;
    ElementFont result;
    result.m_pointSize = size;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString &part = parts.at(i);
        if (part == QLatin1String("Arial")) {
            if (i != parts.size() - 1)
                return false;
            result.m_family = Family::Arial;
            continue;
        }
        if (i != 1)
            return false;
        for (const QChar c : part) {
            if (c == QLatin1Char('B') && !result.m_bold)
                result.m_bold = true;
            else if (c == QLatin1Char('U') && !result.m_underline)
                result.m_underline = true;
            else if (c == QLatin1Char('I') && !result.m_italic)
                result.m_italic = true;
            else
                return false;
        }
    }
    *font = result;
    return true;
}

QFont ElementFont::toQFont(bool arabic) const
{
    QFont font;
    if (arabic)
        font.setFamily(QString::fromLatin1(
            m_family == Family::Arial ? FormFonts::arabicSansFamily : FormFonts::arabicSerifFamily));
    else if (m_family == Family::Arial)
        font.setFamily(QString::fromLatin1(FormFonts::sansFamily));
    else
        font.setFamily(QString::fromLatin1(FormFonts::serifFamily));
    font.setPointSizeF(m_pointSize);
    font.setBold(m_bold);
    font.setUnderline(m_underline);
    font.setItalic(m_italic);
    // Unhinted outlines keep widths proportional to the size, so that previews, PDF files and
    // printers place every line alike.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setKerning(false);
    return font;
}

QString ElementFont::toString() const
{
    QString text = QString::number(m_pointSize);
    QString style;
    if (m_bold)
        style += QLatin1Char('B');
    if (m_underline)
        style += QLatin1Char('U');
    if (m_italic)
        style += QLatin1Char('I');
    if (!style.isEmpty())
        text += QLatin1Char(' ') + style;
    if (m_family == Family::Arial)
        text += QLatin1String(" Arial");
    return text;
}

bool ElementFont::isArabic(const QString &text)
{
    for (const QChar c : text) {
        if (c.script() == QChar::Script_Arabic)
            return true;
    }
    return false;
}
