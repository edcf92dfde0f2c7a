#include "printing/pdfsaving.h"

#include "forms/reportdocument.h"
#include "printing/uiservice.h"

#include <QDir>

namespace PdfSaving {

bool saveWithDialog(UiService &ui, QWidget *parent, const ReportDocument &document)
{
    const QString suggested
        = QDir::home().filePath((document.title().isEmpty() ? QStringLiteral("document") : document.title())
            + QStringLiteral(".pdf"));
    const QString path = ui.saveFileName(
        parent, QStringLiteral("Enregistrer en PDF"), suggested, QStringLiteral("Documents PDF (*.pdf)"));
    if (path.isEmpty())
        return false;
    QString error;
    if (!document.writePdf(path, &error)) {
        ui.error(parent, QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2").arg(path, error));
        return false;
    }
    return true;
}

} // namespace PdfSaving
