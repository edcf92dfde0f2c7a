#pragma once

#include <QString>
#include <QVariant>

class Table;

// Narrows a table's view to the rows whose field holds a value for as long as the guard lives,
// and widens it again when the guard goes, on every path out of the operation that needed it
// (unless the operation keeps it).
class FilterGuard
{
public:
    FilterGuard(Table *table, const QString &field, const QVariant &value);
    ~FilterGuard();

    FilterGuard(const FilterGuard &) = delete;
    FilterGuard &operator=(const FilterGuard &) = delete;

    // False when the table refused the filter (its message is the table's last error).
    bool isActive() const { return m_active; }
    // Lifts the filter now rather than when the guard goes.
    void lift();
    // Leaves the view narrowed when the guard goes: the operation succeeded and its result is the
    // narrowed view.
    void keep() { m_active = false; }

private:
    Table *m_table;
    bool m_active = false;
};
