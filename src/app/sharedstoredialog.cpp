#include "app/sharedstoredialog.h"

#include "ui_sharedstoredialog.h"

SharedStoreDialog::SharedStoreDialog(QWidget *parent)
    : QDialog(parent)
    , m_layout(std::make_unique<Ui::SharedStoreDialog>())
{
    m_layout->setupUi(this);
}

SharedStoreDialog::~SharedStoreDialog() = default;

void SharedStoreDialog::setServer(const QString &uri)
{
    m_layout->adresse->setText(uri);
    (uri.isEmpty() ? m_layout->surCePoste : m_layout->surServeur)->setChecked(true);
}

QString SharedStoreDialog::server() const
{
    return m_layout->surServeur->isChecked() ? m_layout->adresse->text().trimmed() : QString();
}
