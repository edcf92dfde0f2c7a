#pragma once

#include "printing/previewrun.h"

#include <QDialog>

#include <optional>

class QLabel;
class QScrollArea;
class QVBoxLayout;
class ReportDocument;
class UiService;

// The print preview: every page of a document one below the other, with paging, zoom, print,
// "Enregistrer en PDF…" and close. The tool buttons are found by object name: firstPage,
// previousPage, nextPage, lastPage, zoomIn, zoomOut, printDocument, savePdf, closePreview. For a
// form of a dossier run the caption says which form of how many, and "Dossier complet en PDF…"
// (dossierPdf) writes the whole run as one file.
class PreviewWindow : public QDialog
{
    Q_OBJECT

public:
    PreviewWindow(const ReportDocument &document, UiService &ui, QWidget *parent = nullptr,
        const PreviewRun *run = nullptr);

    int currentPage() const { return m_current; }
    double zoom() const { return m_zoom; }

private:
    void addTools(QVBoxLayout *layout);
    void showPage(int index);
    void zoomIn();
    void zoomOut();
    void printDocument();
    void savePdf();
    void saveDossierPdf();
    void renderPages();

    const ReportDocument &m_document;
    UiService &m_ui;
    std::optional<PreviewRun> m_run;
    QScrollArea *m_scroll;
    QVBoxLayout *m_pagesLayout;
    QList<QLabel *> m_pages;
    QLabel *m_position;
    int m_current = 0;
    double m_zoom = 1.0;
};
