#include "app/interactiveui.h"

#include "app/appinfo.h"

#include <QDesktopServices>
#include <QDialog>
#include <QFileDialog>
#include <QMessageBox>
#include <QUrl>

void InteractiveUi::message(QWidget *parent, const QString &text)
{
    QMessageBox::information(parent, AppInfo::title(), text);
}

void InteractiveUi::error(QWidget *parent, const QString &text)
{
    QMessageBox::critical(parent, AppInfo::title(), text);
}

bool InteractiveUi::confirm(QWidget *parent, const QString &text)
{
    return QMessageBox::warning(parent, AppInfo::title(), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No)
        == QMessageBox::Yes;
}

int InteractiveUi::execDialog(QDialog *dialog)
{
    return dialog->exec();
}

void InteractiveUi::preview(QWidget *parent, ReportDocument &)
{
    // The print preview arrives with the report engine.
    message(parent, QStringLiteral("L'aperçu avant impression n'est pas encore disponible."));
}

bool InteractiveUi::print(QWidget *parent, ReportDocument &)
{
    error(parent, QStringLiteral("L'impression n'est pas encore disponible : rien n'a été imprimé."));
    return false;
}

QString InteractiveUi::saveFileName(QWidget *parent, const QString &caption, const QString &suggested,
                                    const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}

void InteractiveUi::openUrl(const QString &url)
{
    QDesktopServices::openUrl(QUrl(url));
}
