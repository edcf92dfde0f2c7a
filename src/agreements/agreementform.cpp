#include "agreements/agreementform.h"

#include "data/datamodule.h"
#include "widgets/captionlabel.h"
#include "widgets/fieldedit.h"
#include "widgets/projectlist.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

namespace {

constexpr auto Caps = TypingRules::Capitals;
constexpr auto Plain = TypingRules::None;
using Kind = RowForm::Kind;

// Kind, caption, table, field, mandatory, typing rules, list, input name, field name,
// section, row, column, span, options.
// clang-format off
const RowForm::Row rows[] = {
    { Kind::Own,   "PROJET :",                      nullptr,             nullptr,           false, Plain, nullptr, "projectList", nullptr, 0, 0, 0, 3, RowForm::NoOption },
    { Kind::Typed, "DIPLÖME/ TITRE REQUIS :",       &DataModule::accord, "Diplome",         false, Caps,  nullptr, nullptr,       nullptr, 0, 1, 0, 1, RowForm::NoOption },
    { Kind::Own,   "EXPÉRIENCE PROFESSIONNELLE :",  &DataModule::accord, "experience",      false, Caps,  nullptr, nullptr,       nullptr, 0, 1, 1, 2, RowForm::WholeNumber },
    { Kind::Typed, "AUTRE CONDITIONS :",            &DataModule::accord, "autre_condition", false, Caps,  nullptr, nullptr,       nullptr, 0, 2, 0, 3, RowForm::NoOption },
    { Kind::Typed, "POSTE DE TRAVAIL",              &DataModule::accord, "poste",           false, Caps,  nullptr, nullptr,       nullptr, 0, 3, 0, 1, RowForm::NoOption },
    { Kind::Typed, "ALGÉRIENS",                     &DataModule::accord, "Algériens",       false, Plain, nullptr, nullptr,       nullptr, 0, 3, 1, 1, RowForm::WholeNumber },
    { Kind::Typed, "ÉTRANGERS",                     &DataModule::accord, "étrangers",       false, Plain, nullptr, nullptr,       nullptr, 0, 3, 2, 1, RowForm::WholeNumber },
};
// clang-format on

} // namespace

AgreementForm::AgreementForm(DataModule *data, QWidget *parent)
    : RowForm(data, parent)
{
    setObjectName(QStringLiteral("ScrollBox2"));
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    widget()->setFont(font);
    widget()->setBackgroundRole(QPalette::Midlight);
    widget()->setAutoFillBackground(true);

    addSections({ nullptr });
    QGridLayout *grid = section(0);
    grid->setHorizontalSpacing(8);
    grid->setVerticalSpacing(2);
    grid->setColumnStretch(0, 1);
    build(rows);
    column()->addStretch();

    // The counts are narrow, as on the printed form: the texts take the rest of the width.
    typedField(QStringLiteral("experience"))->setFixedWidth(79);
    typedField(QStringLiteral("Algériens"))->setFixedWidth(108);
    typedField(QStringLiteral("étrangers"))->setFixedWidth(108);
    enableEntry(false);
}

FieldEdit *AgreementForm::postEdit() const
{
    return typedField(QStringLiteral("poste"));
}

RowForm::Built AgreementForm::ownInput(const Row &row)
{
    return row.field ? experienceInput(row) : projectInput(row);
}

RowForm::Built AgreementForm::projectInput(const Row &row)
{
    m_projects = new ProjectList(data()->contact());
    m_projects->setObjectName(QString::fromLatin1(row.name));
    auto *caption = new CaptionLabel(QString::fromUtf8(row.caption), false);
    caption->captionFor(m_projects);
    return { caption, m_projects, nullptr };
}

// The experience, in years, with its unit beside it.
RowForm::Built AgreementForm::experienceInput(const Row &row)
{
    const Built typed = this->typed((data()->*row.table)(), QString::fromUtf8(row.caption),
        QString::fromUtf8(row.field), false, row.rules);
    auto *cell = new QWidget;
    auto *line = new QHBoxLayout(cell);
    line->setContentsMargins(0, 0, 0, 0);
    auto *unit = new QLabel(QStringLiteral("/ANS"));
    unit->setObjectName(QStringLiteral("yearsUnit"));
    line->addWidget(typed.input);
    line->addWidget(unit);
    line->addStretch();
    return { typed.caption, cell, typed.typed };
}

void AgreementForm::enableEntry(bool enabled)
{
    if (!enabled)
        m_projects->hidePopup();
    m_projects->setEnabled(enabled);
    setEntryEnabled(enabled);
}
