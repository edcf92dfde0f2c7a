#include "agreements/agreementpage.h"

#include "app/datamodule.h"
#include "app/pagebuttons.h"
#include "data/table.h"

AgreementPage::AgreementPage(DataModule *data, QWidget *parent)
    : QWidget(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("TabSheet2"));
    const auto buttons = PageButtons::create(this, {{"BitBtn6", "NOUVEAU", 936, 180, 119, 25},
                                                    {"BitBtn7", "ENREGISTRER", 936, 212, 119, 25},
                                                    {"BitBtn8", "ANNULER", 936, 244, 119, 25},
                                                    {"BitBtn9", "MODIFIER", 936, 276, 119, 25},
                                                    {"BitBtn10", "SUPRIMER", 936, 308, 119, 25},
                                                    {"BitBtn16", "IMPRIMER", 936, 340, 119, 25}});
    for (QPushButton *button : buttons)
        button->setFont(QFont(QStringLiteral("Times New Roman"), 10));
    buttons.at(1)->setEnabled(false);
    buttons.at(2)->setEnabled(false);
    m_byRows = {buttons.at(3), buttons.at(4), buttons.at(5)};
}

void AgreementPage::enableByRows()
{
    const bool rows = m_data->accord()->hasRows();
    for (QPushButton *button : std::as_const(m_byRows))
        button->setEnabled(rows);
}
