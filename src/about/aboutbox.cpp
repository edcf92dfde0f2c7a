#include "about/aboutbox.h"

#include "printing/uiservice.h"
#include "ui_aboutbox.h"

#include <QEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>

namespace {

// A soft background of our own.
QPixmap background(const QSize &size)
{
    QPixmap pixmap(size);
    QPainter p(&pixmap);
    QLinearGradient g(0, 0, 0, size.height());
    g.setColorAt(0, QColor(238, 243, 249));
    g.setColorAt(1, QColor(205, 219, 236));
    p.fillRect(pixmap.rect(), g);
    return pixmap;
}

} // namespace

AboutBox::AboutBox(UiService &ui, QWidget *parent, Source source)
    : QDialog(parent)
    , m_layout(std::make_unique<Ui::AboutBox>())
    , m_ui(ui)
    , m_source(std::move(source))
{
    m_layout->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
    m_layout->background->setPixmap(background(size()));
    m_layout->webLink->setText(webAddress());
    m_links = { m_layout->corvaneLink, m_layout->talverdLink, m_layout->meridaneLink, m_layout->directionLink,
        m_layout->webLink };
    for (QLabel *link : std::as_const(m_links)) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }
    for (QLabel *label : findChildren<QLabel *>()) {
        if (!label->text().isEmpty()) {
            label->setAttribute(Qt::WA_TranslucentBackground);
            label->adjustSize();
        }
    }
}

AboutBox::~AboutBox() = default;

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
