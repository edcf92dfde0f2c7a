#pragma once

#include <QDialog>

#include <memory>

class DataModule;
class UiService;
class ProjectList;
class QCheckBox;

namespace Ui {
class AgreementPrintWindow;
}

// The print window "Impression " of the agreement page: the project, the document (form AP n°1)
// and "Exécuter", which previews the project's posts. Laid out in agreementprintwindow.ui; the
// project list, bound to the contact table, takes the room the layout leaves for it.
class AgreementPrintWindow : public QDialog
{
    Q_OBJECT

public:
    AgreementPrintWindow(DataModule *data, UiService &ui, QWidget *parent = nullptr);
    ~AgreementPrintWindow() override;

    ProjectList *projects() const { return m_projects; }
    QCheckBox *formBox() const;
    // Without title-bar buttons, Escape does not close it either.
    void reject() override { }

private:
    void run(); // Exécuter

    std::unique_ptr<Ui::AgreementPrintWindow> m_layout;
    DataModule *m_data;
    UiService &m_ui;
    ProjectList *m_projects;
};
