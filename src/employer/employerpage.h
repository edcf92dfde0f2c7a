#pragma once

#include <QWidget>

class DataModule;
class QLabel;
class QPushButton;

// The "Organisme" page: the employer entry form, the list of employers and the command buttons.
class EmployerPage : public QWidget
{
    Q_OBJECT

public:
    EmployerPage(DataModule *data, QWidget *parent = nullptr);

    QLabel *notice() const { return m_notice; }
    // MODIFIER, IMPRIMER and SUPRIMER follow whether the employer view holds rows.
    void enableByRows();

private:
    DataModule *m_data;
    QLabel *m_notice;
    QPushButton *m_modify;
    QPushButton *m_print;
    QPushButton *m_delete;
};
