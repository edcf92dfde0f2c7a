#pragma once

#include "widgets/mandatorycheck.h"
#include "widgets/numbercheck.h"
#include "widgets/typingrules.h"

#include <QHash>
#include <QScrollArea>

class CaptionLabel;
class DatePicker;
class FieldEdit;
class PickList;
class QGridLayout;
class QVBoxLayout;
class Table;

// The scrolling entry form of an editing page: builds captioned inputs bound to table fields
// (typed fields, pick lists and date pickers with their hidden typed fields), finds them again by
// field name, and enables them together.
class EntryForm : public QScrollArea
{
    Q_OBJECT

public:
    explicit EntryForm(QWidget *parent = nullptr);

    MandatoryCheck &mandatory() { return m_mandatory; }
    // Runs the mandatory check; when a field is empty, the form scrolls to the input left with the focus.
    bool checkMandatory();
    void setEntryEnabled(bool enabled);
    void scrollToTop();
    // The first input holding a value its field cannot take (a count that is no whole number, an
    // amount below zero, a typed date that is no date), with the message naming it; none when all
    // are acceptable. A date picker refused shows its field's date again.
    QWidget *firstRefusedValue(QString *message);

    // What the pick lists and date pickers hold, by field, to carry into the next entry.
    QHash<QString, QString> choices() const;
    // Writes carried choices into the row now open, through their inputs' fields.
    void carryChoices(const QHash<QString, QString> &choices);

    PickList *pickList(const QString &field) const { return m_pickLists.value(field.toLower()); }
    DatePicker *datePicker(const QString &field) const { return m_datePickers.value(field.toLower()); }
    // The typed field of a field: the visible one, or the hidden one under its pick list or picker.
    FieldEdit *typedField(const QString &field) const { return m_typed.value(field.toLower()); }
    CaptionLabel *caption(const QString &field) const { return m_captions.value(field.toLower()); }
    // The input the user fills a field with.
    QWidget *inputOf(const QString &field) const;

signals:
    // The user left an input holding a value its field cannot take; the page shows the message.
    void valueRefused(QWidget *input, const QString &message);

protected:
    struct Built
    {
        CaptionLabel *caption;
        QWidget *input;
        FieldEdit *typed;
    };

    // The layout the inputs go into, inside the scrolling area.
    QVBoxLayout *column() const { return m_column; }
    Built typed(
        Table *table, const QString &caption, const QString &field, bool mandatory, TypingRules::Rules rules);
    Built pick(Table *table, const QString &caption, const QString &field, bool mandatory,
        const QStringList &entries, TypingRules::Rules rules, const char *name);
    Built date(Table *table, const QString &caption, const QString &field, bool mandatory, const char *name);
    // Puts a caption above its input in a cell of the grid.
    static void place(QGridLayout *grid, int row, int column, const Built &built, int span = 1);
    // An input that never follows the entry state.
    void keepDisabled(QWidget *input);
    // Watches an input holding a number; refused values are named on leaving and at the save.
    void addNumberCheck(
        QWidget *input, const QString &caption, NumberCheck::Kind kind = NumberCheck::WholeNumber);
    // Adds the mandatory fields in check order; those listed in `keepFocus` do not take the focus.
    void addMandatory(const QStringList &fields, const QStringList &keepFocus = {});

private:
    QVBoxLayout *m_column;
    QList<QWidget *> m_entryInputs;
    QHash<QString, PickList *> m_pickLists;
    QHash<QString, DatePicker *> m_datePickers;
    QHash<QString, FieldEdit *> m_typed;
    QHash<QString, CaptionLabel *> m_captions;
    QList<NumberCheck *> m_numberChecks;
    QList<DatePicker *> m_pickerOrder;
    MandatoryCheck m_mandatory;
};
