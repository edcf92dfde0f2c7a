#include "agreements/agreementform.h"

#include "agreements/wholenumbercheck.h"
#include "app/captionlabel.h"
#include "app/datamodule.h"
#include "app/fieldedit.h"
#include "app/projectlist.h"
#include "data/fielddef.h"
#include "data/table.h"

#include <QGridLayout>
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
    grid->setColumnStretch(0, 6);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(2, 1);
    column()->addLayout(grid);
    column()->addStretch();

    m_projects = new ProjectList(data->contact());
    m_projects->setObjectName(QStringLiteral("projectList"));
    auto *projectCaption = new CaptionLabel(QStringLiteral("PROJET :"), false);
    projectCaption->captionFor(m_projects);
    place(grid, 0, 0, { projectCaption, m_projects, nullptr }, 3);

    constexpr auto Caps = TypingRules::Capitals;
    typedAt(grid, 1, 0, 1, QStringLiteral("DIPLÖME/ TITRE REQUIS :"), QStringLiteral("Diplome"), Caps);
    const Built experience = typedAt(
        grid, 1, 1, 1, QStringLiteral("EXPÉRIENCE PROFESSIONNELLE :"), QStringLiteral("experience"), Caps);
    auto *unit = new QLabel(QStringLiteral("/ANS"));
    unit->setObjectName(QStringLiteral("yearsUnit"));
    grid->addWidget(unit, 1, 2, Qt::AlignLeft | Qt::AlignBottom);
    typedAt(grid, 2, 0, 3, QStringLiteral("AUTRE CONDITIONS :"), QStringLiteral("autre_condition"), Caps);
    m_post = typedAt(grid, 3, 0, 1, QStringLiteral("POSTE DE TRAVAIL"), QStringLiteral("poste"), Caps).typed;
    const Built algerians
        = typedAt(grid, 3, 1, 1, QStringLiteral("ALGÉRIENS"), QStringLiteral("Algériens"), TypingRules::None);
    const Built foreigners
        = typedAt(grid, 3, 2, 1, QStringLiteral("ÉTRANGERS"), QStringLiteral("étrangers"), TypingRules::None);

    m_numberChecks << new WholeNumberCheck(experience.typed, QStringLiteral("EXPÉRIENCE PROFESSIONNELLE"))
                   << new WholeNumberCheck(algerians.typed, QStringLiteral("ALGÉRIENS"))
                   << new WholeNumberCheck(foreigners.typed, QStringLiteral("ÉTRANGERS"));
    enableEntry(false);
}

EntryForm::Built AgreementForm::typedAt(QGridLayout *grid, int row, int column, int span,
    const QString &caption, const QString &field, TypingRules::Rules rules)
{
    const Built built = typed(m_data->accord(), caption, field, false, rules);
    place(grid, row, column, built, span);
    return built;
}

void AgreementForm::enableEntry(bool enabled)
{
    if (!enabled)
        m_projects->hidePopup();
    m_projects->setEnabled(enabled);
    setEntryEnabled(enabled);
}

FieldEdit *AgreementForm::firstBadNumber(QString *message) const
{
    for (WholeNumberCheck *check : m_numberChecks) {
        const QString problem = check->problem();
        if (!problem.isEmpty()) {
            if (message)
                *message = problem;
            return qobject_cast<FieldEdit *>(check->edit());
        }
    }
    return nullptr;
}
