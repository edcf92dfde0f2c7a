#pragma once

#include <QLabel>

// The caption of an input: its text, a red "*" when the field is mandatory, and the red mark a
// failed check puts on it. Gives the input it captions its accessible name.
class CaptionLabel : public QLabel
{
    Q_OBJECT

public:
    CaptionLabel(const QString &caption, bool mandatory, QWidget *parent = nullptr);

    QString caption() const { return m_caption; }
    // The caption a message names the field by: without its colon ("TÉL :" gives "TÉL").
    static QString named(const QString &caption);
    bool isMandatory() const { return m_mandatory; }
    void setMarked(bool marked);
    bool isMarked() const { return m_marked; }
    // The input this caption names: it takes the caption as its accessible name.
    void captionFor(QWidget *input);

private:
    QString m_caption;
    bool m_mandatory;
    bool m_marked = false;
};
