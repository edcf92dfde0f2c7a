#pragma once

#include <QString>

class DataModule;

// The writes of the "Expatries" page beyond typing: the next order number, and the save that
// attaches the worker to its project and employer and copies their data into the worker row.
class WorkerRecords
{
public:
    explicit WorkerRecords(DataModule &data)
        : m_data(data)
    { }

    // One more than the highest order number of the whole table (whatever its view); 1 when empty.
    int nextOrderNumber() const;
    // Finds the project row (the chosen project, else the current employer's) and its employer row,
    // copies their seven values into the worker row and stores it. The employer table stays narrowed
    // to that employer. On a refusal the worker row stays open as it was typed and nothing is
    // stored; lastError() says why.
    bool attachAndSave(const QString &chosenProject);

    QString lastError() const { return m_error; }

private:
    DataModule &m_data;
    QString m_error;
};
