#pragma once

#include "widgets/typingrules.h"

#include <QLineEdit>

class Table;

// A typed field bound to one field of a table's current row: shows the row's value, and while the
// row is open for change writes what it holds into the field. Accepts at most the column's width.
// Keys are never dropped: a number column keeps what is typed (2.5, letters) so that the form can
// refuse it visibly instead of storing another number.
class FieldEdit : public QLineEdit
{
    Q_OBJECT

public:
    FieldEdit(Table *table, const QString &field, TypingRules::Rules rules = TypingRules::None,
        QWidget *parent = nullptr);

    Table *table() const { return m_table; }
    QString field() const { return m_field; }

    // Shows the row's value again.
    void load();

private:
    void write(const QString &text);

    Table *m_table;
    QString m_field;
    bool m_loading = false;
};
