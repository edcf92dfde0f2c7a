#pragma once

#include "widgets/entryform.h"

class DataModule;
class ProjectList;

// The entry area of the "Accord de principe" page: the project list and the six inputs of one post,
// bound to the current agreement row. The project list is bound to nothing.
class AgreementForm : public EntryForm
{
    Q_OBJECT

public:
    AgreementForm(DataModule *data, QWidget *parent = nullptr);

    ProjectList *projectList() const { return m_projects; }
    FieldEdit *postEdit() const { return m_post; }
    // The project list and the inputs together; the list's drop-down closes with them.
    void enableEntry(bool enabled);

private:
    Table *accord() const;
    Built typedAt(QGridLayout *grid, int row, int column, int span, const QString &caption,
        const QString &field, TypingRules::Rules rules);

    DataModule *m_data;
    ProjectList *m_projects;
    FieldEdit *m_post = nullptr;
};
