#pragma once

#include <QString>

class DataModule;
class QTextStream;

// The employer identification sheet without a window: OUT/Fiche.pdf for the employer of that name.
// Exit status 0 when written, 2 when no employer has that name, 1 on any other failure.
namespace SheetExport {
int run(DataModule &data, const QString &baseDirectory, const QString &name, const QString &outputDirectory,
    QTextStream &errors);
}
