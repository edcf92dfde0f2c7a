#pragma once

#include <QDialog>

// The read-only list of the documents an agreement request must hold, for one of the two cases the
// agreement page explains: `demande_accord` (case 1) or `demande_accord1` (case 2).
class AgreementChecklist : public QDialog
{
    Q_OBJECT

public:
    enum class Case { First, Second };

    AgreementChecklist(Case which, QWidget *parent = nullptr);

    Case which() const { return m_case; }
    // The texts of the list, top to bottom.
    QStringList lines() const;

private:
    Case m_case;
};
