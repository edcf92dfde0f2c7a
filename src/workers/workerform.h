#pragma once

#include "widgets/rowform.h"

class ProjectList;

// The entry form of the "Expatries" page: one worker's inputs bound to the current worker row,
// the eleven pick lists, the ten date pickers, the project list, the computed contract end date and
// the two groups shown only under conditions (maiden name, residence card). The pick lists and
// pickers always show the row's values; the project list is bound to nothing and keeps its choice.
class WorkerForm : public RowForm
{
    Q_OBJECT

public:
    WorkerForm(DataModule *data, QWidget *parent = nullptr);

    FieldEdit *numberEdit() const { return m_number; }
    ProjectList *projectList() const { return m_projects; }
    bool isMaidenNameShown() const { return m_maidenShown; }
    bool isCardGroupShown() const { return m_cardShown; }

    // The two conditional groups after a change of row, from the row's values.
    void applyRulesFromRow();
    void hideMaidenName() { showMaidenName(false); }
    void hideCardGroup() { showCardGroup(false); }
    // Enables the inputs; the order number and the contract end date are never enabled.
    void setEntryEnabled(bool enabled, bool includingProjects);

protected:
    // The project list: the projects of the contact table, bound to no field.
    Built ownInput(const Row &row) override;

private:
    void addMandatoryFields();
    void connectRules();
    // The caption and input of each field listed.
    QList<QWidget *> widgetsOf(std::initializer_list<const char *> fields) const;
    void showMaidenName(bool shown);
    void showCardGroup(bool shown);
    void applyMaidenRule(const QString &sex, const QString &status);
    void applyCardRule(const QString &stay);
    void computeEndDate();

    FieldEdit *m_number = nullptr;
    ProjectList *m_projects = nullptr;
    QList<QWidget *> m_maidenWidgets;
    QList<QWidget *> m_cardWidgets;
    bool m_maidenShown = false;
    bool m_cardShown = false;
};
