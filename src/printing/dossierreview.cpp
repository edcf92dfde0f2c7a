#include "printing/dossierreview.h"

#include "data/datamodule.h"
#include "data/fieldvalue.h"
#include "data/headcounts.h"
#include "data/rowrecord.h"
#include "forms/fitcheck.h"
#include "forms/formcatalogue.h"
#include "forms/memorydatasource.h"
#include "forms/textmeasurer.h"
#include "printing/dossierdocuments.h"

#include <QHash>

namespace DossierReview {

namespace {

struct Mandatory
{
    const char *field;
    const char *caption;
};

// The worker's values the entry form asks for, with the captions the clerk knows them by.
// clang-format off
const Mandatory MandatoryFields[] = {
    { "Type_demande", "TYPE DE DEMANDE" }, { "Nom", "NOM" }, { "Prenom", "PRÉNOM" },
    { "Date_nais", "DATE DE NAISSANCE" }, { "Lieu_nais", "LIEU DE NAISSANCE" }, { "Sex", "GENRE" },
    { "Situation_familiale", "SITUATION FAMILIALE" }, { "Pays", "PAYS" }, { "Nation", "NATIONALITÉ" },
    { "Apatride", "APATRIDE" }, { "Refugie_politique", "RÉFUGIE POLITIQUE" }, { "Nom_pere", "NOM DU PERE" },
    { "Nom_mere", "NOM DE LA MERE" }, { "Diplome", "DIPLÔME" }, { "Qualification", "QUALIFICATION" },
    { "Exper", "EXPERIENCE" }, { "Poste_occupe", "POSTE A OCCUPER" }, { "Duree", "DURÉE DE RECRUTEMENT" },
    { "Date_debut_contrat", "DU ( PRÉVISIONNELLE)" }, { "Brut", "SALAIRE BRUT (DA)" },
    { "Net", "SALAIRE NET (DA)" }, { "Sejour", "SÉJOUR" }, { "Adrs_alg", "ADRESSE EN ALGÉRIE" },
    { "Passeport_num", "PASSEPORT N°" }, { "Passeport_delivre", "PASSEPORT DÉLIVRÉ LE" },
    { "Passeport_date_debut", "DATE DÉBUT DU PASSEPORT" }, { "Passeport_date_fin", "DATE FIN DU PASSEPORT" },
    { "Passeport_par", "PASSEPORT DÉLIVRÉ PAR" }, { "Adresse_etranger", "ADRESSE A L'ÉTRANGER" },
};
// clang-format on

// Other captions a value that does not fit may be named by.
const QHash<QString, QString> &otherCaptions()
{
    static const QHash<QString, QString> captions {
        { QStringLiteral("nom_orga"), QStringLiteral("NOM DE L'ORGANISME") },
        { QStringLiteral("projet_2"), QStringLiteral("PROJET") },
        { QStringLiteral("date_fin_contrat"), QStringLiteral("DATE FIN DU CONTRAT") },
        { QStringLiteral("i_avantage"), QStringLiteral("AUTRE AVANTAGES") },
        { QStringLiteral("emploi_precedent"), QStringLiteral("EMPLOI PRÉCÉDEMMENT OCCUPÉ") },
        { QStringLiteral("emploi_objet"), QStringLiteral("OBJET DE L'EMPLOI") },
    };
    return captions;
}

QString quoted(const QString &text)
{
    return QStringLiteral("« %1 »").arg(text);
}

// A value as a point quotes it: on one line, cut after 40 characters.
QString shortened(const QString &value)
{
    const QString line = value.simplified();
    return line.size() > 40 ? line.left(39) + QStringLiteral("…") : line;
}

QString titles(const QStringList &forms)
{
    QStringList shown;
    for (const QString &form : forms)
        shown << quoted(DossierDocuments::formTitle(form));
    return shown.join(QStringLiteral(", "));
}

// The fields each form prints, lower case.
QHash<QString, QStringList> printedBy(const QHash<QString, ReportLayout> &layouts, const QStringList &forms)
{
    QHash<QString, QStringList> fields;
    for (const QString &form : forms) {
        const ReportLayout &layout = layouts[form];
        QList<ReportElement> elements = layout.pageLayer;
        for (const std::optional<ReportBand> *band :
            { &layout.title, &layout.detail, &layout.subDetail, &layout.summary, &layout.pageFooter }) {
            if (*band)
                elements += (*band)->elements;
        }
        for (const ReportElement &element : std::as_const(elements)) {
            const QString field = element.content.toLower();
            if (element.kind == ReportElement::Kind::Field && !fields.value(field).contains(form))
                fields[field] << form;
        }
    }
    return fields;
}

void blanks(const RowRecord &row, const QHash<QString, QStringList> &printed, QStringList *points)
{
    for (const Mandatory &m : MandatoryFields) {
        const QString field = QString::fromLatin1(m.field);
        const QStringList forms = printed.value(field.toLower());
        if (!forms.isEmpty() && row.text(field).trimmed().isEmpty())
            points->append(QStringLiteral("%1 est vide : il s'imprimerait en blanc sur %2.")
                               .arg(quoted(caption(field)), titles(forms)));
    }
}

void misfits(const RowRecord &row, const QStringList &forms, const QHash<QString, ReportLayout> &layouts,
    QStringList *points)
{
    MemoryDataSource source(QList<QVariantMap> { row.toMap() });
    TextMeasurer measurer;
    // One point per field, naming every form it does not fit on.
    QStringList order;
    QHash<QString, QStringList> where;
    QHash<QString, QString> values;
    for (const QString &form : forms) {
        for (const FitCheck::Misfit &misfit : FitCheck::misfits(layouts[form], &source, measurer)) {
            const QString key = misfit.field.toLower();
            if (!where.contains(key)) {
                order << misfit.field;
                values.insert(key, misfit.text);
            }
            if (!where.value(key).contains(form))
                where[key] << form;
        }
    }
    for (const QString &field : std::as_const(order)) {
        const QString key = field.toLower();
        points->append(
            QStringLiteral("%1 (« %2 ») est trop long pour sa place sur %3.")
                .arg(quoted(caption(field)), shortened(values.value(key)), titles(where.value(key))));
    }
}

void dates(const RowRecord &row, const QDate &today, QStringList *points)
{
    const QDate start = row.value(QStringLiteral("Date_debut_contrat")).toDate();
    const QDate end = row.value(QStringLiteral("Date_fin_contrat")).toDate();
    const QDate passport = row.value(QStringLiteral("Passeport_date_fin")).toDate();
    if (start.isValid() && end.isValid() && end < start)
        points->append(QStringLiteral("La fin du contrat (%1) précède son début (%2).")
                           .arg(FieldValue::formatDate(end), FieldValue::formatDate(start)));
    if (!passport.isValid())
        return;
    if (end.isValid() && passport < end)
        points->append(QStringLiteral("Le passeport finit le %1, avant la fin du contrat (%2).")
                           .arg(FieldValue::formatDate(passport), FieldValue::formatDate(end)));
    else if (passport < today)
        points->append(QStringLiteral("Le passeport a expiré le %1.").arg(FieldValue::formatDate(passport)));
    else if (passport < today.addMonths(6))
        points->append(QStringLiteral("Le passeport finit le %1, dans moins de six mois.")
                           .arg(FieldValue::formatDate(passport)));
}

void post(DataModule &data, const RowRecord &row, QStringList *points)
{
    // Nom_orga is the employer's key; the worker's own project comes after the contact row's.
    const QString employer = row.text(QStringLiteral("Nom_orga"));
    const QString project = row.text(QStringLiteral("Projet_2"));
    const QString post = row.text(QStringLiteral("Poste_occupe")).trimmed();
    if (post.isEmpty())
        return;
    HeadCountSheet sheet;
    QString error;
    if (!HeadCounts::read(*data.database(), &sheet, &error, employer, project)) {
        points->append(QStringLiteral("L'accord de principe du projet ne peut pas être lu : %1").arg(error));
        return;
    }
    const QString key = HeadCounts::postKey(post);
    for (const PostCount &p : std::as_const(sheet.posts)) {
        if (HeadCounts::postKey(p.post) != key)
            continue;
        if (p.isOver())
            points->append(
                QStringLiteral("Le poste %1 compte %2 expatriés pour %3 prévus par l'accord de principe.")
                    .arg(quoted(p.post))
                    .arg(p.registered)
                    .arg(p.foreigners));
        return;
    }
    points->append(QStringLiteral("Le poste %1 n'est dans aucun accord de principe du projet %2.")
                       .arg(quoted(post), quoted(project)));
}

} // namespace

QString caption(const QString &field)
{
    for (const Mandatory &m : MandatoryFields) {
        if (field.compare(QLatin1String(m.field), Qt::CaseInsensitive) == 0)
            return QString::fromUtf8(m.caption);
    }
    return otherCaptions().value(field.toLower(), field);
}

QStringList points(DataModule &data, const RowRecord &row, const QStringList &forms, const QDate &today)
{
    if (row.isEmpty())
        return {};
    QHash<QString, ReportLayout> layouts;
    QStringList laidOut;
    for (const QString &form : forms) {
        if (std::optional<ReportLayout> layout = FormCatalogue::layout(form)) {
            layouts.insert(form, *layout);
            laidOut << form;
        }
    }
    QStringList result;
    blanks(row, printedBy(layouts, laidOut), &result);
    misfits(row, laidOut, layouts, &result);
    dates(row, today, &result);
    post(data, row, &result);
    return result;
}

} // namespace DossierReview
