#include "printing/pdfsaving.h"

#include "forms/reportdocument.h"
#include "printing/pdfoutput.h"
#include "printing/previewrun.h"
#include "printing/uiservice.h"

namespace PdfSaving {

namespace {

bool saveAs(UiService &ui, QWidget *parent, const QString &caption, const QString &suggested,
    const ReportDocument &document)
{
    const QString path = ui.saveFileName(parent, caption, suggested, QStringLiteral("Documents PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (!document.writePdf(path, &error)) {
        ui.error(parent, PdfOutput::failure(path, PdfOutput::reason(path, error)));
        return false;
    }
    return true;
}

} // namespace

bool saveWithDialog(UiService &ui, QWidget *parent, const ReportDocument &document)
{
    const QString title = document.pdfInfo().title.isEmpty() ? document.title() : document.pdfInfo().title;
    return saveAs(ui, parent, QStringLiteral("Enregistrer en PDF"),
        PdfOutput::safeFileName(title) + QStringLiteral(".pdf"), document);
}

bool saveDossierWithDialog(UiService &ui, QWidget *parent, const PreviewRun &run)
{
    // Laid out only once asked for: the forms are read again from the print query.
    return saveAs(ui, parent, QStringLiteral("Dossier complet en PDF"), run.fileName, run.wholeDossier());
}

} // namespace PdfSaving
