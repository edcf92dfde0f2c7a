#pragma once

class QWidget;
class ReportDocument;
class UiService;
struct PreviewRun;

// Asks for a file name and writes the document as PDF, telling the user how it went. The file name
// suggested is the PDF's title, in the folder last saved to.
namespace PdfSaving {
bool saveWithDialog(UiService &ui, QWidget *parent, const ReportDocument &document);
// The same for every form of a dossier run, in the run's order, in one file.
bool saveDossierWithDialog(UiService &ui, QWidget *parent, const PreviewRun &run);
} // namespace PdfSaving
