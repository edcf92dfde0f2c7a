#include "printing/batchexport.h"

#include "data/activation.h"
#include "forms/reportdocument.h"

#include <QDir>
#include <QTextStream>

namespace BatchExport {

bool open(DataModule &data, const QString &baseDirectory, QTextStream &errors)
{
    const Activation::Result opened = Activation::run(data, baseDirectory);
    if (!opened.ok)
        errors << opened.error << Qt::endl;
    return opened.ok;
}

int write(
    const ReportDocument &document, const QString &form, const QString &outputDirectory, QTextStream &errors)
{
    if (document.pageCount() == 0) {
        errors
            << QStringLiteral("Formulaire « %1 » pas encore disponible : il n'a pas été produit.").arg(form)
            << Qt::endl;
        return 1;
    }
    QString error;
    const QString path = QDir(outputDirectory).filePath(form + QStringLiteral(".pdf"));
    if (!QDir().mkpath(outputDirectory)) {
        errors << QStringLiteral("Le dossier de sortie « %1 » ne peut pas être créé.").arg(outputDirectory)
               << Qt::endl;
        return 1;
    }
    if (!document.writePdf(path, &error)) {
        errors << QStringLiteral("Le fichier « %1 » n'a pas pu être écrit : %2").arg(path, error) << Qt::endl;
        return 1;
    }
    return 0;
}

} // namespace BatchExport
