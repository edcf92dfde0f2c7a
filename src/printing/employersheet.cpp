#include "printing/employersheet.h"

#include "data/datamodule.h"
#include "data/query.h"
#include "data/table.h"
#include "forms/formcatalogue.h"
#include "forms/memorydatasource.h"
#include "printing/pdfoutput.h"

bool EmployerSheet::prepare(const QString &name)
{
    m_rows.clear();
    if (!m_data.employeur()->hasRows()) {
        m_error = noEmployerMessage();
        return false;
    }
    // The name is bound, never spliced: an apostrophe in it is just a character.
    Query q(m_data.database());
    q.addLine(QStringLiteral("select *"));
    q.addLine(QStringLiteral("from employeur, contact"));
    q.addLine(QStringLiteral("where employeur.nom_orga=:name and contact.nom_orga=:name"));
    q.bindValue(QStringLiteral(":name"), name);
    if (!q.readRows(&m_rows)) {
        m_error
            = QStringLiteral("La fiche d'identification ne peut pas être préparée : %1").arg(q.lastError());
        return false;
    }
    return true;
}

ReportDocument EmployerSheet::document() const
{
    MemoryDataSource source;
    for (const RowRecord &row : m_rows)
        source.appendRow(row.toMap());
    ReportDocument sheet = FormCatalogue::document(QStringLiteral("Fiche"), &source);
    const QString employer = m_rows.isEmpty() ? QString() : m_rows.first().text(QStringLiteral("Nom_orga"));
    sheet.setPdfInfo(
        PdfOutput::info(QStringLiteral("Fiche d'identification de l'employeur"), employer, employer));
    sheet.setTitle(QStringLiteral("Fiche"));
    return sheet;
}

bool EmployerSheet::exists(const QString &name) const
{
    Query probe(m_data.database());
    probe.addLine(QStringLiteral("select Nom_orga from employeur where Nom_orga=:name"));
    probe.bindValue(QStringLiteral(":name"), name);
    return probe.open() && !probe.atEnd();
}
