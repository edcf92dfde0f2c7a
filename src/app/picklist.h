#pragma once

#include "app/typingrules.h"

#include <QComboBox>

class FieldEdit;

// A pick list: an editable drop-down of fixed entries, not bound to the row. What the user chooses
// or types goes, whole and unchanged, into the typed field lying under it; loading it from the row
// writes nothing.
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

private:
    void write();

    FieldEdit *m_target;
    bool m_loading = false;
    bool m_trimmed = false;
};
