#include "printing/dossierdocuments.h"

namespace DossierDocuments {

const QList<Document> &all()
{
    static const QList<Document> documents {
        { "CheckBox4", "Demande d'obtention d'une Autorisation Provisoire de Travail (A.P.T)",
            { "demande_apt" } },
        { "CheckBox6", "Demande de Visa de Travail", { "demande_visa" } },
        { "CheckBox8", "Demande d'obtention d'un Titre de Travail", { "DEMANDE_permis" } },
        { "CheckBox1", "Annexe 01 Fiche de renseignement", { "anx_01", "anx_01_02" } },
        { "CheckBox2", "Annexe 02 Reçu de versement de pièces préliminaires ", { "anx_02_Individuelle" } },
        { "CheckBox3", "Annexe 07 Demande de changement (Poste de Travail/ Wilaya)", { "Anx_07" } },
        { "CheckBox10", "Annexe 04 Reçu de versement de pièces complémentaires", { "anx_04" } },
        { "CheckBox11",
            "Annexe 04 Bis Reçu de versement de pièces constitutives pour l'obtention de Titre de Travail",
            { "anx_04_bis" } },
        { "CheckBox5", "Modèle 01 Engagement de recrutement de Travailleur Etranger", { "recrutement" } },
        { "CheckBox9", "Modèle 02 Contrat de Travail à durée détérminée", { "contrat1", "contrat2" } },
        { "CheckBox7", "Modèle 06 Engagement de Rapatriement", { "rapatriement1" } }
    };
    return documents;
}

QStringList formsOf(const QStringList &boxes)
{
    QStringList forms;
    for (const Document &d : all()) {
        if (boxes.contains(d.box))
            forms << d.forms;
    }
    return forms;
}

QStringList allForms()
{
    QStringList forms;
    for (const Document &d : all())
        forms << d.forms;
    return forms;
}

QString formTitle(const QString &form)
{
    for (const Document &d : all()) {
        const qsizetype index = d.forms.indexOf(form);
        if (index < 0)
            continue;
        const QString caption = d.caption.trimmed();
        if (d.forms.size() == 1)
            return caption;
        return QStringLiteral("%1 (%2/%3)").arg(caption).arg(index + 1).arg(d.forms.size());
    }
    return form;
}

QStringList inProductionOrder(const QStringList &forms, QStringList *unknown)
{
    QStringList ordered;
    for (const QString &form : allForms()) {
        if (forms.contains(form))
            ordered << form;
    }
    for (const QString &form : forms) {
        if (!ordered.contains(form) && !unknown->contains(form))
            unknown->append(form);
    }
    return ordered;
}

} // namespace DossierDocuments
