#include "widgets/captionlabel.h"

#include <QLineEdit>

CaptionLabel::CaptionLabel(const QString &caption, bool mandatory, QWidget *parent)
    : QLabel(parent)
    , m_caption(caption)
    , m_mandatory(mandatory)
{
    setTextFormat(Qt::RichText);
    QString html = caption.toHtmlEscaped();
    html.replace(QLatin1Char(' '), QLatin1String("&nbsp;"));
    if (mandatory)
        html += QStringLiteral("&nbsp;<span style=\"color:#ff0000\">*</span>");
    setText(html);
    setAutoFillBackground(false);
}

QString CaptionLabel::named(const QString &caption)
{
    QString text = caption.trimmed();
    if (text.endsWith(QLatin1Char(':')))
        text.chop(1);
    return text.trimmed();
}

void CaptionLabel::setMarked(bool marked)
{
    m_marked = marked;
    setAutoFillBackground(marked);
    QPalette p = palette();
    p.setColor(QPalette::Window, marked ? QColor(Qt::red) : QColor(Qt::transparent));
    setPalette(p);
}

void CaptionLabel::captionFor(QWidget *input)
{
    setBuddy(input);
    input->setAccessibleName(m_caption);
    // The edit inside a pick list or a date picker is what a screen reader lands on.
    for (QLineEdit *edit : input->findChildren<QLineEdit *>())
        edit->setAccessibleName(m_caption);
}
