// Draws the program's own pictures (banner and emblem) into resources/, and the emblem as the
// desktop icon (48, 128 and 256 pixels, and SVG) into packaging/icons/.
// Built with the project; run it by hand when the pictures change:
//   build/drawpictures resources packaging/icons
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

// The emblem's colours and its square of 80 units: a blue disc ringed in gold, a gold V.
const QColor Blue(11, 61, 107);
const QColor Gold(242, 193, 78);

QImage squareEmblem(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32);
    icon.fill(Qt::transparent);
    QPainter p(&icon);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(size / 80.0, size / 80.0);
    p.setPen(QPen(Gold, 4));
    p.setBrush(Blue);
    p.drawEllipse(QRectF(5, 5, 70, 70));
    p.setPen(Gold);
    QFont f(QStringLiteral("Liberation Serif"));
    f.setBold(true);
    f.setPixelSize(40);
    p.setFont(f);
    p.drawText(QRectF(5, 5, 70, 70), Qt::AlignCenter, QStringLiteral("V"));
    return icon;
}

// The same drawing as a scalable picture.
QByteArray svgEmblem()
{
    return QByteArrayLiteral(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"80\" height=\"80\" viewBox=\"0 0 80 80\">\n"
        "  <circle cx=\"40\" cy=\"40\" r=\"35\" fill=\"#0b3d6b\" stroke=\"#f2c14e\" stroke-width=\"4\"/>\n"
        "  <text x=\"40\" y=\"54\" text-anchor=\"middle\" fill=\"#f2c14e\" font-family=\"Liberation Serif, "
        "serif\" font-weight=\"bold\" font-size=\"40\">V</text>\n"
        "</svg>\n");
}

void saveIcons(const QString &folder)
{
    for (int size : { 48, 128, 256 })
        squareEmblem(size).save(QStringLiteral("%1/velmora-%2.png").arg(folder).arg(size));
    QFile svg(folder + QStringLiteral("/velmora.svg"));
    if (svg.open(QIODevice::WriteOnly))
        svg.write(svgEmblem());
}

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");

    QImage banner(631, 93, QImage::Format_RGB32);
    {
        QPainter p(&banner);
        p.setRenderHint(QPainter::Antialiasing);
        QLinearGradient g(0, 0, 631, 0);
        g.setColorAt(0, QColor(11, 61, 107));
        g.setColorAt(1, QColor(31, 111, 168));
        p.fillRect(banner.rect(), g);
        p.fillRect(0, 80, 631, 6, QColor(242, 193, 78));
        p.setPen(Qt::white);
        QFont title(QStringLiteral("Liberation Serif"), 30, QFont::Bold);
        p.setFont(title);
        p.drawText(QRect(0, 4, 631, 48), Qt::AlignCenter, QStringLiteral("VELMORA"));
        QFont sub(QStringLiteral("Liberation Sans"), 10);
        p.setFont(sub);
        p.drawText(QRect(0, 50, 631, 26), Qt::AlignCenter,
            QStringLiteral("Dossiers d'emploi des travailleurs étrangers"));
    }
    banner.save(out + QStringLiteral("/banner.png"));

    QImage emblem(78, 81, QImage::Format_ARGB32);
    emblem.fill(Qt::transparent);
    {
        QPainter p(&emblem);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(QPen(QColor(242, 193, 78), 4));
        p.setBrush(QColor(11, 61, 107));
        p.drawEllipse(QRectF(4, 5, 70, 70));
        p.setPen(QColor(242, 193, 78));
        QFont f(QStringLiteral("Liberation Serif"), 30, QFont::Bold);
        p.setFont(f);
        p.drawText(QRect(4, 5, 70, 70), Qt::AlignCenter, QStringLiteral("V"));
    }
    emblem.save(out + QStringLiteral("/emblem.png"));
    saveIcons(argc > 2 ? QString::fromLocal8Bit(argv[2]) : out);
    return 0;
}
