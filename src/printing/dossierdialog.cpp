#include "printing/dossierdialog.h"

#include "printing/dossierdocuments.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace {

QFont timesPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

// Where each box stands: top and width, by object name.
struct BoxPlace
{
    const char *name;
    int top, width;
};
const BoxPlace BoxPlaces[] = { { "CheckBox4", 24, 488 }, { "CheckBox6", 48, 226 }, { "CheckBox8", 72, 312 },
    { "CheckBox1", 96, 278 }, { "CheckBox2", 120, 372 }, { "CheckBox10", 144, 444 },
    { "CheckBox11", 168, 634 }, { "CheckBox3", 193, 436 }, { "CheckBox5", 215, 462 },
    { "CheckBox9", 239, 368 }, { "CheckBox7", 263, 350 } };

QRadioButton *radio(QGroupBox *group, const char *name, const char *caption, int x, int y, int w)
{
    auto *button = new QRadioButton(QString::fromUtf8(caption), group);
    button->setObjectName(QString::fromLatin1(name));
    button->setGeometry(x, y, w, 17);
    button->setFont(timesPixels(13));
    return button;
}

} // namespace

DossierDialog::DossierDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Dossier"));
    setWindowTitle(QStringLiteral("Impression de dossier"));
    setModal(true);
    setFixedSize(830, 347);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);

    for (const DossierDocuments::Document &document : DossierDocuments::all()) {
        auto *box = new QCheckBox(document.caption, this);
        box->setObjectName(document.box);
        box->setFont(timesPixels(16));
        box->setAccessibleName(document.caption);
        box->setEnabled(false);
        for (const BoxPlace &place : BoxPlaces) {
            if (document.box == QLatin1String(place.name))
                box->setGeometry(3, place.top, place.width, 17);
        }
        m_boxes << box;
    }

    auto *mode = new QGroupBox(QStringLiteral("Choix du dossier à imprimer :"), this);
    mode->setObjectName(QStringLiteral("GroupBox1"));
    mode->setGeometry(624, 3, 185, 105);
    mode->setFont(timesPixels(13));
    m_automatic = radio(mode, "RadioButton1", "Automatique (recommander)", 11, 26, 173);
    m_manual = radio(mode, "RadioButton2", "Manuel", 12, 62, 113);
    auto *output = new QGroupBox(QStringLiteral("Impression :"), this);
    output->setObjectName(QStringLiteral("GroupBox2"));
    output->setGeometry(624, 119, 185, 105);
    output->setFont(timesPixels(13));
    m_preview = radio(output, "RadioButton3", "Visualiser", 11, 27, 113);
    m_print = radio(output, "RadioButton4", "Imprimer", 12, 62, 113);
    for (QRadioButton *button : { m_automatic, m_manual, m_preview, m_print })
        connect(button, &QRadioButton::clicked, this, &DossierDialog::ApplyDossierChoice);

    m_run = new QPushButton(QStringLiteral("Executer"), this);
    m_run->setObjectName(QStringLiteral("BitBtn1"));
    m_run->setGeometry(624, 239, 185, 25);
    m_run->setFont(timesPixels(16, true));
    m_run->setEnabled(false);
    m_close = new QPushButton(QStringLiteral("Fermer"), this);
    m_close->setObjectName(QStringLiteral("BitBtn2"));
    m_close->setGeometry(624, 274, 185, 25);
    m_close->setFont(timesPixels(16, true));
    for (QPushButton *button : { m_run, m_close }) {
        button->setAccessibleName(button->text());
        button->setAutoDefault(false);
    }
    connect(m_run, &QPushButton::clicked, this, &DossierDialog::RunDossier);
    connect(m_close, &QPushButton::clicked, this, &DossierDialog::BitBtn2Click);

    // Keyboard order: documents 4, 5, 1, 9, 2, 11, 3, 10, 7, 8, the buttons, the groups, document 6.
    QList<QWidget *> order;
    for (const char *name : { "CheckBox1", "CheckBox2", "CheckBox4", "CheckBox5", "CheckBox6", "CheckBox7",
             "CheckBox8", "CheckBox9", "CheckBox10", "CheckBox11" })
        order << box(QString::fromLatin1(name));
    order << m_run << m_close << m_automatic << m_manual << m_preview << m_print
          << box(QStringLiteral("CheckBox3"));
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order.at(i - 1), order.at(i));
}

QCheckBox *DossierDialog::box(const QString &name) const
{
    for (QCheckBox *b : m_boxes) {
        if (b->objectName() == name)
            return b;
    }
    return nullptr;
}

QStringList DossierDialog::tickedBoxes() const
{
    QStringList ticked;
    for (QCheckBox *b : m_boxes) {
        if (b->isChecked())
            ticked << b->objectName();
    }
    return ticked;
}

void DossierDialog::setEnabledBoxes(const QStringList &boxes)
{
    for (QCheckBox *b : std::as_const(m_boxes))
        b->setEnabled(boxes.contains(b->objectName()));
}

void DossierDialog::showEvent(QShowEvent *event)
{
    // Each opening starts without a choice in either group.
    for (QRadioButton *button : { m_automatic, m_manual, m_preview, m_print }) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    m_run->setEnabled(false);
    QDialog::showEvent(event);
}

void DossierDialog::ApplyDossierChoice()
{
    const bool modeChosen = m_automatic->isChecked() || m_manual->isChecked();
    const bool outputChosen = m_preview->isChecked() || m_print->isChecked();
    if (!modeChosen || !outputChosen)
        return;
    for (QCheckBox *b : std::as_const(m_boxes))
        b->setChecked(m_automatic->isChecked() && b->isEnabled());
    m_run->setEnabled(true);
}

void DossierDialog::RunDossier()
{
    const bool print = m_print->isChecked();
    for (QCheckBox *b : std::as_const(m_boxes)) {
        if (!b->isChecked())
            continue;
        for (const DossierDocuments::Document &document : DossierDocuments::all()) {
            if (document.box != b->objectName())
                continue;
            for (const QString &form : document.forms) {
                // A failed document stops the run; it and the documents after it keep their ticks.
                if (m_producer && !m_producer(form, print))
                    return;
            }
        }
        b->setChecked(false);
    }
}

void DossierDialog::BitBtn2Click()
{
    for (QCheckBox *b : std::as_const(m_boxes)) {
        b->setChecked(false);
        b->setEnabled(false);
    }
    accept();
}
