#include "reportdocument.h"

#include "formfonts.h"
#include "pagepainter.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>

#include <cmath>

namespace {

// The resolution of a common laser printer: outlines of one device pixel come out as on paper.
constexpr int pdfResolution = 600;

// QPdfWriter's document information has no author and the catalogue no language: the XMP packet
// carries both, with the title and the creating program, for readers that look there.
QByteArray xmpPacket(const QString &title, const QString &author, const QString &creator)
{
    const QString packet
        = QStringLiteral("<?xpacket begin='\uFEFF' id='W5M0MpCehiHzreSzNTczkc9d'?>\n"
                         "<x:xmpmeta xmlns:x='adobe:ns:meta/'>\n"
                         "<rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>\n"
                         "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/' "
                         "xmlns:xmp='http://ns.adobe.com/xap/1.0/'>\n"
                         "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>\n"
                         "%2"
                         "<dc:language><rdf:Bag><rdf:li>fr-FR</rdf:li></rdf:Bag></dc:language>\n"
                         "<xmp:CreatorTool>%3</xmp:CreatorTool>\n"
                         "</rdf:Description>\n"
                         "</rdf:RDF>\n"
                         "</x:xmpmeta>\n"
                         "<?xpacket end='w'?>");
    const QString authors = author.isEmpty()
        ? QString()
        : QStringLiteral("<dc:creator><rdf:Seq><rdf:li>%1</rdf:li></rdf:Seq></dc:creator>\n")
              .arg(author.toHtmlEscaped());
    return packet.arg(title.toHtmlEscaped(), authors, creator.toHtmlEscaped()).toUtf8();
}

void setError(QString *error, const QString &text)
{
    if (error)
        *error = text;
}

} // namespace

void ReportDocument::appendPage(const QList<PageItem> &items)
{
    m_pages.append(items);
}

void ReportDocument::append(const ReportDocument &other)
{
    m_pages.append(other.m_pages);
    if (m_title.isEmpty())
        m_title = other.m_title;
}

void ReportDocument::drawPage(QPainter &painter, int index) const
{
    if (index < 0 || index >= m_pages.size())
        return;
    installFormFonts();
    PagePainter(painter).draw(m_pages.at(index));
}

QImage ReportDocument::pageImage(int index, double dotsPerInch) const
{
    const double scale = dotsPerInch / 25.4;
    QImage image(
        int(std::lround(paperWidth * scale)), int(std::lround(paperHeight * scale)), QImage::Format_RGB32);
    const int dotsPerMeter = int(std::lround(dotsPerInch / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::TextAntialiasing);
    drawPage(painter, index);
    return image;
}

bool ReportDocument::writePdf(const QString &path, QString *error) const
{
    installFormFonts();
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        setError(error, file.errorString());
        return false;
    }
    bool painted = false;
    {
        QPdfWriter writer(&file);
        writer.setResolution(pdfResolution);
        const QString title = m_pdfInfo.title.isEmpty() ? m_title : m_pdfInfo.title;
        const QString creator = m_pdfInfo.creator.isEmpty() ? QStringLiteral("VELMORA") : m_pdfInfo.creator;
        writer.setTitle(title);
        writer.setCreator(creator);
        writer.setDocumentXmpMetadata(xmpPacket(title, m_pdfInfo.author, creator));
        writer.setPageLayout(QPageLayout(
            QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
        QPainter painter;
        if (painter.begin(&writer)) {
            for (int i = 0; i < pageCount(); ++i) {
                if (i > 0)
                    writer.newPage();
                drawPage(painter, i);
            }
            painted = painter.end();
        }
    }
    if (!painted) {
        file.cancelWriting();
        setError(error,
            file.error() != QFileDevice::NoError ? file.errorString()
                                                 : QStringLiteral("The PDF document could not be drawn."));
        return false;
    }
    if (!file.commit()) {
        setError(error, file.errorString());
        return false;
    }
    return true;
}
