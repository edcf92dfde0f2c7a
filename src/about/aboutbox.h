#pragma once

#include "about/versioninfo.h"

#include <QDialog>

#include <functional>
#include <memory>

class UiService;

class QLabel;

namespace Ui {
class AboutBox;
}

// The about box "Â propos": the administration's names, which open its web site, and the
// program's version information, read again each time the box is shown. Laid out in aboutbox.ui.
class AboutBox : public QDialog
{
    Q_OBJECT

public:
    using Source = std::function<std::optional<VersionInfo::Blocks>()>;

    explicit AboutBox(UiService &ui, QWidget *parent = nullptr, Source source = &VersionInfo::ofProgram);
    ~AboutBox() override;

    // The address the clickable texts open.
    static QString webAddress();
    QLabel *text(const QString &name) const;
    QList<QLabel *> links() const { return m_links; }

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fillTexts();

    std::unique_ptr<Ui::AboutBox> m_layout;
    UiService &m_ui;
    Source m_source;
    QList<QLabel *> m_links;
};
