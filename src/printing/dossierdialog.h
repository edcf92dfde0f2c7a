#pragma once

#include <QDialog>

#include <functional>

class QCheckBox;
class QPushButton;
class QRadioButton;

// The dossier print dialog "Impression de dossier": one box per document of the worker's dossier,
// the choice of mode (automatic or manual) and of output (preview or print), and "Executer" that
// produces the ticked documents in their fixed order. "Fermer" is the only way out.
class DossierDialog : public QDialog
{
    Q_OBJECT

public:
    // Produces one form, previewed or printed; false stops the run at that document.
    using Producer = std::function<bool(const QString &form, bool print)>;

    explicit DossierDialog(QWidget *parent = nullptr);

    void setProducer(Producer producer) { m_producer = std::move(producer); }
    // Enables exactly these boxes (by object name); the others are disabled.
    void setEnabledBoxes(const QStringList &boxes);
    QCheckBox *box(const QString &name) const;
    QStringList tickedBoxes() const;

    QRadioButton *automatic() const { return m_automatic; }
    QRadioButton *manual() const { return m_manual; }
    QRadioButton *preview() const { return m_preview; }
    QRadioButton *printer() const { return m_print; }
    QPushButton *runButton() const { return m_run; }
    QPushButton *closeButton() const { return m_close; }

public slots:
    void ApplyDossierChoice();
    void RunDossier();
    void BitBtn2Click();
    // Without a close box, Escape does not leave either.
    void reject() override { }

protected:
    void showEvent(QShowEvent *event) override;

private:
    QList<QCheckBox *> m_boxes; // in production order
    QRadioButton *m_automatic;
    QRadioButton *m_manual;
    QRadioButton *m_preview;
    QRadioButton *m_print;
    QPushButton *m_run;
    QPushButton *m_close;
    Producer m_producer;
};
