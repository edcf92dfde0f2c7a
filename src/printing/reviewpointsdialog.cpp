#include "printing/reviewpointsdialog.h"

#include "ui_reviewpointsdialog.h"

ReviewPointsDialog::ReviewPointsDialog(const QStringList &points, QWidget *parent)
    : QDialog(parent)
    , m_layout(std::make_unique<Ui::ReviewPointsDialog>())
{
    m_layout->setupUi(this);
    m_layout->points->addItems(points);
    for (QPushButton *button : { m_layout->continueButton, m_layout->backButton })
        button->setAccessibleName(button->text());
}

ReviewPointsDialog::~ReviewPointsDialog() = default;
