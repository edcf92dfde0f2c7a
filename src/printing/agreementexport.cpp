#include "printing/agreementexport.h"

#include "data/datamodule.h"
#include "printing/agreementprint.h"
#include "printing/batchexport.h"

#include <QTextStream>

namespace AgreementExport {

int run(DataModule &data, const QString &baseDirectory, const QString &project,
    const QString &outputDirectory, QTextStream &errors)
{
    if (!BatchExport::open(data, baseDirectory, errors))
        return 1;
    QList<RowRecord> posts;
    QString error;
    if (!AgreementPrint::readPosts(data.database(), project, &posts, &error)) {
        BatchExport::say(errors, error);
        return 1;
    }
    if (posts.isEmpty()) {
        BatchExport::say(errors,
            QStringLiteral("aucun poste de travail pour le projet « %1 » (formulaire AP n° 1)").arg(project));
        return 2;
    }
    return BatchExport::write(
        AgreementPrint::document(posts), QStringLiteral("AP01"), outputDirectory, errors);
}

} // namespace AgreementExport
