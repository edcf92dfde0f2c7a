#include "agreements/agreementchecklist.h"

#include "agreements/checklistlines.h"
#include "ui_agreementchecklist.h"

#include <QLabel>

#include <algorithm>

namespace {

// What sets the two cases apart.
struct CaseWindow
{
    const char *objectName;
    const char *title;
    const char *list;
    int panelHeight;
    // Case 1 keeps only the close button in its caption bar; case 2 has the usual ones.
    bool fullCaptionBar;
};

const CaseWindow FirstCase
    = { "demande_accord", "Dossier de la demande d’accord de principe (1er cas)", "firstcase", 480, false };
const CaseWindow SecondCase
    = { "demande_accord1", "Dossier de la demande d'accord de principe (2éme cas)", "secondcase", 444, true };

} // namespace

AgreementChecklist::AgreementChecklist(Case which, QWidget *parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::AgreementChecklist>())
    , m_case(which)
{
    m_ui->setupUi(this);
    const CaseWindow &window = which == Case::First ? FirstCase : SecondCase;
    setObjectName(QString::fromLatin1(window.objectName));
    setWindowTitle(QString::fromUtf8(window.title));
    Qt::WindowFlags flags
        = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (window.fullCaptionBar)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);
    m_ui->Panel1->resize(m_ui->Panel1->width(), window.panelHeight);
    placeLines(QString::fromLatin1(window.list));
    widenToLines();
}

AgreementChecklist::~AgreementChecklist() = default;

// The heading, first in the list, is underlined.
void AgreementChecklist::placeLines(const QString &list)
{
    bool heading = true;
    for (const ChecklistLines::Line &line : ChecklistLines::read(list)) {
        auto *label = new QLabel(line.text, m_ui->Panel1);
        label->setTextFormat(Qt::PlainText);
        if (heading) {
            QFont underlined = label->font();
            underlined.setUnderline(true);
            label->setFont(underlined);
            heading = false;
        }
        label->move(line.left, line.top);
        label->adjustSize();
    }
}

// Where the face draws wider than the design, the panel widens so that no line is cut.
void AgreementChecklist::widenToLines()
{
    QFrame *panel = m_ui->Panel1;
    int right = panel->width();
    for (const QLabel *label : panel->findChildren<QLabel *>())
        right = std::max(right, label->geometry().right() + 6);
    panel->resize(right, panel->height());
    resize(panel->size());
    setMinimumSize(panel->size());
}

QStringList AgreementChecklist::lines() const
{
    QList<QLabel *> labels = findChildren<QLabel *>();
    std::sort(labels.begin(), labels.end(), [](QLabel *a, QLabel *b) { return a->y() < b->y(); });
    QStringList texts;
    for (QLabel *label : std::as_const(labels))
        texts << label->text();
    return texts;
}
