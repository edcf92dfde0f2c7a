#pragma once

#include <QDateEdit>

class FieldEdit;

// A date picker over the typed field of its row's field: a calendar drop-down or a typed date. Any
// date the user picks, the one already shown included, goes into the field as "dd/mm/yyyy"; the
// picker always shows the field's date, and is blank while the field is blank. A text that is no
// date (00/00/0000, a year before 1900), typed or put in at once, is remembered when the picker
// shows its field's date again, so that the save refuses it by the field's name instead of keeping
// the old date in silence.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    explicit DatePicker(FieldEdit *target, QWidget *parent = nullptr);

    FieldEdit *target() const { return m_target; }
    // Shows a date without writing it anywhere; an invalid date shows a blank picker.
    void showDate(const QDate &date);
    bool isBlank() const { return m_blank; }
    // The caption naming the field in the refusal of a typed text that is no date.
    void setCaption(const QString &caption) { m_caption = caption; }
    // Empty unless the user typed something that is no date; else the message naming the field.
    QString problem() const;
    // The problem, once: the picker shows its field's date again, the text refused is forgotten.
    QString takeProblem();

signals:
    // The user picked a date: it went into the field.
    void written(const QDate &date);

protected:
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    // A wheel turned over the picker while the form scrolls moves the form, not the date.
    void wheelEvent(QWheelEvent *event) override;

private:
    void changed(const QDate &date);
    void picked(const QDate &date);
    void follow(const QString &text);
    void textSet(const QString &text);
    QString refusal(const QString &typed) const;

    FieldEdit *m_target;
    QString m_caption;
    QString m_refused; // the text the user left that is no date
    bool m_loading = false;
    bool m_writing = false;
    bool m_typing = false; // within a key typed into the picker
    bool m_blank = true;
};
