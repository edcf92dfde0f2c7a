#include "printing/dossierchecks.h"

namespace DossierChecks {

namespace {

const QString Crlf = QStringLiteral("\r\n");

QString inputError(const Worker &w, int blanks, const QString &closing)
{
    return QString(blanks, QLatin1Char(' ')) + QStringLiteral("Erreur de saisie ! ") + Crlf
        + QStringLiteral("Cet expatrie  M,Mlle,Mme : ") + Crlf + QStringLiteral("Nom : ") + w.surname + Crlf
        + QStringLiteral("Prénom : ") + w.firstName + Crlf + QStringLiteral("Nationalité : ")
        + w.shownNationality + Crlf + closing;
}

QString durationError(const Worker &w, int blanks)
{
    return QString(blanks, QLatin1Char(' ')) + QStringLiteral("Erreur de saisie ! ") + Crlf
        + QStringLiteral("La durée de contrat de M,Mlle,Mme : ") + Crlf + QStringLiteral("Nom : ") + w.surname
        + Crlf + QStringLiteral("Prénom : ") + w.firstName + Crlf + QStringLiteral("Nationalité : ")
        + w.shownNationality + Crlf + QStringLiteral("est supérieure a trois (03) mois !,") + Crlf
        + QStringLiteral(
            "Impossible d'établir une demande d'obtention d'une Autorisation Temporaire de Travail");
}

// A blank duration counts as three months or less; text that is no number, too.
bool durationAboveThree(const QVariant &duration)
{
    bool ok = false;
    const int months = duration.toString().trimmed().toInt(&ok);
    return ok && months > 3;
}

} // namespace

const QStringList &visaExemptNationalities()
{
    static const QStringList list { "SYRIENNE", "MAROCAINE", "TUNISIENNE", "LIBYENNE", "YEMENITE",
        "SEYCHELLOISE", "MAURITANIENNE", "SAHRAOUI", "MALIENNE", "MALAISIENNE" };
    return list;
}

const QStringList &permitExemptNationalities()
{
    static const QStringList list { "FRANCAISE", "TUNISIENNE" };
    return list;
}

QString announcement(const QString &surname, const QString &firstName)
{
    return QString(13, QLatin1Char(' '))
        + QStringLiteral("Vous allez accedez a l'impression du dossier à fournir ") + Crlf
        + QStringLiteral("auprès des services de la Direction de Wilaya de l'Emploi de M,Mlle,Mme : ") + Crlf
        + surname + Crlf + firstName;
}

QList<Step> run(const Worker &w, int blanks)
{
    const QString &type = w.type;
    const bool visaExempt = visaExemptNationalities().contains(w.nationality);
    const bool permitExempt = permitExemptNationalities().contains(w.nationality);
    const bool annexe10
        = type == QLatin1String("ANNEXE 10") || type == QLatin1String("RENOUVELLEMENT ANNEXE 10");
    const bool temporary = type == QLatin1String("AUTORISATION TEMPORAIRE DE TRAVAIL")
        || type == QLatin1String("RENOUVELLEMENT A T T");
    const auto dialog = [](Selection s) { return Step { true, s, {} }; };
    const auto message = [](const QString &text) { return Step { false, Selection::Apt, text }; };
    const QString toAnnexe10
        = QStringLiteral("Non soumis au Permis du Travail! vous devez modifier le TYPE DE DEMANDE "
                         "vers ANNEXE 10, Merci");

    // Every check whose condition holds takes its effect, in this order.
    QList<Step> steps;
    if (type == QLatin1String("APT") && !visaExempt)
        steps << dialog(Selection::Apt);
    if (type == QLatin1String("APT") && visaExempt)
        steps << message(inputError(w, blanks,
            QStringLiteral("Non soumis au Visa du Travail! vous devez modifier le TYPE DE "
                           "DEMANDE vers PERMIS, Merci")));
    if (annexe10 && !permitExempt)
        steps << message(inputError(w, blanks,
            QStringLiteral("Non soumis au Visa du Travail! vous devez modifier le TYPE DE "
                           "DEMANDE vers PERMIS DE TRAVAIL, Merci")));
    if (annexe10 && permitExempt)
        steps << dialog(Selection::Annexe10);
    if (type == QLatin1String("CHANGEMENT WILAYA (SORTIES)")
        || type == QLatin1String("CHANGEMENT WILAYA (ENTREES)")
        || type == QLatin1String("CHANGEMENT POSTE DE TRAVAIL"))
        steps << dialog(Selection::Change);
    if (type == QLatin1String("PERMIS DE TRAVAIL") && !permitExempt)
        steps << dialog(Selection::Permit);
    if (type == QLatin1String("PERMIS DE TRAVAIL") && permitExempt)
        steps << message(inputError(w, blanks, toAnnexe10));
    if (type == QLatin1String("RENOUVELLEMENT P T") && !permitExempt)
        steps << dialog(Selection::Permit);
    if ((type == QLatin1String("RENOUVELLEMENT P T") || type == QLatin1String("PERMIS DE TRAVAIL"))
        && permitExempt)
        steps << message(inputError(w, blanks, toAnnexe10));
    if (temporary && !durationAboveThree(w.duration))
        steps << dialog(Selection::Permit);
    if (temporary && durationAboveThree(w.duration)) {
        steps << message(durationError(w, blanks));
        steps << dialog(Selection::Permit);
    }
    return steps;
}

QStringList boxesOf(Selection selection)
{
    switch (selection) {
    case Selection::Apt:
        return { "CheckBox4", "CheckBox6", "CheckBox1", "CheckBox2", "CheckBox5", "CheckBox7" };
    case Selection::Annexe10:
        return { "CheckBox8", "CheckBox1", "CheckBox10", "CheckBox9", "CheckBox7" };
    case Selection::Change:
        return { "CheckBox3" };
    case Selection::Permit:
        return { "CheckBox8", "CheckBox1", "CheckBox10", "CheckBox9" };
    }
    return {};
}

} // namespace DossierChecks
