#pragma once

#include <QString>

class ReportDocument;

// Sends a document to the default printer: A4, one copy, the page drawn from the paper's corner.
namespace DocumentPrinter {
// False, with a French message in *error, when there is no printer or the print failed.
bool print(const ReportDocument &document, QString *error);
}
