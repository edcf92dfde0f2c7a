#include "app/datepicker.h"

#include "app/fieldedit.h"
#include "data/fieldvalue.h"

DatePicker::DatePicker(const QDate &designDate, FieldEdit *target, QWidget *parent)
    : QDateEdit(parent)
    , m_target(target)
{
    setCalendarPopup(true);
    setDisplayFormat(QString::fromLatin1(FieldValue::DateFormat));
    setMinimumDate(QDate(1900, 1, 1));
    showDate(designDate);
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::write);
}

void DatePicker::showDate(const QDate &date)
{
    m_loading = true;
    setDate(date);
    m_loading = false;
}

void DatePicker::write(const QDate &date)
{
    if (m_loading)
        return;
    m_target->setText(FieldValue::formatDate(date));
    emit written(date);
}
