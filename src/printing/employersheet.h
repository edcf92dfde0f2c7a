#pragma once

#include "forms/reportdocument.h"

#include <QString>

class DataModule;

// The employer identification sheet: the employer's row joined to its contact row in the
// employer print query, laid out on the form "Fiche".
class EmployerSheet
{
public:
    explicit EmployerSheet(DataModule &data)
        : m_data(data)
    { }

    // Loads the print query for the employer named `name`. False, with the message for the user in
    // lastError(), when there is no employer or the query cannot be run.
    bool prepare(const QString &name);
    // The sheet laid out from the query as prepare() left it; no page when the form is missing.
    ReportDocument document() const;
    // Whether an employer of that name exists (whatever the employer table's view).
    bool exists(const QString &name) const;

    QString lastError() const { return m_error; }
    static QString noEmployerMessage() { return QStringLiteral("Aucun employeur enregistrer !"); }

private:
    DataModule &m_data;
    QString m_error;
};
