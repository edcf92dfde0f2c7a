#include "printing/documentprinter.h"

#include "forms/reportdocument.h"

#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

namespace DocumentPrinter {

bool print(const ReportDocument &document, QString *error)
{
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        *error = QStringLiteral(
            "Aucune imprimante n'est installée sur cet ordinateur : le document n'a pas été imprimé.");
        return false;
    }
    QPrinter printer(info, QPrinter::HighResolution);
    printer.setFullPage(true);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setPageOrientation(QPageLayout::Portrait);
    printer.setCopyCount(1);
    printer.setDuplex(QPrinter::DuplexNone);
    // The print queue shows the title people read, as the PDF does.
    printer.setDocName(document.pdfInfo().title.isEmpty() ? document.title() : document.pdfInfo().title);
    QPainter painter;
    if (!painter.begin(&printer)) {
        *error = QStringLiteral("L'imprimante « %1 » n'a pas accepté le document : il n'a pas été imprimé.")
                     .arg(info.printerName());
        return false;
    }
    for (int i = 0; i < document.pageCount(); ++i) {
        if (i > 0 && !printer.newPage()) {
            painter.end();
            *error
                = QStringLiteral("L'impression s'est interrompue à la page %1 : le document est incomplet.")
                      .arg(i + 1);
            return false;
        }
        document.drawPage(painter, i);
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        *error = QStringLiteral("L'impression a échoué sur « %1 ».").arg(info.printerName());
        return false;
    }
    return true;
}

} // namespace DocumentPrinter
