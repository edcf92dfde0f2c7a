#include "agreements/agreementprintwindow.h"

#include "data/datamodule.h"
#include "data/table.h"
#include "printing/agreementprint.h"
#include "printing/uiservice.h"
#include "widgets/projectlist.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

AgreementPrintWindow::AgreementPrintWindow(DataModule *data, UiService &ui, QWidget *parent)
    : QDialog(parent)
    , m_data(data)
    , m_ui(ui)
{
    setObjectName(QStringLiteral("imp_accord"));
    setWindowTitle(QStringLiteral("Impression "));
    setModal(true);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFont(QFont(QStringLiteral("Times New Roman"), 12));
    setFixedSize(750, 145);

    QFont bold = font();
    bold.setBold(true);
    auto *projectCaption = new QLabel(QStringLiteral("PROJET :"), this);
    projectCaption->setFont(bold);
    projectCaption->move(2, 0);
    m_projects = new ProjectList(data->contact(), this);
    m_projects->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_projects->setGeometry(0, 24, 745, 26);
    m_projects->setAccessibleName(QStringLiteral("PROJET :"));
    auto *printCaption = new QLabel(QStringLiteral("IMPRESSION :"), this);
    printCaption->setFont(bold);
    printCaption->move(2, 57);
    m_form = new QCheckBox(QStringLiteral("Tableau des prévisions de recrutement, par postes de travail et "
                                          "qualifications professionnelles (Formulaire AP N° 01)"),
        this);
    m_form->setObjectName(QStringLiteral("CheckBox1"));
    m_form->setGeometry(16, 80, 729, 22);
    auto *run = new QPushButton(QStringLiteral("Exécuter"), this);
    run->setObjectName(QStringLiteral("BitBtn1"));
    run->setGeometry(216, 112, 177, 25);
    auto *close = new QPushButton(QStringLiteral("Fermer"), this);
    close->setObjectName(QStringLiteral("BitBtn2"));
    close->setGeometry(432, 112, 75, 25);
    for (QPushButton *button : { run, close }) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    connect(run, &QPushButton::clicked, this, &AgreementPrintWindow::runClicked);
    connect(close, &QPushButton::clicked, this, &AgreementPrintWindow::closeClicked);
}

void AgreementPrintWindow::runClicked()
{
    const QString project = m_projects->currentText();
    if (project.isEmpty()) {
        m_ui.message(this, QStringLiteral("Aucun projet selectionné !"));
        return;
    }
    Table *posts = m_data->sqlaccord();
    if (!AgreementPrint::select(posts, project)) {
        m_ui.message(this, AgreementPrint::noPostMessage());
        return;
    }
    if (!m_form->isChecked())
        return;
    ReportDocument document = AgreementPrint::document(posts);
    if (document.pageCount() == 0) {
        m_ui.error(this, QStringLiteral("Le formulaire « AP01 » n'est pas disponible."));
        return;
    }
    m_ui.preview(this, document);
    m_form->setChecked(false);
}

void AgreementPrintWindow::closeClicked()
{
    m_data->sqlaccord()->setFiltered(false);
    accept();
}
