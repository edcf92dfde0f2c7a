#pragma once

#include "data/datamodule.h"
#include "data/table.h"
#include "datafixture.h"

#include <QDate>

// A small register with one case of each date that falls due and each point a dossier check finds,
// dated from a fixed day rather than the clock.
namespace ReviewStore {

inline const QDate today { 2026, 6, 1 };
inline const QString alpha = QStringLiteral("ALPHA - PROJET A");
inline const QString beta = QStringLiteral("BETA - PROJET B");

inline bool addWorker(DataModule &data, int number, const QString &surname, const QString &employer,
    const QString &project, const QString &post, const QVariantMap &more = {})
{
    QVariantMap values { { QStringLiteral("Num_Ordre"), number }, { QStringLiteral("Nom"), surname },
        { QStringLiteral("Prenom"), QStringLiteral("Jean") }, { QStringLiteral("Nom_orga"), employer },
        { QStringLiteral("Projet"), project }, { QStringLiteral("Poste_occupe"), post } };
    values.insert(more);
    return DataFixture::add(data.expatries(), values);
}

inline bool addPost(DataModule &data, int number, const QString &post, int algerians, int foreigners)
{
    return DataFixture::add(data.accord(),
        { { QStringLiteral("Num"), number }, { QStringLiteral("nom_orga"), alpha },
            { QStringLiteral("Projet"), QStringLiteral("PROJET A") }, { QStringLiteral("poste"), post },
            { QStringLiteral("Algériens"), algerians }, { QStringLiteral("étrangers"), foreigners } });
}

inline bool addEmployer(DataModule &data, const QString &name, const QString &project, const QDate &worksEnd)
{
    return DataFixture::add(data.employeur(),
               { { QStringLiteral("Nom_orga"), name }, { QStringLiteral("Date_marche_fin"), worksEnd } })
        && DataFixture::add(
            data.contact(), { { QStringLiteral("nom_orga"), name }, { QStringLiteral("Projet"), project } });
}

// ALPHA's works end in 20 days, BETA's in 400. ALPHA's agreement: SOUDEUR for one foreigner,
// INGENIEUR for two.
//  1 DUPONT, " soudeur ": passport ended 10 days ago, contract ends in 300 days.
//  2 MARTIN, "SOUDEUR": passport ends in 45 days (so SOUDEUR holds one too many).
//  3 GARCIA, "ingenieur": contract ends in 100 days.
//  4 LOPEZ, "Cuisinier": a post of no agreement.
//  5 PEREZ, BETA's worker, "MACON": a project without agreement.
inline bool fill(DataModule &data)
{
    const auto in = [](int days) { return today.addDays(days); };
    return addEmployer(data, alpha, QStringLiteral("PROJET A"), in(20))
        && addEmployer(data, beta, QStringLiteral("PROJET B"), in(400))
        && addPost(data, 1, QStringLiteral("SOUDEUR"), 3, 1)
        && addPost(data, 2, QStringLiteral("INGENIEUR"), 1, 2)
        && addWorker(data, 1, QStringLiteral("DUPONT"), alpha, QStringLiteral("PROJET A"),
            QStringLiteral(" soudeur "),
            { { QStringLiteral("Passeport_date_fin"), in(-10) },
                { QStringLiteral("Date_fin_contrat"), in(300) } })
        && addWorker(data, 2, QStringLiteral("MARTIN"), alpha, QStringLiteral("PROJET A"),
            QStringLiteral("SOUDEUR"), { { QStringLiteral("Passeport_date_fin"), in(45) } })
        && addWorker(data, 3, QStringLiteral("GARCIA"), alpha, QStringLiteral("PROJET A"),
            QStringLiteral("ingenieur"),
            { { QStringLiteral("Passeport_date_fin"), in(1000) },
                { QStringLiteral("Date_fin_contrat"), in(100) } })
        && addWorker(
            data, 4, QStringLiteral("LOPEZ"), alpha, QStringLiteral("PROJET A"), QStringLiteral("Cuisinier"))
        && addWorker(
            data, 5, QStringLiteral("PEREZ"), beta, QStringLiteral("PROJET B"), QStringLiteral("MACON"));
}

} // namespace ReviewStore
