#include "printing/sheetexport.h"

#include "app/activation.h"
#include "printing/employersheet.h"

#include <QDir>
#include <QTextStream>

namespace SheetExport {

int run(DataModule &data, const QString &baseDirectory, const QString &name, const QString &outputDirectory,
        QTextStream &errors)
{
    const Activation::Result opened = Activation::run(data, baseDirectory);
    if (!opened.ok) {
        errors << opened.error << Qt::endl;
        return 1;
    }
    EmployerSheet sheet(data);
    if (!sheet.exists(name)) {
        errors << EmployerSheet::noEmployerMessage() << Qt::endl;
        return 2;
    }
    if (!sheet.prepare(name)) {
        errors << sheet.lastError() << Qt::endl;
        return 1;
    }
    const ReportDocument document = sheet.document();
    if (document.pageCount() == 0) {
        errors << QStringLiteral("Formulaire « Fiche » pas encore disponible : il n'a pas été produit.") << Qt::endl;
        return 1;
    }
    QString error;
    const QString path = QDir(outputDirectory).filePath(QStringLiteral("Fiche.pdf"));
    if (!QDir().mkpath(outputDirectory) || !document.writePdf(path, &error)) {
        errors << QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2").arg(path, error) << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace SheetExport
