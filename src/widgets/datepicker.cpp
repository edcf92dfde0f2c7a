#include "widgets/datepicker.h"

#include "data/fieldvalue.h"
#include "widgets/fieldedit.h"

#include <QCalendarWidget>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
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
    connect(lineEdit(), &QLineEdit::textChanged, this, &DatePicker::textSet);
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

// A text put in at once, without keys (a paste from the edit's menu, a screen reader): a date is taken
// as a date picked; anything else is kept for the save to refuse, and the picker shows its
// field's date again, as when the user leaves it after typing.
void DatePicker::textSet(const QString &text)
{
    if (m_loading || m_writing || m_typing)
        return;
    const QString problem = refusal(text);
    if (problem.isEmpty())
        return;
    showDate(FieldValue::parseDate(m_target->text()));
    m_refused = problem;
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
    // The text on screen, while the user is in the picker or left there by any other means, is what
    // the user means; once it has been put back, the text that was left.
    const QString shown = refusal(text());
    return shown.isEmpty() ? m_refused : shown;
}

QString DatePicker::takeProblem()
{
    const QString found = problem();
    if (!found.isEmpty())
        showDate(FieldValue::parseDate(m_target->text()));
    return found;
}

void DatePicker::focusOutEvent(QFocusEvent *event)
{
    // Leaving puts the last good date back on screen: what was typed is kept for the save to refuse.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        m_refused = refusal(text());
    QDateEdit::focusOutEvent(event);
}

void DatePicker::keyPressEvent(QKeyEvent *event)
{
    // Keys typed are a date being written: it is judged when the user leaves it or saves.
    m_typing = true;
    QDateEdit::keyPressEvent(event);
    m_typing = false;
}

void DatePicker::inputMethodEvent(QInputMethodEvent *event)
{
    m_typing = true;
    QDateEdit::inputMethodEvent(event);
    m_typing = false;
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
