#include "printing/agreementexport.h"

#include "app/datamodule.h"
#include "printing/agreementform.h"
#include "printing/batchexport.h"

#include <QTextStream>

namespace AgreementExport {

int run(DataModule &data, const QString &baseDirectory, const QString &project,
    const QString &outputDirectory, QTextStream &errors)
{
    if (!BatchExport::open(data, baseDirectory, errors))
        return 1;
    if (!AgreementForm::select(data.sqlaccord(), project)) {
        errors << AgreementForm::noPostMessage() << Qt::endl;
        return 2;
    }
    return BatchExport::write(
        AgreementForm::document(data.sqlaccord()), QStringLiteral("AP01"), outputDirectory, errors);
}

} // namespace AgreementExport
