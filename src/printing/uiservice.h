#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;
class ReportDocument;
struct PreviewRun;

// The one door through which the program talks to the user: message boxes, confirmations,
// modal dialogs, previews, printing and file choices. It is handed to whoever needs it; tests
// hand over their own implementation to script the answers and read the exact texts.
class UiService
{
public:
    virtual ~UiService();

    // Plain message box with the application title and an OK button.
    virtual void message(QWidget *parent, const QString &text) = 0;
    // Error message box (same caption), for refusals of the table engine and the file system.
    virtual void error(QWidget *parent, const QString &text) = 0;
    // Warning box with Yes and No buttons; true when the user answers Yes.
    virtual bool confirm(QWidget *parent, const QString &text) = 0;
    // Shows a dialog modally and returns its result code.
    virtual int execDialog(QDialog *dialog) = 0;
    // Opens the print preview of a document; returns when the preview is closed.
    virtual void preview(QWidget *parent, ReportDocument &document) = 0;
    // The same for a form of a dossier run: the preview says where the form stands in the run and
    // offers the whole dossier as one PDF.
    virtual void previewInRun(QWidget *parent, ReportDocument &document, const PreviewRun &run) = 0;
    // Prints a document on the default printer, one copy; false (after telling the user) on failure.
    virtual bool print(QWidget *parent, ReportDocument &document) = 0;
    // Asks for a file name to save to; empty when cancelled. A suggestion without folder is placed
    // in the folder last saved to.
    virtual QString saveFileName(
        QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
        = 0;
    // Asks for an existing file to open, starting in `folder`; empty when cancelled.
    virtual QString openFileName(
        QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
        = 0;
    // "Points à vérifier" with the points found before a dossier goes out; true for "Continuer",
    // false for "Retour".
    virtual bool reviewPoints(QWidget *parent, const QStringList &points) = 0;
    // Asks for an existing folder, starting in `folder`; empty when cancelled.
    virtual QString directoryName(QWidget *parent, const QString &caption, const QString &folder) = 0;
    // Opens a web address in the default browser.
    virtual void openUrl(const QString &url) = 0;
};
