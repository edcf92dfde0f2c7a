#include "printing/dossierdialog.h"

#include "printing/dossierdocuments.h"
#include "ui_dossierdialog.h"

namespace {

// The dialog's faces are sized in pixels, which a layout file cannot say.
QFont timesPixels(int pixels, bool bold = false)
{
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

} // namespace

DossierDialog::DossierDialog(QWidget *parent)
    : QDialog(parent)
    , m_layout(std::make_unique<Ui::DossierDialog>())
{
    m_layout->setupUi(this);
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    for (const DossierDocuments::Document &document : DossierDocuments::all()) {
        QCheckBox *documentBox = findChild<QCheckBox *>(document.box);
        if (!documentBox)
            qFatal("dossierdialog.ui has no box %s", qPrintable(document.box));
        m_boxes << documentBox;
    }
    setPixelFonts();
    for (QRadioButton *button : choices())
        connect(button, &QRadioButton::clicked, this, &DossierDialog::applyChoice);
    connect(m_layout->BitBtn1, &QPushButton::clicked, this, &DossierDialog::run);
    connect(m_layout->BitBtn2, &QPushButton::clicked, this, &DossierDialog::closeDossier);
}

DossierDialog::~DossierDialog() = default;

void DossierDialog::setPixelFonts()
{
    for (QCheckBox *b : std::as_const(m_boxes))
        b->setFont(timesPixels(16));
    for (QWidget *w :
        { static_cast<QWidget *>(m_layout->GroupBox1), static_cast<QWidget *>(m_layout->GroupBox2) })
        w->setFont(timesPixels(13));
    for (QRadioButton *button : choices())
        button->setFont(timesPixels(13));
    for (QPushButton *button : { m_layout->BitBtn1, m_layout->BitBtn2 })
        button->setFont(timesPixels(16, true));
}

QList<QRadioButton *> DossierDialog::choices() const
{
    return { m_layout->RadioButton1, m_layout->RadioButton2, m_layout->RadioButton3, m_layout->RadioButton4 };
}

QRadioButton *DossierDialog::automatic() const
{
    return m_layout->RadioButton1;
}

QRadioButton *DossierDialog::manual() const
{
    return m_layout->RadioButton2;
}

QRadioButton *DossierDialog::preview() const
{
    return m_layout->RadioButton3;
}

QRadioButton *DossierDialog::printer() const
{
    return m_layout->RadioButton4;
}

QPushButton *DossierDialog::runButton() const
{
    return m_layout->BitBtn1;
}

QPushButton *DossierDialog::closeButton() const
{
    return m_layout->BitBtn2;
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
    for (QRadioButton *button : choices()) {
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
    runButton()->setEnabled(false);
    QDialog::showEvent(event);
}

void DossierDialog::applyChoice()
{
    const bool modeChosen = automatic()->isChecked() || manual()->isChecked();
    const bool outputChosen = preview()->isChecked() || printer()->isChecked();
    if (!modeChosen || !outputChosen)
        return;
    for (QCheckBox *b : std::as_const(m_boxes))
        b->setChecked(automatic()->isChecked() && b->isEnabled());
    runButton()->setEnabled(true);
}

void DossierDialog::run()
{
    const bool print = printer()->isChecked();
    if (m_runStart)
        m_runStart(DossierDocuments::formsOf(tickedBoxes()));
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

void DossierDialog::closeDossier()
{
    for (QCheckBox *b : std::as_const(m_boxes)) {
        b->setChecked(false);
        b->setEnabled(false);
    }
    accept();
}
