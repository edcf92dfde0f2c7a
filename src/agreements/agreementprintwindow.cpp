#include "agreements/agreementprintwindow.h"

#include "data/datamodule.h"
#include "printing/agreementprint.h"
#include "printing/uiservice.h"
#include "ui_agreementprintwindow.h"
#include "widgets/projectlist.h"

AgreementPrintWindow::AgreementPrintWindow(DataModule *data, UiService &ui, QWidget *parent)
    : QDialog(parent)
    , m_layout(std::make_unique<Ui::AgreementPrintWindow>())
    , m_data(data)
    , m_ui(ui)
{
    m_layout->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    m_projects = new ProjectList(data->contact(), this);
    m_projects->setObjectName(QStringLiteral("DBLookupComboBox1"));
    m_projects->setGeometry(m_layout->projectRoom->geometry());
    m_projects->setAccessibleName(m_layout->projectCaption->text());
    delete m_layout->projectRoom;
    m_layout->projectRoom = nullptr;
    setTabOrder(m_projects, m_layout->CheckBox1);

    connect(m_layout->BitBtn1, &QPushButton::clicked, this, &AgreementPrintWindow::run);
    connect(m_layout->BitBtn2, &QPushButton::clicked, this, &QDialog::accept);
}

AgreementPrintWindow::~AgreementPrintWindow() = default;

QCheckBox *AgreementPrintWindow::formBox() const
{
    return m_layout->CheckBox1;
}

void AgreementPrintWindow::run()
{
    const QString project = m_projects->currentText();
    if (project.isEmpty()) {
        m_ui.message(this, QStringLiteral("Aucun projet selectionné !"));
        return;
    }
    QList<RowRecord> posts;
    QString error;
    if (!AgreementPrint::readPosts(m_data->database(), project, &posts, &error)) {
        m_ui.error(this, error);
        return;
    }
    if (posts.isEmpty()) {
        m_ui.message(this, AgreementPrint::noPostMessage());
        return;
    }
    if (!formBox()->isChecked())
        return;
    ReportDocument document = AgreementPrint::document(posts);
    if (document.pageCount() == 0) {
        m_ui.error(this, QStringLiteral("Le formulaire « AP01 » n'est pas disponible."));
        return;
    }
    m_ui.preview(this, document);
    formBox()->setChecked(false);
}
