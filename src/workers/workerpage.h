#pragma once

#include <QWidget>

class DataModule;
class QLabel;
class QPushButton;

// The "Expatries" page: the worker entry form, the list of workers and the command buttons.
class WorkerPage : public QWidget
{
    Q_OBJECT

public:
    WorkerPage(DataModule *data, QWidget *parent = nullptr);

    QLabel *notice() const { return m_notice; }
    // MODIFIER, SUPRIMER, ACTUALISER and IMPRIMER follow whether the worker view holds rows.
    void enableByRows();

private:
    DataModule *m_data;
    QLabel *m_notice;
    QList<QPushButton *> m_byRows;
};
