#include "widgets/entryform.h"

#include "data/table.h"
#include "widgets/captionlabel.h"
#include "widgets/datepicker.h"
#include "widgets/fieldedit.h"
#include "widgets/picklist.h"

#include <QGridLayout>
#include <QScrollBar>
#include <QVBoxLayout>

EntryForm::EntryForm(QWidget *parent)
    : QScrollArea(parent)
{
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWidgetResizable(true);
    auto *content = new QWidget;
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(9);
    content->setFont(font);
    m_column = new QVBoxLayout(content);
    m_column->setContentsMargins(6, 6, 6, 6);
    m_column->setSpacing(6);
    setWidget(content);
}

EntryForm::Built EntryForm::typed(
    Table *table, const QString &caption, const QString &field, bool mandatory, TypingRules::Rules rules)
{
    auto *edit = new FieldEdit(table, field, rules);
    auto *label = new CaptionLabel(caption, mandatory);
    label->captionFor(edit);
    table->setFieldCaption(field, CaptionLabel::named(caption));
    m_typed.insert(field.toLower(), edit);
    m_captions.insert(field.toLower(), label);
    m_entryInputs << edit;
    return { label, edit, edit };
}

EntryForm::Built EntryForm::pick(Table *table, const QString &caption, const QString &field, bool mandatory,
    const QStringList &entries, TypingRules::Rules rules, const char *name)
{
    auto *hidden = new FieldEdit(table, field, TypingRules::None, this);
    hidden->setVisible(false);
    auto *list = new PickList(entries, hidden, rules);
    list->setObjectName(QString::fromLatin1(name));
    auto *label = new CaptionLabel(caption, mandatory);
    label->captionFor(list);
    table->setFieldCaption(field, CaptionLabel::named(caption));
    m_typed.insert(field.toLower(), hidden);
    m_captions.insert(field.toLower(), label);
    m_pickLists.insert(field.toLower(), list);
    m_entryInputs << list;
    return { label, list, hidden };
}

EntryForm::Built EntryForm::date(
    Table *table, const QString &caption, const QString &field, bool mandatory, const char *name)
{
    auto *hidden = new FieldEdit(table, field, TypingRules::None, this);
    hidden->setVisible(false);
    auto *picker = new DatePicker(hidden);
    picker->setCaption(caption);
    picker->setObjectName(QString::fromLatin1(name));
    auto *label = new CaptionLabel(caption, mandatory);
    label->captionFor(picker);
    table->setFieldCaption(field, CaptionLabel::named(caption));
    m_typed.insert(field.toLower(), hidden);
    m_captions.insert(field.toLower(), label);
    m_datePickers.insert(field.toLower(), picker);
    m_pickerOrder << picker;
    m_entryInputs << picker;
    return { label, picker, hidden };
}

void EntryForm::addNumberCheck(QWidget *input, const QString &caption, NumberCheck::Kind kind)
{
    auto *check = new NumberCheck(input, caption, kind);
    connect(check, &NumberCheck::refused, this, &EntryForm::valueRefused);
    m_numberChecks << check;
}

QWidget *EntryForm::firstRefusedValue(QString *message)
{
    for (NumberCheck *check : m_numberChecks) {
        const QString problem = check->problem();
        if (!problem.isEmpty()) {
            *message = problem;
            return check->input();
        }
    }
    for (DatePicker *picker : std::as_const(m_pickerOrder)) {
        const QString problem = picker->takeProblem();
        if (!problem.isEmpty()) {
            *message = problem;
            return picker;
        }
    }
    return nullptr;
}

void EntryForm::place(QGridLayout *grid, int row, int column, const Built &built, int span)
{
    auto *cell = new QVBoxLayout;
    cell->setSpacing(1);
    cell->addWidget(built.caption);
    cell->addWidget(built.input);
    grid->addLayout(cell, row, column, 1, span);
}

void EntryForm::keepDisabled(QWidget *input)
{
    m_entryInputs.removeOne(input);
    input->setEnabled(false);
}

QWidget *EntryForm::inputOf(const QString &field) const
{
    const QString key = field.toLower();
    if (m_pickLists.contains(key))
        return m_pickLists.value(key);
    if (m_datePickers.contains(key))
        return m_datePickers.value(key);
    return m_typed.value(key);
}

void EntryForm::addMandatory(const QStringList &fields, const QStringList &keepFocus)
{
    for (const QString &field : fields) {
        QWidget *focus = keepFocus.contains(field) ? nullptr : inputOf(field);
        m_mandatory.add({ caption(field), typedField(field), focus });
    }
}

bool EntryForm::checkMandatory()
{
    if (m_mandatory.run())
        return true;
    if (QWidget *focus = widget()->focusWidget())
        ensureWidgetVisible(focus);
    return false;
}

void EntryForm::setEntryEnabled(bool enabled)
{
    for (QWidget *input : std::as_const(m_entryInputs))
        input->setEnabled(enabled);
}

void EntryForm::scrollToTop()
{
    verticalScrollBar()->setValue(0);
}

QHash<QString, QString> EntryForm::choices() const
{
    QHash<QString, QString> result;
    for (auto it = m_pickLists.constBegin(); it != m_pickLists.constEnd(); ++it)
        result.insert(it.key(), it.value()->target()->text());
    for (auto it = m_datePickers.constBegin(); it != m_datePickers.constEnd(); ++it)
        result.insert(it.key(), it.value()->target()->text());
    return result;
}

void EntryForm::carryChoices(const QHash<QString, QString> &choices)
{
    for (auto it = choices.constBegin(); it != choices.constEnd(); ++it) {
        if (FieldEdit *field = m_typed.value(it.key()))
            field->setText(it.value());
    }
}
