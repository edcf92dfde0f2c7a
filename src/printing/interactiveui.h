#pragma once

#include "printing/uiservice.h"

// The user-interface service of a real session: Qt message boxes captioned "VELMORA", modal
// dialogs, the print preview window and the system's printer and browser.
class InteractiveUi : public UiService
{
public:
    void message(QWidget *parent, const QString &text) override;
    void error(QWidget *parent, const QString &text) override;
    bool confirm(QWidget *parent, const QString &text) override;
    int execDialog(QDialog *dialog) override;
    void preview(QWidget *parent, ReportDocument &document) override;
    void previewInRun(QWidget *parent, ReportDocument &document, const PreviewRun &run) override;
    bool print(QWidget *parent, ReportDocument &document) override;
    QString openFileName(
        QWidget *parent, const QString &caption, const QString &folder, const QString &filter) override;
    QString saveFileName(
        QWidget *parent, const QString &caption, const QString &suggested, const QString &filter) override;
    QString directoryName(QWidget *parent, const QString &caption, const QString &folder) override;
    void openUrl(const QString &url) override;
    bool reviewPoints(QWidget *parent, const QStringList &points) override;

private:
    QString m_lastFolder; // where the user last saved a file, this session
};
