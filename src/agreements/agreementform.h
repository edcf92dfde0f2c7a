#pragma once

#include "widgets/rowform.h"

class DataModule;
class ProjectList;

// The entry area of the "Accord de principe" page: the project list and the six inputs of one post,
// bound to the current agreement row, laid out from a table of rows. The project list is bound to
// nothing.
class AgreementForm : public RowForm
{
    Q_OBJECT

public:
    AgreementForm(DataModule *data, QWidget *parent = nullptr);

    ProjectList *projectList() const { return m_projects; }
    FieldEdit *postEdit() const;
    // The project list and the inputs together; the list's drop-down closes with them.
    void enableEntry(bool enabled);

protected:
    Built ownInput(const Row &row) override;

private:
    Built projectInput(const Row &row);
    Built experienceInput(const Row &row);

    ProjectList *m_projects = nullptr;
};
