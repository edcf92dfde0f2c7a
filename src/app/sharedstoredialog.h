#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class SharedStoreDialog;
}

// "Fichier › Base partagée…": the base of this computer (the data directory) or a server's, by its
// address. Laid out in sharedstoredialog.ui.
class SharedStoreDialog : public QDialog
{
    Q_OBJECT

public:
    explicit SharedStoreDialog(QWidget *parent = nullptr);
    ~SharedStoreDialog() override;

    // The server's address, or empty for the data directory.
    void setServer(const QString &uri);
    QString server() const;

private:
    std::unique_ptr<Ui::SharedStoreDialog> m_layout;
};
