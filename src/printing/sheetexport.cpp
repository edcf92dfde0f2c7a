#include "printing/sheetexport.h"

#include "printing/batchexport.h"
#include "printing/employersheet.h"

#include <QTextStream>

namespace SheetExport {

int run(DataModule &data, const QString &baseDirectory, const QString &name, const QString &outputDirectory,
    QTextStream &errors)
{
    if (!BatchExport::open(data, baseDirectory, errors))
        return 1;
    EmployerSheet sheet(data);
    if (!sheet.exists(name)) {
        BatchExport::say(errors, QStringLiteral("aucun employeur « %1 »").arg(name));
        return 2;
    }
    if (!sheet.prepare(name)) {
        BatchExport::say(errors, sheet.lastError());
        return 1;
    }
    return BatchExport::write(sheet.document(), QStringLiteral("Fiche"), outputDirectory, errors);
}

} // namespace SheetExport
