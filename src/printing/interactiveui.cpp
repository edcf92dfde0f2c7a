#include "printing/interactiveui.h"

#include "data/appinfo.h"
#include "printing/documentprinter.h"
#include "printing/pdfsaving.h"
#include "printing/previewwindow.h"
#include "printing/reviewpointsdialog.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QUrl>

namespace {

// A box with the application title whose buttons a screen reader can name.
int runBox(QWidget *parent, QMessageBox::Icon icon, const QString &text, QMessageBox::StandardButtons buttons,
    QMessageBox::StandardButton byDefault = QMessageBox::NoButton)
{
    QMessageBox box(icon, AppInfo::title(), text, buttons, parent);
    if (byDefault != QMessageBox::NoButton)
        box.setDefaultButton(byDefault);
    for (QAbstractButton *button : box.buttons())
        button->setAccessibleName(button->text().remove(QLatin1Char('&')));
    return box.exec();
}

} // namespace

void InteractiveUi::message(QWidget *parent, const QString &text)
{
    // A plain message: the title, the text and OK, no icon.
    runBox(parent, QMessageBox::NoIcon, text, QMessageBox::Ok);
}

void InteractiveUi::error(QWidget *parent, const QString &text)
{
    runBox(parent, QMessageBox::Critical, text, QMessageBox::Ok);
}

bool InteractiveUi::confirm(QWidget *parent, const QString &text)
{
    return runBox(parent, QMessageBox::Warning, text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

int InteractiveUi::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

void InteractiveUi::preview(QWidget *parent, ReportDocument &document)
{
    PreviewWindow window(document, *this, parent);
    window.exec();
}

void InteractiveUi::previewInRun(QWidget *parent, ReportDocument &document, const PreviewRun &run)
{
    PreviewWindow window(document, *this, parent, &run);
    window.exec();
}

bool InteractiveUi::print(QWidget *parent, ReportDocument &document)
{
    QString failure;
    if (DocumentPrinter::print(document, &failure))
        return true;
    // Never a print reported that did not happen; the PDF is offered instead.
    if (confirm(parent, failure + QStringLiteral("\nVoulez-vous l'enregistrer en PDF à la place ?")))
        PdfSaving::saveWithDialog(*this, parent, document);
    return false;
}

QString InteractiveUi::saveFileName(
    QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    const QString folder = m_lastFolder.isEmpty() ? QDir::homePath() : m_lastFolder;
    const QString start = QFileInfo(suggested).isRelative() ? QDir(folder).filePath(suggested) : suggested;
    const QString chosen = QFileDialog::getSaveFileName(parent, caption, start, filter);
    if (!chosen.isEmpty())
        m_lastFolder = QFileInfo(chosen).absolutePath();
    return chosen;
}

QString InteractiveUi::openFileName(
    QWidget *parent, const QString &caption, const QString &folder, const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString InteractiveUi::directoryName(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void InteractiveUi::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}

bool InteractiveUi::reviewPoints(QWidget *parent, const QStringList &points)
{
    ReviewPointsDialog dialog(points, parent);
    return dialog.exec() == QDialog::Accepted;
}
