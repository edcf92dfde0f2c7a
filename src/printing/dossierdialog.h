#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class QCheckBox;
class QPushButton;
class QRadioButton;

namespace Ui {
class DossierDialog;
}

// The dossier print dialog "Impression de dossier": one box per document of the worker's dossier,
// the choice of mode (automatic or manual) and of output (preview or print), and "Executer" that
// produces the ticked documents in their fixed order. "Fermer" is the only way out. Laid out in
// dossierdialog.ui.
class DossierDialog : public QDialog
{
    Q_OBJECT

public:
    // Produces one form, previewed or printed; false stops the run at that document.
    using Producer = std::function<bool(const QString &form, bool print)>;

    explicit DossierDialog(QWidget *parent = nullptr);
    ~DossierDialog() override;

    // Told, as "Executer" starts, every form the run is to produce, in order.
    using RunStart = std::function<void(const QStringList &forms)>;

    void setProducer(Producer producer) { m_producer = std::move(producer); }
    void setRunStart(RunStart runStart) { m_runStart = std::move(runStart); }
    // Enables exactly these boxes (by object name); the others are disabled.
    void setEnabledBoxes(const QStringList &boxes);
    QCheckBox *box(const QString &name) const;
    QStringList tickedBoxes() const;

    QRadioButton *automatic() const;
    QRadioButton *manual() const;
    QRadioButton *preview() const;
    QRadioButton *printer() const;
    QPushButton *runButton() const;
    QPushButton *closeButton() const;

    // Without a close box, Escape does not leave either.
    void reject() override { }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void setPixelFonts();
    QList<QRadioButton *> choices() const;
    // Once both a mode and an output are chosen: the boxes ticked by the mode, "Executer" on.
    void applyChoice();
    void run(); // Executer
    void closeDossier(); // Fermer

    std::unique_ptr<Ui::DossierDialog> m_layout;
    QList<QCheckBox *> m_boxes; // in production order
    Producer m_producer;
    RunStart m_runStart;
};
