#include "printing/previewwindow.h"

#include "forms/reportdocument.h"
#include "printing/pdfsaving.h"
#include "printing/uiservice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>

PreviewWindow::PreviewWindow(
    const ReportDocument &document, UiService &ui, QWidget *parent, const PreviewRun *run)
    : QDialog(parent)
    , m_document(document)
    , m_ui(ui)
{
    if (run)
        m_run = *run;
    setObjectName(QStringLiteral("Preview"));
    if (m_run)
        setWindowTitle(
            QStringLiteral("%1 / %2 — %3").arg(m_run->position).arg(m_run->count).arg(m_run->title));
    else
        setWindowTitle(QStringLiteral("Aperçu avant impression")
            + (document.title().isEmpty() ? QString() : QStringLiteral(" - ") + document.title()));
    setModal(true);
    resize(900, 760);

    auto *layout = new QVBoxLayout(this);
    addTools(layout);

    m_scroll = new QScrollArea(this);
    m_scroll->setBackgroundRole(QPalette::Dark);
    m_scroll->setAlignment(Qt::AlignHCenter);
    auto *pages = new QWidget;
    m_pagesLayout = new QVBoxLayout(pages);
    m_pagesLayout->setSpacing(12);
    m_pagesLayout->setAlignment(Qt::AlignHCenter);
    for (int i = 0; i < document.pageCount(); ++i) {
        auto *page = new QLabel(pages);
        page->setObjectName(QStringLiteral("Page%1").arg(i + 1));
        m_pagesLayout->addWidget(page);
        m_pages << page;
    }
    m_scroll->setWidget(pages);
    m_scroll->setWidgetResizable(true);
    layout->addWidget(m_scroll);
    renderPages();
    showPage(0);
}

// The tool row: paging, the page position, zoom, then print, save and close at the right.
void PreviewWindow::addTools(QVBoxLayout *layout)
{
    auto *tools = new QHBoxLayout;
    const auto button = [this, tools](const char *name, const QString &text, auto slot) {
        auto *b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        b->setAccessibleName(text);
        b->setAutoDefault(false);
        connect(b, &QPushButton::clicked, this, slot);
        tools->addWidget(b);
    };
    button("firstPage", QStringLiteral("Première"), [this] { showPage(0); });
    button("previousPage", QStringLiteral("Précédente"), [this] { showPage(m_current - 1); });
    m_position = new QLabel(this);
    m_position->setObjectName(QStringLiteral("PagePosition"));
    tools->addWidget(m_position);
    button("nextPage", QStringLiteral("Suivante"), [this] { showPage(m_current + 1); });
    button("lastPage", QStringLiteral("Dernière"), [this] { showPage(m_document.pageCount() - 1); });
    button("zoomIn", QStringLiteral("Zoom +"), &PreviewWindow::zoomIn);
    button("zoomOut", QStringLiteral("Zoom -"), &PreviewWindow::zoomOut);
    tools->addStretch();
    button("printDocument", QStringLiteral("Imprimer"), &PreviewWindow::printDocument);
    button("savePdf", QStringLiteral("Enregistrer en PDF…"), &PreviewWindow::savePdf);
    if (m_run)
        button("dossierPdf", QStringLiteral("Dossier complet en PDF…"), &PreviewWindow::saveDossierPdf);
    button("closePreview", QStringLiteral("Fermer"), &QDialog::accept);
    layout->addLayout(tools);
}

void PreviewWindow::renderPages()
{
    const double dpi = 96.0 * m_zoom * devicePixelRatioF();
    for (int i = 0; i < m_pages.size(); ++i) {
        QPixmap pixmap = QPixmap::fromImage(m_document.pageImage(i, dpi));
        pixmap.setDevicePixelRatio(devicePixelRatioF());
        m_pages.at(i)->setPixmap(pixmap);
    }
}

void PreviewWindow::showPage(int index)
{
    const int count = m_document.pageCount();
    if (count == 0) {
        m_position->setText(QStringLiteral("Aucune page"));
        return;
    }
    m_current = qBound(0, index, count - 1);
    m_position->setText(QStringLiteral("Page %1 / %2").arg(m_current + 1).arg(count));
    m_scroll->ensureWidgetVisible(m_pages.at(m_current), 0, 0);
}

void PreviewWindow::zoomIn()
{
    m_zoom = qMin(m_zoom * 1.25, 4.0);
    renderPages();
}

void PreviewWindow::zoomOut()
{
    m_zoom = qMax(m_zoom / 1.25, 0.25);
    renderPages();
}

void PreviewWindow::printDocument()
{
    m_ui.print(this, const_cast<ReportDocument &>(m_document));
}

void PreviewWindow::savePdf()
{
    PdfSaving::saveWithDialog(m_ui, this, m_document);
}

void PreviewWindow::saveDossierPdf()
{
    PdfSaving::saveDossierWithDialog(m_ui, this, *m_run);
}
