#pragma once

#include <QString>

class DataModule;
class QTextStream;

// Form AP n°1 of a project without a window: OUT/AP01.pdf. Exit status 0 when written, 2 when the
// project has no post, 1 on any other failure.
namespace AgreementExport {
int run(DataModule &data, const QString &baseDirectory, const QString &project,
    const QString &outputDirectory, QTextStream &errors);
}
