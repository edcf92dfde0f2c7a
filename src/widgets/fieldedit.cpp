#include "widgets/fieldedit.h"

#include "data/table.h"

FieldEdit::FieldEdit(Table *table, const QString &field, TypingRules::Rules rules, QWidget *parent)
    : QLineEdit(parent)
    , m_table(table)
    , m_field(field)
{
    const FieldDef *def = table->schema().field(field);
    Q_ASSERT(def);
    setObjectName(QStringLiteral("edit_") + def->name);
    if (def->type == FieldType::Text && def->size > 0)
        setMaxLength(def->size);
    if (rules != TypingRules::None)
        new TypingRules(this, rules);

    connect(table, &Table::currentChanged, this, &FieldEdit::load);
    connect(table, &Table::stateChanged, this, &FieldEdit::load);
    connect(table, &Table::fieldChanged, this, [this](const QString &changed) {
        if (changed.compare(m_field, Qt::CaseInsensitive) == 0)
            load();
    });
    connect(this, &QLineEdit::textChanged, this, &FieldEdit::write);
    load();
}

void FieldEdit::load()
{
    const QString value = m_table->text(m_field);
    if (value == text())
        return;
    m_loading = true;
    setText(value);
    m_loading = false;
}

void FieldEdit::write(const QString &text)
{
    if (m_loading || !m_table->isEditing())
        return;
    m_table->setValue(m_field, text);
}
