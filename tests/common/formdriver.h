#pragma once

#include "widgets/datepicker.h"
#include "widgets/entryform.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QLineEdit>
#include <QTest>

// Fills the inputs of an entry form as a user would: keys typed into typed fields and pick lists,
// dates picked in pickers.
namespace FormDriver {

inline void enter(EntryForm *form, const QString &field, const QString &text)
{
    if (PickList *list = form->pickList(field)) {
        list->lineEdit()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(list->lineEdit(), Qt::Key_Delete);
        else
            QTest::keyClicks(list->lineEdit(), text);
    } else if (DatePicker *picker = form->datePicker(field)) {
        // A picker writes only when its date changes, as when the user picks one.
        const QDate date = QDate::fromString(text, QStringLiteral("dd/MM/yyyy"));
        picker->setDate(date.addDays(1));
        picker->setDate(date);
    } else {
        FieldEdit *edit = form->typedField(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
}

// The user leaves an input with the Tab key.
inline void leave(QWidget *input)
{
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(input, &out);
}

// Types a text into a date picker over what it shows, as the user does with the keyboard.
inline void typeDate(DatePicker *picker, const QString &text)
{
    picker->setFocus(Qt::TabFocusReason);
    QTest::keyClick(picker, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(picker, text);
}

// Puts a text into a date picker at once, as a paste or a screen reader does: no key is typed and
// the picker does not have the focus.
inline void putDateText(DatePicker *picker, const QString &text)
{
    picker->findChild<QLineEdit *>()->setText(text);
}

// The rows of a data-driven test over texts that are no date, in column "typed".
inline void addTextsThatAreNoDate()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("day and month zero") << "00/00/0000";
    QTest::newRow("year before 1900") << "01/01/1899";
    QTest::newRow("letters") << "AB/CD/EFGH";
    QTest::newRow("day and month out of range") << "32/13/2020";
    QTest::newRow("day below zero") << "-1/01/2020";
}

// Picks an entry of a pick list by its index, as a click in the drop-down does.
inline void choose(EntryForm *form, const QString &field, int index)
{
    PickList *list = form->pickList(field);
    list->setCurrentIndex(index);
    emit list->textActivated(list->currentText());
}

} // namespace FormDriver
