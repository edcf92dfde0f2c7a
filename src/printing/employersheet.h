#pragma once

#include "data/rowrecord.h"
#include "forms/reportdocument.h"

#include <QList>

#include <QString>

class DataModule;

// The employer identification sheet: the employer's row joined to its contact rows, read once as
// values, laid out on the form "Fiche".
class EmployerSheet
{
public:
    explicit EmployerSheet(DataModule &data)
        : m_data(data)
    { }

    // Reads the rows of the employer named `name`. False, with the message for the user in
    // lastError(), when there is no employer or the rows cannot be read.
    bool prepare(const QString &name);
    // The sheet laid out from the rows prepare() read; no page when the form is missing.
    ReportDocument document() const;
    const QList<RowRecord> &rows() const { return m_rows; }
    // Whether an employer of that name exists (whatever the employer table's view).
    bool exists(const QString &name) const;

    QString lastError() const { return m_error; }
    static QString noEmployerMessage() { return QStringLiteral("Aucun employeur enregistrer !"); }

private:
    DataModule &m_data;
    QList<RowRecord> m_rows;
    QString m_error;
};
