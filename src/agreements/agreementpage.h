#pragma once

#include <QWidget>

class DataModule;
class QPushButton;

// The "Accord de principe" page: the posts of each project and their forecast head counts.
class AgreementPage : public QWidget
{
    Q_OBJECT

public:
    AgreementPage(DataModule *data, QWidget *parent = nullptr);

    // MODIFIER, SUPRIMER and IMPRIMER follow whether the agreement view holds rows.
    void enableByRows();

private:
    DataModule *m_data;
    QList<QPushButton *> m_byRows;
};
