// Time to produce a worker's complete APT dossier (every form of that selection) as one PDF file
// through the report engine, against drawing the same elements straight onto a PDF writer
// without the engine's layout run.

#include "forms/formcatalogue.h"
#include "forms/formfonts.h"
#include "forms/memorydatasource.h"
#include "forms/textmeasurer.h"

#include <QDate>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <cstdio>

namespace {

const QStringList forms { QStringLiteral("demande_apt"), QStringLiteral("demande_visa"),
    QStringLiteral("anx_01"), QStringLiteral("anx_01_02"), QStringLiteral("anx_02_Individuelle"),
    QStringLiteral("recrutement"), QStringLiteral("rapatriement1") };

MemoryDataSource sampleRecord()
{
    return MemoryDataSource(
        { { { "Nom_orga", "SOCIETE ALPHA DES TRAVAUX" }, { "Adrs_orga", "12 RUE DES PINS ALGER" },
            { "Nature_activite", "BATIMENT" }, { "Projet_1", "PROJET NORD" }, { "Statut_juridique", "SPA" },
            { "Date_marche", QDate(2023, 1, 2) }, { "Nom", "DUPONT" }, { "Prenom", "JEAN" },
            { "Nation", "FRANCAISE" }, { "Date_nais", QDate(1979, 3, 5) }, { "Nb_t", 120 } } });
}

// One catalogue for every run, as a caller printing many dossiers keeps it, with its layouts and
// measurements.
bool engine(const QString &path, FormCatalogue &catalogue)
{
    MemoryDataSource source = sampleRecord();
    ReportDocument document;
    for (const QString &form : forms)
        document.append(catalogue.print(form, &source, { { "QRLabel7", "5" } }));
    return document.writePdf(path);
}

// Every element at its design position, shapes as rectangles, texts at their left edge.
bool direct(const QString &path, const QList<ReportLayout> &layouts)
{
    MemoryDataSource source = sampleRecord();
    QPdfWriter writer(path);
    writer.setResolution(600);
    writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(), QPageLayout::Millimeter));
    QPainter painter(&writer);
    const double scale = writer.resolution() / 25.4;
    for (qsizetype page = 0; page < layouts.size(); ++page) {
        if (page > 0)
            writer.newPage();
        const ReportLayout &layout = layouts.at(page);
        QList<QPair<ReportElement, double>> placed;
        if (layout.subDetail) {
            for (const ReportElement &element : layout.subDetail->elements)
                placed.append({ element, 10.0 });
        }
        for (const ReportElement &element : layout.pageLayer)
            placed.append({ element, 0.0 });
        for (const auto &[element, origin] : placed) {
            const QRectF box((origin + element.left) * scale, (origin + element.top) * scale,
                element.width * scale, element.height * scale);
            if (element.isShape()) {
                painter.setBrush(ReportElement::colour(element.shade));
                painter.drawRect(box);
                continue;
            }
            const QString text = element.kind == ReportElement::Kind::Field
                ? source.value(element.content).toString()
                : element.caption();
            painter.setFont(element.font.toQFont(ElementFont::isArabic(text)));
            painter.drawText(box.topLeft() + QPointF(0, painter.fontMetrics().ascent()), text);
        }
    }
    return painter.end();
}

} // namespace

int main(int argc, char **argv)
{
    qputenv(
        "QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    QGuiApplication application(argc, argv);
    installFormFonts();
    const int runs = argc > 1 ? QByteArray(argv[1]).toInt() : 50;
    QTemporaryDir directory;
    const QString path = directory.filePath(QStringLiteral("dossier.pdf"));

    QList<ReportLayout> layouts;
    for (const QString &form : forms)
        layouts.append(*FormCatalogue::layout(form));
    FormCatalogue catalogue;
    engine(path, catalogue); // warm the font caches for both
    direct(path, layouts);

    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < runs; ++i) {
        if (!engine(path, catalogue))
            return 1;
    }
    const double engineMs = double(timer.nsecsElapsed()) / 1e6 / runs;
    timer.restart();
    for (int i = 0; i < runs; ++i) {
        if (!direct(path, layouts))
            return 1;
    }
    const double directMs = double(timer.nsecsElapsed()) / 1e6 / runs;
    std::printf("APT dossier, %d forms, %d runs\n", int(forms.size()), runs);
    std::printf("  report engine (layout run + PDF): %8.2f ms per document\n", engineMs);
    std::printf("  direct drawing with QPdfWriter:   %8.2f ms per document\n", directMs);
    return 0;
}
