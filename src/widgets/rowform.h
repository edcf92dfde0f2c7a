#pragma once

#include "widgets/entryform.h"

#include <QList>

#include <span>

class DataModule;
class QGridLayout;

// An entry form described by a table of rows: each row names an input (its caption, the table and
// field it is bound to, its kind, whether it is mandatory, its typing rules, its pick list, its
// object name) and the grid cell it stands in. The rows are turned into inputs in one place, by
// the entry form's typed, pick and date helpers, so that every input is bound to its field by the
// entry form itself.
class RowForm : public EntryForm
{
    Q_OBJECT

public:
    enum class Kind {
        Typed, // a typed field
        Pick, // a pick list over a hidden typed field
        Date, // a date picker over a hidden typed field
        Own, // an input the form makes itself (ownInput)
    };

    enum Option {
        NoOption = 0,
        KeepDisabled = 1, // never follows the entry state
        ClickFocus = 2, // takes the focus on a click only, not with the Tab key
        Trimmed = 4, // a pick list writing its text without the blanks at both ends
        WholeNumber = 8, // a count: refused when it is no whole number at or above zero
        Amount = 16, // an amount: refused below zero
    };

    struct Row
    {
        Kind kind;
        const char *caption;
        Table *(DataModule::*table)() const;
        const char *field;
        bool mandatory;
        TypingRules::Rules rules;
        const char *list; // the pick list's entries (PickEntries)
        const char *name; // the object name of the input the user fills
        const char *fieldName; // the object name of the hidden typed field under a list or picker
        int section, row, column, span;
        int options;
    };

protected:
    RowForm(DataModule *data, QWidget *parent = nullptr);

    DataModule *data() const { return m_data; }
    // Adds the sections the rows go into, in order, down the form: a plain grid for a null
    // title, else a framed group of that title.
    void addSections(std::initializer_list<const char *> titles);
    void build(std::span<const Row> rows);
    // The grid of a section, for a form that spaces its cells its own way.
    QGridLayout *section(int index) const { return m_sections.at(index); }
    // The input of an Own row, with its caption.
    virtual Built ownInput(const Row &row);

private:
    Built make(const Row &row);
    void applyOptions(const Row &row, const Built &built);

    DataModule *m_data;
    QList<QGridLayout *> m_sections;
};
