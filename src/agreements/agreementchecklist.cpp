#include "agreements/agreementchecklist.h"

#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

struct Line
{
    int top;
    int left;
    const char *text;
    bool underlined = false;
};

const Line FirstCaseLines[] = {
    { 1, 1, "1er cas, Dossier exigé :", true },
    { 22, 5,
        "1.Une Demande d’accord de principe pour l’emploi de la main d’œuvre étrangère, motivée par "
        "l’employeur," },
    { 43, 7,
        "2.Un tableau des prévisions de recrutement, par postes de travail et qualifications "
        "professionnelles, tant pour" },
    { 66, 21,
        "les nationaux que pour les étrangers (Etat nominatif des positions envisagées, avec fixation du "
        "nombre " },
    { 90, 19,
        "d'emploi prèvus les qualifications et/ou diplômes requis, le nombre d’années d’expérience "
        "professionnelle" },
    { 112, 19,
        "et toutes autres conditions pour occuper le poste de travail identifié ainsi que les estimations "
        "du nombre " },
    { 134, 19, "d’Algériens et d’étrangers à recruter pour chaque emploi ( Formulaires AP n°1)." },
    { 156, 8,
        "3.Un planning d’exécution des travaux, faisant ressortir les échéances fixées et le nombre de "
        "travailleurs " },
    { 177, 16,
        "étrangers et nationaux à recruter pour chaque étape de réalisation du projet s’il y a lieu." },
    { 199, 9,
        "4.Une copie légalisée du contrat de marché, une copie de l’ordre de service ou d’attestation du "
        "maître de " },
    { 220, 22, "l'ouvrage, ou copie du contrat de presentation de services ou de partenariat." },
    { 241, 9, "5.Une copie du statut de la personne morale." },
    { 262, 9, "6.Une copie légalisée de l'extrait du registre de commerce." },
    { 284, 9,
        "7.Une attestation justifiant la situation de l'organisme employeur vis-à-vis des services des "
        "impôts :" },
    { 305, 18,
        "- Carte d'identification fiscale, le cas échéant, un extrait de rôle original apuré ou avec "
        "échéancier datant" },
    { 323, 18, "de moins de trois (03) mois." },
    { 343, 9,
        "8.Une carte d'immatriculation de l'organisme employeur auprès de la Caisse de Sécurité Sociale "
        "et " },
    { 363, 21,
        "attestation de mise à jour (CNAS) légalisées, en cours de validité (si un effectif salarié est "
        "déjà en place)." },
    { 384, 8,
        "9.Une attestation de recensement délivrée par les services des impôts (Direction des Grande "
        "Entreprises -" },
    { 404, 20,
        "DGE) lorsqu'il s'agit d'une entreprise non soumise au droit Algérien, (cas des établissement "
        "stables)." },
    { 424, 8,
        "10.Un engagement pour la formation de la main d'oeuvre nationale si la demande a été introduite "
        "par une " },
    { 442, 22,
        "entreprise étrangère opérant en Algérie dans le cadre de l'exécution d'un contrat de travaux ou "
        "de" },
    { 460, 22, "prestation de service" },
};

// Items 1 to 7, with the wider gaps the printed list leaves between some of them.
const Line SecondCaseLines[] = {
    { 1, 1, "2éme cas, Dossier exigé :", true },
    { 22, 5,
        "1.Une Demande d’accord de principe pour l’emploi de la main d’œuvre étrangère, motivée par "
        "l’employeur," },
    { 51, 5, "2.Un état des travailleurs Algériens employés par poste de travail." },
    { 105, 5,
        "3.Un tableau des prévisions de recrutement, par postes de travail et qualifications "
        "professionnelles, tant pour" },
    { 128, 19,
        "les nationaux que pour les étrangers (Etat nominatif des positions envisagées, avec fixation du "
        "nombre " },
    { 152, 17,
        "d'emploi prèvus les qualifications et/ou diplômes requis, le nombre d’années d’expérience "
        "professionnelle" },
    { 174, 17,
        "et toutes autres conditions pour occuper le poste de travail identifié ainsi que les estimations "
        "du nombre " },
    { 196, 17, "d’Algériens et d’étrangers à recruter pour chaque emploi ( Formulaires AP n°1)." },
    { 241, 9, "4.Une copie du statut de la personne morale." },
    { 280, 9, "5.Une copie légalisée de l'extrait du registre de commerce." },
    { 319, 9,
        "6.Une attestation justifiant la situation de l'organisme employeur vis-à-vis des services des "
        "impôts :" },
    { 340, 18,
        "- Carte d'identification fiscale, le cas échéant, un extrait de rôle original apuré ou avec "
        "échéancier datant" },
    { 358, 18, "de moins de trois (03) mois." },
    { 404, 9,
        "7.Une carte d'immatriculation de l'organisme employeur auprès de la Caisse de Sécurité Sociale "
        "et " },
    { 424, 21,
        "attestation de mise à jour (CNAS) légalisées, en cours de validité (si un effectif salarié est "
        "déjà en place)." },
};

} // namespace

AgreementChecklist::AgreementChecklist(Case which, QWidget *parent)
    : QDialog(parent)
    , m_case(which)
{
    const bool first = which == Case::First;
    setObjectName(first ? QStringLiteral("demande_accord") : QStringLiteral("demande_accord1"));
    setWindowTitle(first ? QStringLiteral("Dossier de la demande d’accord de principe (1er cas)")
                         : QStringLiteral("Dossier de la demande d'accord de principe (2éme cas)"));
    setModal(true);
    // Case 1 keeps only the close button in its caption bar; case 2 has the usual ones.
    Qt::WindowFlags flags
        = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (!first)
        flags |= Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint;
    setWindowFlags(flags);

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Panel1"));
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setGeometry(0, 0, 655, first ? 480 : 444);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPointSize(12);
    panel->setFont(font);

    const auto place = [panel](const Line &line) {
        auto *label = new QLabel(QString::fromUtf8(line.text), panel);
        label->setTextFormat(Qt::PlainText);
        if (line.underlined) {
            QFont underlined = label->font();
            underlined.setUnderline(true);
            label->setFont(underlined);
        }
        label->move(line.left, line.top);
        label->adjustSize();
    };
    if (first) {
        for (const Line &line : FirstCaseLines)
            place(line);
    } else {
        for (const Line &line : SecondCaseLines)
            place(line);
    }
    // Where the face draws wider than the design, the panel widens so that no line is cut.
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
