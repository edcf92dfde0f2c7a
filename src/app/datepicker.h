#pragma once

#include <QDateEdit>

class FieldEdit;

// A date picker: a calendar drop-down, not bound to the row. A date the user picks goes into the
// typed field under it as "dd/mm/yyyy"; loading it from the row writes nothing.
class DatePicker : public QDateEdit
{
    Q_OBJECT

public:
    DatePicker(const QDate &designDate, FieldEdit *target, QWidget *parent = nullptr);

    FieldEdit *target() const { return m_target; }
    // Shows a date without writing it anywhere.
    void showDate(const QDate &date);

signals:
    // The user picked a date: it went into the field.
    void written(const QDate &date);

private:
    void write(const QDate &date);

    FieldEdit *m_target;
    bool m_loading = false;
};
