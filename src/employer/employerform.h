#pragma once

#include "widgets/entryform.h"

class DataModule;
class Table;

// The entry form of the "Organisme" page: the inputs of one employer entry, bound to the current
// employer and contact rows, with the pick lists, the date pickers and the computed total.
class EmployerForm : public EntryForm
{
    Q_OBJECT

public:
    EmployerForm(DataModule *data, QWidget *parent = nullptr);

    FieldEdit *nameEdit() const { return m_name; }

private:
    Built typed(const QString &caption, const QString &field, bool contact, bool mandatory, int rules);
    Built pick(const QString &caption, const QString &field, bool contact, bool mandatory,
        const QStringList &entries, int rules, const char *name);
    Built date(const QString &caption, const QString &field, bool contact, bool mandatory, const char *name);
    Table *tableFor(bool contact) const;
    void computeTotal();

    DataModule *m_data;
    FieldEdit *m_name = nullptr;
    FieldEdit *m_foreign = nullptr;
    FieldEdit *m_algerian = nullptr;
    FieldEdit *m_total = nullptr;
};
