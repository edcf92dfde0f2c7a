#pragma once

#include <QFont>
#include <QString>

// The font of a form element as the layouts write it: a size in points, the style letters
// B (bold), U (underlined) and I (italic), and the family (Times New Roman unless Arial).
// Text in Arabic script is set in the Arabic face that goes with the family.
class ElementFont
{
public:
    enum class Family { TimesNewRoman, Arial };

    ElementFont() = default;
    ElementFont(double pointSize, bool bold, bool underline, bool italic, Family family);

    // Parses "12", "16 BU", "12 B Arial"; false when the text is not of that form.
    static bool parse(const QString &text, ElementFont *font);

    double pointSize() const { return m_pointSize; }
    bool bold() const { return m_bold; }
    bool underline() const { return m_underline; }
    bool italic() const { return m_italic; }
    Family family() const { return m_family; }

    // The Qt font for drawing the given text (the family's Arabic face when it holds Arabic letters).
    QFont toQFont(bool arabic) const;
    // The layout notation back, e.g. "16 BU" or "12 B Arial".
    QString toString() const;

    static bool isArabic(const QString &text);

    bool operator==(const ElementFont &other) const = default;

private:
    double m_pointSize = 12.0;
    bool m_bold = false;
    bool m_underline = false;
    bool m_italic = false;
    Family m_family = Family::TimesNewRoman;
};
