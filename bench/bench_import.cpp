// The older program's base taken in at start: 1,000 employers with their contact rows, 3,000
// agreement posts and 100,000 workers written as Paradox tables, then imported in place.

#include "paradoxwriter.h"

#include "data/activation.h"
#include "data/datamodule.h"
#include "data/paradoximport.h"
#include "data/schemas.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

namespace {

constexpr int Employers = 1000;
constexpr int Posts = 3000;
constexpr int Workers = 100000;

QString employer(int i)
{
    return QStringLiteral("ORGANISME %1 - PROJET ÉTÉ %2").arg(i, 4, 10, QLatin1Char('0')).arg(i % 7);
}

void writeTable(const QString &dir, const TableSchema &schema, int rows,
    const std::function<QHash<QString, QVariant>(int)> &values)
{
    ParadoxWriter writer(QDir(dir).filePath(schema.name + QStringLiteral(".DB")),
        ParadoxWriter::columnsOf(schema), 1252, rows);
    for (int i = 0; i < rows; ++i)
        writer.append(ParadoxWriter::row(schema, values(i)));
}

void writeBase(const QString &dir)
{
    writeTable(dir, Schemas::employeur(), Employers, [](int i) -> QHash<QString, QVariant> {
        return { { "Nom_orga", employer(i) }, { "Monsieur", QStringLiteral("M. RESPONSABLE") },
            { "Adrs_orga", QStringLiteral("12, RUE DES FRÈRES, ALGER") },
            { "Nation_orga", QStringLiteral("FRANÇAISE") }, { "Lieu_emploi_orga", QStringLiteral("ORAN") },
            { "Nb_et", 12 }, { "Nb_al", 30 }, { "Nb_t", 42 }, { "Date_marche", QDate(2024, 1, 15) } };
    });
    writeTable(dir, Schemas::contact(), Employers, [](int i) -> QHash<QString, QVariant> {
        return { { "nom_orga", employer(i) }, { "Projet", QStringLiteral("PROJET ÉTÉ %1").arg(i % 7) },
            { "Tel", QStringLiteral("021000000") }, { "email", QStringLiteral("rh@example.org") },
            { "date_installation", QDate(2020, 3, 1) } };
    });
    writeTable(dir, Schemas::accord(), Posts, [](int i) -> QHash<QString, QVariant> {
        return { { "Num", i + 1 }, { "nom_orga", employer(i % Employers) },
            { "poste", QStringLiteral("INGÉNIEUR") }, { "Diplome", QStringLiteral("MASTER") },
            { "experience", 5 }, { "Algériens", 3 }, { "étrangers", 1 } };
    });
    writeTable(dir, Schemas::expatries(), Workers, [](int i) -> QHash<QString, QVariant> {
        return { { "Num_Ordre", i + 1 }, { "Nom_orga", employer(i % Employers) },
            { "Projet", QStringLiteral("PROJET ÉTÉ %1").arg(i % 7) },
            { "Nom", QStringLiteral("NOM%1").arg(i) }, { "Prenom", QStringLiteral("FRANÇOIS") },
            { "Date_nais", QDate(1960, 1, 1).addDays(i % 9000) }, { "Date_entrer_alg", QDate(2023, 5, 2) },
            { "Sex", QStringLiteral("MASCULIN") }, { "Nation", QStringLiteral("FRANÇAISE") },
            { "Situation_familiale", QStringLiteral("MARIÉ") },
            { "Adrs_alg", QStringLiteral("CITÉ DES 500 LOGEMENTS, ORAN") },
            { "Diplome", QStringLiteral("INGÉNIEUR") }, { "Poste_occupe", QStringLiteral("CHEF DE PROJET") },
            { "Brut", QStringLiteral("250000") }, { "Net", QStringLiteral("200000") },
            { "Refugie_politique", QStringLiteral("NON") }, { "Apatride", QStringLiteral("NON") },
            { "Passeport_num", QStringLiteral("P%1").arg(i) }, { "Passeport_delivre", QDate(2021, 6, 1) },
            { "Passeport_par", QStringLiteral("PRÉFECTURE") }, { "Passeport_date_fin", QDate(2031, 6, 1) },
            { "Lieu_nais", QStringLiteral("LYON") }, { "Qualification", QStringLiteral("CADRE") },
            { "Duree", 24 }, { "Type_demande", QStringLiteral("APT") },
            { "Date_debut_contrat", QDate(2024, 2, 1) }, { "Date_fin_contrat", QDate(2026, 1, 31) },
            { "Pays", QStringLiteral("FRANCE") }, { "Nom_pere", QStringLiteral("PÈRE") },
            { "Nom_mere", QStringLiteral("MÈRE") } };
    });
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir base;
    const QString dir = Activation::databaseDirectory(base.path());
    QDir().mkpath(dir);
    QElapsedTimer t;
    t.start();
    writeBase(dir);
    std::printf("old base written (pxlib): %.1f s\n", double(t.nsecsElapsed()) / 1e9);

    DataModule data;
    ParadoxImport import(data);
    t.restart();
    const ParadoxImport::Outcome outcome = import.importInPlace(base.path(), QDateTime::currentDateTime());
    const double seconds = double(t.nsecsElapsed()) / 1e9;
    if (outcome != ParadoxImport::Outcome::Done) {
        std::printf("import failed: %s\n", qPrintable(import.lastError()));
        return 1;
    }
    rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    std::printf(
        "%s, %lld notes\n", qPrintable(import.summary()), static_cast<long long>(import.notes().size()));
    std::printf("import of %d employers, %d posts, %d workers: %.2f s (goal: under 10 s)\n", Employers, Posts,
        Workers, seconds);
    std::printf("peak memory: %ld MB\n", usage.ru_maxrss / 1024);
    return seconds < 10 ? 0 : 1;
}
