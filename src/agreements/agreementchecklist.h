#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AgreementChecklist;
}

// The read-only list of the documents an agreement request must hold, for one of the two cases the
// agreement page explains: `demande_accord` (case 1) or `demande_accord1` (case 2). The panel is
// laid out in agreementchecklist.ui; its labels come from the case's list file.
class AgreementChecklist : public QDialog
{
    Q_OBJECT

public:
    enum class Case { First, Second };

    AgreementChecklist(Case which, QWidget *parent = nullptr);
    ~AgreementChecklist() override;

    Case which() const { return m_case; }
    // The texts of the list, top to bottom.
    QStringList lines() const;

private:
    void placeLines(const QString &list);
    void widenToLines();

    std::unique_ptr<Ui::AgreementChecklist> m_ui;
    Case m_case;
};
