#pragma once

class QWidget;
class ReportDocument;

// Asks for a file name and writes the document as PDF, telling the user how it went.
namespace PdfSaving {
bool saveWithDialog(QWidget *parent, const ReportDocument &document);
}
