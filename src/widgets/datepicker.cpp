#include "widgets/datepicker.h"

#include "data/fieldvalue.h"
#include "widgets/fieldedit.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QWheelEvent>

namespace {
// The first date a picker accepts; the day before it stands for a blank field.
const QDate FirstDate(1900, 1, 1);
} // namespace

DatePicker::DatePicker(FieldEdit *target, QWidget *parent)
    : QDateEdit(parent)
    , m_target(target)
{
    setFocusPolicy(Qt::StrongFocus);
    setCalendarPopup(true);
    setDisplayFormat(QString::fromLatin1(FieldValue::DateFormat));
    setLocale(QLocale(QLocale::French, QLocale::France));
    setMinimumDate(FirstDate.addDays(-1));
    setSpecialValueText(QStringLiteral(" "));
    showDate(FieldValue::parseDate(target->text()));
    connect(this, &QDateEdit::dateChanged, this, &DatePicker::changed);
    // A click (or Enter) on the date already shown changes nothing, yet it is a choice.
    connect(calendarWidget(), &QCalendarWidget::clicked, this, &DatePicker::picked);
    connect(calendarWidget(), &QCalendarWidget::activated, this, &DatePicker::picked);
    connect(target, &QLineEdit::textChanged, this, &DatePicker::follow);
}

void DatePicker::showDate(const QDate &date)
{
    m_loading = true;
    m_blank = !date.isValid() || date < FirstDate;
    setDate(m_blank ? minimumDate() : date);
    m_refused.clear();
    m_loading = false;
}

void DatePicker::follow(const QString &text)
{
    if (!m_writing)
        showDate(FieldValue::parseDate(text));
}

void DatePicker::changed(const QDate &date)
{
    if (!m_loading)
        picked(date);
}

void DatePicker::picked(const QDate &date)
{
    if (date < FirstDate)
        return;
    m_blank = false;
    m_refused.clear();
    m_writing = true;
    m_target->setText(FieldValue::formatDate(date));
    m_writing = false;
    emit written(date);
}

QString DatePicker::refusal(const QString &typed) const
{
    const QString text = typed.trimmed();
    if (text.isEmpty())
        return {};
    const QDate date = FieldValue::parseDate(text);
    if (date.isValid() && date >= FirstDate)
        return {};
    return QStringLiteral(
        "« %1 » n'est pas une date : le champ « %2 » attend une date jj/mm/aaaa à partir du "
        "01/01/1900, tapée ou choisie dans le calendrier.")
        .arg(text, m_caption);
}

QString DatePicker::problem() const
{
    // Still in the picker, the text being typed is what the user means.
    if (hasFocus())
        return refusal(text());
    return m_refused;
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    // Leaving puts the last good date back on screen: what was typed is kept for the save to refuse.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        m_refused = refusal(text());
    QDateEdit::focusOutEvent(event);
}

void DatePicker::mousePressEvent(QMouseEvent *event)
{
    QDateEdit::mousePressEvent(event);
    // A blank picker opens its calendar on today, selected but not written until picked.
    QCalendarWidget *calendar = calendarWidget();
    if (m_blank && calendar->isVisible()) {
        const QSignalBlocker block(calendar);
        const QDate today = QDate::currentDate();
        calendar->setSelectedDate(today);
        calendar->setCurrentPage(today.year(), today.month());
    }
}

void DatePicker::wheelEvent(QWheelEvent *event)
{
    if (!hasFocus()) {
        event->ignore();
        return;
    }
    QDateEdit::wheelEvent(event);
}
