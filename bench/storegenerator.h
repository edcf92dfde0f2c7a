#pragma once

// Fills a database directory with a large store for the benchmarks: employers with their contact
// rows, and workers spread over them. Writes straight to the files in one transaction each.

#include "data/activation.h"
#include "data/datamodule.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>

namespace StoreGenerator {

inline QString employerName(int i)
{
    return QStringLiteral("ORGANISME %1 - PROJET %2").arg(i, 4, 10, QLatin1Char('0')).arg(i % 7);
}

inline bool fill(const QString &base, int employers, int workers)
{
    {
        DataModule data;
        if (!Activation::run(data, base).ok)
            return false;
    }
    const QDir dir(Activation::databaseDirectory(base));
    const auto run = [&](const QString &file, const auto &body) {
        bool ok = false;
        {
            QSqlDatabase db
                = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("generator"));
            db.setDatabaseName(dir.filePath(file));
            if (db.open()) {
                QSqlQuery(db).exec(QStringLiteral("PRAGMA synchronous=OFF"));
                db.transaction();
                ok = body(db);
                ok = db.commit() && ok;
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("generator"));
        return ok;
    };
    bool ok = run(QStringLiteral("Employeur.DB"), [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral(
            "INSERT INTO Employeur (Nom_orga, Monsieur, Adrs_orga, Nation_orga, Lieu_emploi_orga, "
            "Nb_et, Nb_al, Nb_t, Date_marche) VALUES (?, 'M. RESPONSABLE', 'ALGER', 'FRANCAISE', "
            "'ORAN', 12, 30, 42, '2024-01-15')"));
        for (int i = 0; i < employers; ++i) {
            q.addBindValue(employerName(i));
            if (!q.exec())
                return false;
        }
        return true;
    });
    ok = ok && run(QStringLiteral("contact.DB"), [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(QStringLiteral("INSERT INTO contact (nom_orga, Projet, Tel, email, date_installation) "
                                 "VALUES (?, ?, '021000000', 'rh@example.org', '2020-03-01')"));
        for (int i = 0; i < employers; ++i) {
            q.addBindValue(employerName(i));
            q.addBindValue(QStringLiteral("PROJET %1").arg(i));
            if (!q.exec())
                return false;
        }
        return true;
    });
    ok = ok && run(QStringLiteral("Expatries.DB"), [&](QSqlDatabase &db) {
        QSqlQuery q(db);
        q.prepare(
            QStringLiteral("INSERT INTO Expatries (Num_Ordre, Nom_orga, Projet, Nom, Prenom, Nation, "
                           "Date_nais, Passeport_num, Type_demande, Duree, Poste_occupe) VALUES (?, ?, ?, ?, "
                           "'JEAN', 'FRANCAISE', '1985-06-30', 'P1234567', 'APT', 12, 'INGENIEUR')"));
        for (int i = 0; i < workers; ++i) {
            const int e = i % employers;
            q.addBindValue(i + 1);
            q.addBindValue(employerName(e));
            q.addBindValue(QStringLiteral("PROJET %1").arg(e));
            q.addBindValue(QStringLiteral("NOM %1").arg(i));
            if (!q.exec())
                return false;
        }
        return true;
    });
    return ok;
}

} // namespace StoreGenerator
