#pragma once

#include <QString>

class DataModule;

// What the agreement page asks of the tables: the number of a new post, and the save that ties the
// post to the chosen project and its employer.
class AgreementRecords
{
public:
    explicit AgreementRecords(DataModule &data)
        : m_data(data)
    { }

    // One above the highest number of the whole agreement table (whatever the view shows), 1 for an
    // empty table; false when the highest number leaves no room for another.
    bool nextNumber(int *number);
    // Writes the project and its employer into the row being entered and posts it. A refusal leaves
    // the row open exactly as it was.
    bool save(const QString &project);
    QString lastError() const { return m_error; }

private:
    QString ownerOf(const QString &project) const;

    DataModule &m_data;
    QString m_error;
};
