#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class ReviewPointsDialog;
}

// "Points à vérifier": what the checks found before a dossier goes out, one line each.
// "Continuer" accepts (the dossier dialog opens), "Retour" rejects (back to the worker).
class ReviewPointsDialog : public QDialog
{
    Q_OBJECT

public:
    explicit ReviewPointsDialog(const QStringList &points, QWidget *parent = nullptr);
    ~ReviewPointsDialog() override;

private:
    std::unique_ptr<Ui::ReviewPointsDialog> m_layout;
};
