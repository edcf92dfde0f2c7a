#include "workers/workerpage.h"

#include "app/datamodule.h"
#include "app/notice.h"
#include "app/pagebuttons.h"
#include "data/table.h"

#include <QLabel>

WorkerPage::WorkerPage(DataModule *data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TabSheet3"));
    m_notice = new QLabel(Notice::initialText(), this);
    m_notice->setObjectName(QStringLiteral("Label2"));
    m_notice->setFont(QFont(QStringLiteral("Times New Roman"), -1));
    m_notice->setStyleSheet(QStringLiteral("font-size: 15px;"));
    m_notice->move(36, 6);
    m_notice->setFixedWidth(890);

    const auto buttons = PageButtons::create(this, {{"BitBtn11", "NOUVEAU", 933, 34, 121, 25},
                                                    {"BitBtn12", "ENREGISTRER", 933, 74, 121, 25},
                                                    {"BitBtn13", "MODIFIER", 933, 114, 121, 25},
                                                    {"BitBtn14", "ANNULER", 933, 154, 121, 25},
                                                    {"BitBtn15", "SUPRIMER", 933, 194, 121, 25},
                                                    {"BitBtn20", "IMPRIMER", 933, 234, 121, 25},
                                                    {"BitBtn17", "ACTUALISER", 933, 274, 121, 25}});
    buttons.at(1)->setEnabled(false);
    buttons.at(3)->setEnabled(false);
    m_byRows = {buttons.at(2), buttons.at(4), buttons.at(6), buttons.at(5)};
}

void WorkerPage::enableByRows()
{
    const bool rows = m_data->expatries()->hasRows();
    for (QPushButton *button : std::as_const(m_byRows))
        button->setEnabled(rows);
}
