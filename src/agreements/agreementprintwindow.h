#pragma once

#include <QDialog>

class DataModule;
class UiService;
class ProjectList;
class QCheckBox;
class QPushButton;

// The print window "Impression " of the agreement page: the project, the document (form AP n°1)
// and "Exécuter", which previews the project's posts.
class AgreementPrintWindow : public QDialog
{
    Q_OBJECT

public:
    AgreementPrintWindow(DataModule *data, UiService &ui, QWidget *parent = nullptr);

    ProjectList *projects() const { return m_projects; }
    QCheckBox *formBox() const { return m_form; }

public slots:
    void runClicked();
    void closeClicked();
    // Without title-bar buttons, Escape does not close it either.
    void reject() override { }

private:
    DataModule *m_data;
    UiService &m_ui;
    ProjectList *m_projects;
    QCheckBox *m_form;
};
