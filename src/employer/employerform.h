#pragma once

#include "widgets/rowform.h"

// The entry form of the "Organisme" page: the inputs of one employer entry, bound to the current
// employer and contact rows, with the pick lists, the date pickers and the computed total.
class EmployerForm : public RowForm
{
    Q_OBJECT

public:
    EmployerForm(DataModule *data, QWidget *parent = nullptr);

    FieldEdit *nameEdit() const { return m_name; }

private:
    // The key names both the organisation and the project: its caption says so in red.
    void emphasiseName();
    void computeTotal();

    FieldEdit *m_name = nullptr;
    FieldEdit *m_foreign = nullptr;
    FieldEdit *m_algerian = nullptr;
    FieldEdit *m_total = nullptr;
};
