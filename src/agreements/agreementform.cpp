#include "agreements/agreementform.h"

#include "data/datamodule.h"
#include "widgets/captionlabel.h"
#include "widgets/fieldedit.h"
#include "widgets/projectlist.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

AgreementForm::AgreementForm(DataModule *data, QWidget *parent)
    : EntryForm(parent)
    , m_data(data)
{
    setObjectName(QStringLiteral("ScrollBox2"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    widget()->setFont(font);
    widget()->setBackgroundRole(QPalette::Midlight);
    widget()->setAutoFillBackground(true);

    auto *grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    column()->addLayout(grid);
    column()->addStretch();

    m_projects = new ProjectList(data->contact());
    m_projects->setObjectName(QStringLiteral("projectList"));
    auto *projectCaption = new CaptionLabel(QStringLiteral("PROJET :"), false);
    projectCaption->captionFor(m_projects);
    place(grid, 0, 0, { projectCaption, m_projects, nullptr }, 3);

    constexpr auto Caps = TypingRules::Capitals;
    typedAt(grid, 1, 0, 1, QStringLiteral("DIPLÖME/ TITRE REQUIS :"), QStringLiteral("Diplome"), Caps);
    // The experience, in years, with its unit beside it.
    const Built experience = typed(
        accord(), QStringLiteral("EXPÉRIENCE PROFESSIONNELLE :"), QStringLiteral("experience"), false, Caps);
    auto *unit = new QLabel(QStringLiteral("/ANS"));
    unit->setObjectName(QStringLiteral("yearsUnit"));
    auto *years = new QHBoxLayout;
    years->addWidget(experience.input);
    years->addWidget(unit);
    years->addStretch();
    auto *experienceCell = new QVBoxLayout;
    experienceCell->setSpacing(1);
    experienceCell->addWidget(experience.caption);
    experienceCell->addLayout(years);
    grid->addLayout(experienceCell, 1, 1, 1, 2);
    typedAt(grid, 2, 0, 3, QStringLiteral("AUTRE CONDITIONS :"), QStringLiteral("autre_condition"), Caps);
    m_post = typedAt(grid, 3, 0, 1, QStringLiteral("POSTE DE TRAVAIL"), QStringLiteral("poste"), Caps).typed;
    const Built algerians
        = typedAt(grid, 3, 1, 1, QStringLiteral("ALGÉRIENS"), QStringLiteral("Algériens"), TypingRules::None);
    const Built foreigners
        = typedAt(grid, 3, 2, 1, QStringLiteral("ÉTRANGERS"), QStringLiteral("étrangers"), TypingRules::None);

    // The counts are narrow, as on the printed form: the texts take the rest of the width.
    experience.typed->setFixedWidth(79);
    algerians.typed->setFixedWidth(108);
    foreigners.typed->setFixedWidth(108);
    addNumberCheck(experience.typed, QStringLiteral("EXPÉRIENCE PROFESSIONNELLE"));
    addNumberCheck(algerians.typed, QStringLiteral("ALGÉRIENS"));
    addNumberCheck(foreigners.typed, QStringLiteral("ÉTRANGERS"));
    enableEntry(false);
}

EntryForm::Built AgreementForm::typedAt(QGridLayout *grid, int row, int column, int span,
    const QString &caption, const QString &field, TypingRules::Rules rules)
{
    const Built built = typed(accord(), caption, field, false, rules);
    place(grid, row, column, built, span);
    return built;
}

Table *AgreementForm::accord() const
{
    return m_data->accord();
}

void AgreementForm::enableEntry(bool enabled)
{
    if (!enabled)
        m_projects->hidePopup();
    m_projects->setEnabled(enabled);
    setEntryEnabled(enabled);
}
