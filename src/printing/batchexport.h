#pragma once

#include <QString>

class DataModule;
class QTextStream;
class ReportDocument;

// What the exports without a window share: opening the tables, and writing a form as
// OUT/<form>.pdf with its failure said on standard error.
namespace BatchExport {
// Runs the activation on the data directory; false (said on `errors`) when it fails.
bool open(DataModule &data, const QString &baseDirectory, QTextStream &errors);
// 0 when written; 1, said on `errors`, when the form is missing or the file cannot be written.
int write(
    const ReportDocument &document, const QString &form, const QString &outputDirectory, QTextStream &errors);
} // namespace BatchExport
