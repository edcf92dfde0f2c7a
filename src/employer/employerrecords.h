#pragma once

#include "data/table.h"

#include <QString>

class DataModule;

// The writes of the "Organisme" page that touch several tables: an entry is its employer row and
// its contact row, stored together or not at all, and deleted together with its agreement posts.
class EmployerRecords
{
public:
    explicit EmployerRecords(DataModule &data)
        : m_data(data)
    { }

    // Gives the contact row the employer row's name and stores both rows in one transaction. On a
    // refusal nothing is stored, both rows stay open as they were, and lastError() says why.
    bool saveEntry();
    // Deletes the current employer row, the contact row of that name and all its agreement posts,
    // in one transaction.
    bool deleteEntry(const QString &name);

    QString lastError() const { return m_error; }
    // Whether the refusal came from another copy of the program having changed or deleted a row.
    Table::Conflict conflict() const { return m_conflict; }

private:
    DataModule &m_data;
    QString m_error;
    Table::Conflict m_conflict = Table::Conflict::None;
};
