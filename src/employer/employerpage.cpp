#include "employer/employerpage.h"

#include "app/datamodule.h"
#include "app/notice.h"
#include "app/pagebuttons.h"
#include "data/table.h"

#include <QLabel>

EmployerPage::EmployerPage(DataModule *data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TabSheet1"));
    m_notice = new QLabel(Notice::initialText(), this);
    m_notice->setObjectName(QStringLiteral("Label1"));
    m_notice->setFont(QFont(QStringLiteral("Times New Roman"), -1));
    m_notice->setStyleSheet(QStringLiteral("font-size: 15px;"));
    m_notice->move(35, 8);
    m_notice->setFixedWidth(890);

    const auto buttons = PageButtons::create(this, {{"BitBtn1", "NOUVEAU", 933, 34, 121, 25},
                                                    {"BitBtn2", "ENREGISTRER", 933, 74, 121, 25},
                                                    {"BitBtn3", "MODIFIER", 933, 114, 121, 25},
                                                    {"BitBtn4", "ANNULER", 933, 154, 121, 25},
                                                    {"BitBtn5", "IMPRIMER", 933, 194, 121, 25},
                                                    {"BitBtn19", "SUPRIMER", 933, 236, 121, 25}});
    buttons.at(1)->setEnabled(false);
    buttons.at(3)->setEnabled(false);
    m_modify = buttons.at(2);
    m_print = buttons.at(4);
    m_delete = buttons.at(5);
}

void EmployerPage::enableByRows()
{
    const bool rows = m_data->employeur()->hasRows();
    m_modify->setEnabled(rows);
    m_print->setEnabled(rows);
    m_delete->setEnabled(rows);
}
