#pragma once

#include "forms/reportdocument.h"
#include "printing/previewrun.h"
#include "printing/uiservice.h"

#include <functional>

#include <QList>
#include <QString>
#include <QStringList>

// A user-interface service for tests: records every text shown and answers confirmations from a
// script; tests hand it to what they build.
class ScriptedUi : public UiService
{
public:
    void message(QWidget *, const QString &text) override { messages << text; }
    void error(QWidget *, const QString &text) override { errors << text; }
    bool confirm(QWidget *, const QString &text) override
    {
        confirmations << text;
        return answers.isEmpty() ? false : answers.takeFirst();
    }
    int execDialog(QDialog *dialog) override
    {
        ++dialogs;
        return onDialog ? onDialog(dialog) : dialogResult;
    }
    void preview(QWidget *, ReportDocument &document) override
    {
        ++previews;
        produced << document.title();
        if (onPreview)
            onPreview(document);
    }
    void previewInRun(QWidget *parent, ReportDocument &document, const PreviewRun &run) override
    {
        runs << QStringLiteral("%1 / %2 — %3").arg(run.position).arg(run.count).arg(run.title);
        if (onPreviewRun)
            onPreviewRun(document, run);
        preview(parent, document);
    }
    bool print(QWidget *, ReportDocument &document) override
    {
        ++prints;
        produced << document.title();
        return printResult;
    }
    QString saveFileName(QWidget *, const QString &, const QString &suggested, const QString &) override
    {
        suggestions << suggested;
        return saveName;
    }
    QString openFileName(QWidget *, const QString &, const QString &folder, const QString &) override
    {
        openFolders << folder;
        return openName;
    }
    QString directoryName(QWidget *, const QString &, const QString &folder) override
    {
        openFolders << folder;
        return directory;
    }
    void openUrl(const QString &url) override { urls << url; }
    bool reviewPoints(QWidget *, const QStringList &points) override
    {
        reviewed << points;
        return goOn;
    }

    QStringList messages;
    QStringList errors;
    QStringList confirmations;
    QList<bool> answers;
    QStringList urls;
    QStringList produced; // titles of the documents previewed or printed
    std::function<int(QDialog *)> onDialog;
    std::function<void(ReportDocument &)> onPreview;
    QStringList runs; // "2 / 7 — <title>" of each form previewed in a dossier run
    std::function<void(ReportDocument &, const PreviewRun &)> onPreviewRun;
    QStringList suggestions; // file names suggested to saveFileName
    int dialogs = 0;
    int dialogResult = 0;
    int previews = 0;
    int prints = 0;
    bool printResult = true;
    QString saveName;
    QStringList openFolders; // folders openFileName started in
    QString openName;
    QList<QStringList> reviewed; // the points of each "Points à vérifier" window
    bool goOn = true; // "Continuer" in that window, else "Retour"
    QString directory; // what directoryName answers
};
