#pragma once

#include "pageitem.h"

#include <QImage>
#include <QList>
#include <QString>

class QPainter;

// A laid-out document ready to draw: its A4 pages, each a list of items in millimetres. It
// paints on any device (screen image, PDF writer, printer) whose origin is the paper's
// top-left corner; the device's logical resolution sets the scale.
class ReportDocument
{
public:
    static constexpr double paperWidth = 210.0;
    static constexpr double paperHeight = 297.0;

    ReportDocument() = default;

    // What a PDF of the document says of itself; empty fields fall back to the title and the
    // program's name. The language is always French.
    struct PdfInfo
    {
        QString title; // for people: the form's French title and whom it is about
        QString author; // the employer
        QString creator; // the program and its version
    };

    QString title() const { return m_title; }
    void setTitle(const QString &title) { m_title = title; }
    const PdfInfo &pdfInfo() const { return m_pdfInfo; }
    void setPdfInfo(const PdfInfo &info) { m_pdfInfo = info; }

    int pageCount() const { return int(m_pages.size()); }
    const QList<PageItem> &page(int index) const { return m_pages.at(index); }
    void appendPage(const QList<PageItem> &items);
    // Adds the pages of another document after these (a dossier of several forms).
    void append(const ReportDocument &other);

    // Draws page `index` with the painter, which must be active on its device.
    void drawPage(QPainter &painter, int index) const;
    // The page as a white image at the given resolution, for previews.
    QImage pageImage(int index, double dotsPerInch) const;
    // Writes every page to a PDF file (A4, no margins). The file appears only when complete:
    // on failure nothing is left behind and *error says why.
    bool writePdf(const QString &path, QString *error = nullptr) const;

private:
    QString m_title;
    PdfInfo m_pdfInfo;
    QList<QList<PageItem>> m_pages;
};
