#pragma once

#include <QWidget>

class QLabel;
class QPushButton;
class QRadioButton;

// The top of the "Accord de principe" page: the reminder to employers, the two cases under which an
// agreement may be requested, and the button that asks for the checklist of the case selected.
class AgreementCases : public QWidget
{
    Q_OBJECT

public:
    explicit AgreementCases(QWidget *parent = nullptr);

    bool isFirstCase() const;
    QRadioButton *firstCase() const { return m_first; }
    QRadioButton *secondCase() const { return m_second; }
    QLabel *firstCaseSecondLine() const { return m_secondLine; }
    QPushButton *dossierButton() const { return m_dossier; }

signals:
    // The checklist of the selected case is wanted.
    void checklistRequested(bool firstCase);

protected:
    // A click on the second line of case 1 selects case 1.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QLabel *addText(const QString &text, int x, int y);

    QRadioButton *m_first;
    QRadioButton *m_second;
    QLabel *m_secondLine;
    QPushButton *m_dossier;
};
