// Draws the program's own pictures (banner and emblem) into resources/.
// Built with the project; run it by hand when the pictures change: build/drawpictures resources
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

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
    return 0;
}
