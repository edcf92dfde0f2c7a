#pragma once

class QWidget;
class ReportDocument;
class UiService;

// Asks for a file name and writes the document as PDF, telling the user how it went.
namespace PdfSaving {
bool saveWithDialog(UiService &ui, QWidget *parent, const ReportDocument &document);
}
