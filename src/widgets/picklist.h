#pragma once

#include "widgets/typingrules.h"

#include <QComboBox>

class FieldEdit;

// A pick list: an editable drop-down of fixed entries over the typed field of its row's field. What
// the user chooses or types goes, whole, into that field; and the list always shows what the field
// holds (blank when it is blank), so that what is on screen is what will be stored.
class PickList : public QComboBox
{
    Q_OBJECT

public:
    PickList(const QStringList &entries, FieldEdit *target, TypingRules::Rules rules = TypingRules::None,
        QWidget *parent = nullptr);

    FieldEdit *target() const { return m_target; }
    // Writes the text without the blanks and control characters at both ends.
    void setTrimmed(bool trimmed) { m_trimmed = trimmed; }
    // Shows a text without writing it anywhere.
    void showText(const QString &text);

signals:
    // The user chose or typed: the text went into the field.
    void written(const QString &text);

protected:
    // A wheel turned over the list while the form scrolls moves the form, not the value.
    void wheelEvent(QWheelEvent *event) override;

private:
    void write();
    // The field changed under the list (another row, a cancel, a value set by the program).
    void follow(const QString &text);

    FieldEdit *m_target;
    bool m_loading = false;
    bool m_writing = false;
    bool m_trimmed = false;
};
