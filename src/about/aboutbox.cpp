#include "about/aboutbox.h"

#include "printing/uiservice.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

QFont times(int points, bool bold = false)
{
    QFont font(QStringLiteral("Times New Roman"), points);
    font.setBold(bold);
    return font;
}

QLabel *picture(QWidget *parent, const QPixmap &pixmap, const QRect &geometry)
{
    auto *label = new QLabel(parent);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    label->setGeometry(geometry);
    return label;
}

// A soft background of our own.
QPixmap background()
{
    QPixmap pixmap(673, 305);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, 305);
    g.setColorAt(0, QColor(238, 243, 249));
    g.setColorAt(1, QColor(205, 219, 236));
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

} // namespace

AboutBox::AboutBox(UiService &ui, QWidget *parent, Source source)
    : QDialog(parent)
    , m_ui(ui)
    , m_source(std::move(source))
{
    setObjectName(QStringLiteral("apropos"));
    setWindowTitle(QStringLiteral("Â propos"));
    setModal(true);
    setFixedSize(673, 305);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    picture(this, background(), QRect(0, 0, 673, 305));
    picture(this, QPixmap(QStringLiteral(":/images/banner.png")), QRect(21, 0, 630, 92));
    picture(this, QPixmap(QStringLiteral(":/images/emblem.png")), QRect(21, 92, 78, 82));
    picture(this, QPixmap(QStringLiteral(":/images/emblem.png")), QRect(576, 92, 78, 82));

    const auto link = [this](const QString &text, const QFont &font, int x, int y) {
        auto *label = new QLabel(text, this);
        label->setFont(font);
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->setCursor(Qt::PointingHandCursor);
        label->move(x, y);
        label->adjustSize();
        label->installEventFilter(this);
        m_links << label;
    };
    link(QStringLiteral("CORVANE"), times(12, true), 145, 94);
    link(QStringLiteral("TALVERD"), times(12, true), 176, 113);
    link(QStringLiteral("MERIDANE"), times(12, true), 203, 133);
    link(QStringLiteral("Direction de Wilaya de l'Emploi "), times(12, true), 224, 153);

    const std::pair<const char *, int> texts[] = { { "description", 180 }, { "Version", 201 },
        { "Comment", 221 }, { "Copyright", 241 }, { "Organisation", 260 } };
    for (const auto &[name, y] : texts) {
        auto *label = new QLabel(QStringLiteral("....."), this);
        label->setObjectName(QString::fromLatin1(name));
        label->setFont(times(10));
        label->setAttribute(Qt::WA_TranslucentBackground);
        label->move(5, y);
        label->adjustSize();
    }
    link(webAddress(), times(10), 5, 280);
}

QString AboutBox::webAddress()
{
    return QStringLiteral("https://www.example.org/velmora/");
}

QLabel *AboutBox::text(const QString &name) const
{
    return findChild<QLabel *>(name);
}

void AboutBox::showEvent(QShowEvent *event)
{
    fillTexts();
    QDialog::showEvent(event);
}

void AboutBox::fillTexts()
{
    const std::optional<VersionInfo::Blocks> info = m_source();
    if (!info)
        return;
    const VersionInfo::StringTable strings = info->value(QString::fromLatin1(VersionInfo::FrenchBlock));
    const auto set = [this](const char *name, const QString &value) {
        QLabel *label = text(QString::fromLatin1(name));
        label->setText(value);
        label->adjustSize();
    };
    set("description", QStringLiteral("Développeur: ") + strings.value(QStringLiteral("FileDescription")));
    set("Version", QStringLiteral("Version: ") + strings.value(QStringLiteral("FileVersion")));
    set("Comment",
        text(QStringLiteral("Version"))->text() + QLatin1Char(' ')
            + strings.value(QStringLiteral("Comments")));
    set("Copyright", QStringLiteral("Copyright: ") + strings.value(QStringLiteral("LegalCopyright")));
    set("Organisation", strings.value(QStringLiteral("CompanyName")));
}

bool AboutBox::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && m_links.contains(static_cast<QLabel *>(watched))) {
        m_ui.openUrl(webAddress());
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
