#include "widgets/rowform.h"

#include "widgets/captionlabel.h"
#include "widgets/fieldedit.h"
#include "widgets/pickentries.h"
#include "widgets/picklist.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QVBoxLayout>

namespace {
QString latin1(const char *name)
{
    return name ? QString::fromLatin1(name) : QString();
}
} // namespace

RowForm::RowForm(DataModule *data, QWidget *parent)
    : EntryForm(parent)
    , m_data(data)
{ }

void RowForm::addSections(std::initializer_list<const char *> titles)
{
    for (const char *title : titles) {
        if (!title) {
            auto *grid = new QGridLayout;
            grid->setHorizontalSpacing(10);
            grid->setVerticalSpacing(4);
            column()->addLayout(grid);
            m_sections << grid;
            continue;
        }
        auto *group = new QGroupBox(QString::fromUtf8(title));
        m_sections << new QGridLayout(group);
        column()->addWidget(group);
    }
}

void RowForm::build(std::span<const Row> rows)
{
    for (const Row &row : rows) {
        const Built built = make(row);
        place(m_sections.at(row.section), row.row, row.column, built, row.span);
        applyOptions(row, built);
    }
}

RowForm::Built RowForm::make(const Row &row)
{
    const QString caption = QString::fromUtf8(row.caption);
    const QString field = QString::fromUtf8(row.field);
    switch (row.kind) {
    case Kind::Typed: {
        const Built built = typed((m_data->*row.table)(), caption, field, row.mandatory, row.rules);
        if (row.name)
            built.typed->setObjectName(latin1(row.name));
        return built;
    }
    case Kind::Pick: {
        const Built built = pick((m_data->*row.table)(), caption, field, row.mandatory,
            PickEntries::read(latin1(row.list)), row.rules, row.name);
        if (row.fieldName)
            built.typed->setObjectName(latin1(row.fieldName));
        return built;
    }
    case Kind::Date: {
        const Built built = date((m_data->*row.table)(), caption, field, row.mandatory, row.name);
        if (row.fieldName)
            built.typed->setObjectName(latin1(row.fieldName));
        return built;
    }
    case Kind::Own:
        break;
    }
    return ownInput(row);
}

RowForm::Built RowForm::ownInput(const Row &row)
{
    // A form without inputs of its own shows an empty cell.
    auto *blank = new QWidget;
    blank->setObjectName(latin1(row.name));
    return { new CaptionLabel(QString::fromUtf8(row.caption), false), blank, nullptr };
}

void RowForm::applyOptions(const Row &row, const Built &built)
{
    if (row.options & KeepDisabled)
        keepDisabled(built.input);
    if (row.options & ClickFocus)
        built.input->setFocusPolicy(Qt::ClickFocus);
    if (row.options & Trimmed) {
        if (auto *list = qobject_cast<PickList *>(built.input))
            list->setTrimmed(true);
    }
    const QString caption = CaptionLabel::named(QString::fromUtf8(row.caption));
    // A number is typed into the list itself, or into the typed field of a cell that holds more.
    QWidget *typedInto = qobject_cast<PickList *>(built.input) || !built.typed ? built.input : built.typed;
    if (row.options & WholeNumber)
        addNumberCheck(typedInto, caption, NumberCheck::WholeNumber);
    if (row.options & Amount)
        addNumberCheck(typedInto, caption, NumberCheck::Amount);
}
