#include "data/duedates.h"

#include "data/query.h"

#include <algorithm>

namespace DueDates {

namespace {

QString workerName(const Query &q)
{
    return (q.text(QStringLiteral("Nom")) + QLatin1Char(' ') + q.text(QStringLiteral("Prenom"))).simplified();
}

DueDate workerDate(const Query &q, DueDate::Kind kind, const QDate &date, const QDate &today)
{
    return { kind, q.value(QStringLiteral("Num_Ordre")).toInt(), workerName(q),
        q.text(QStringLiteral("Nom_orga")), q.text(QStringLiteral("Projet")), date, today.daysTo(date) };
}

bool readWorkers(
    Database &database, const QDate &today, const QDate &limit, QList<DueDate> *dates, QString *error)
{
    // Dates are bound as values; rows whose dates are all later than the horizon and in order
    // are left to the engine.
    Query q(&database);
    q.addLine(QStringLiteral("select Num_Ordre, Nom, Prenom, Nom_orga, Projet, Passeport_date_fin, "
                             "Date_fin_contrat"));
    q.addLine(QStringLiteral("from expatries"));
    q.addLine(QStringLiteral("where Passeport_date_fin <= :limit or Date_fin_contrat <= :limit"));
    q.addLine(QStringLiteral("or Passeport_date_fin < Date_fin_contrat"));
    q.bindValue(QStringLiteral(":limit"), limit.toString(Qt::ISODate));
    if (!q.open()) {
        *error = q.lastError();
        return false;
    }
    for (; !q.atEnd(); q.next()) {
        const QDate passport = q.value(QStringLiteral("Passeport_date_fin")).toDate();
        const QDate contract = q.value(QStringLiteral("Date_fin_contrat")).toDate();
        const bool beforeContract = passport.isValid() && contract.isValid() && passport < contract;
        if (beforeContract && (passport <= limit || contract >= today))
            dates->append(workerDate(q, DueDate::Kind::PassportBeforeContract, passport, today));
        else if (passport.isValid() && passport <= limit)
            dates->append(workerDate(q, DueDate::Kind::Passport, passport, today));
        if (contract.isValid() && contract <= limit)
            dates->append(workerDate(q, DueDate::Kind::Contract, contract, today));
    }
    return true;
}

bool readWorks(
    Database &database, const QDate &today, const QDate &limit, QList<DueDate> *dates, QString *error)
{
    Query q(&database);
    q.addLine(QStringLiteral("select employeur.Nom_orga, employeur.Date_marche_fin, contact.Projet"));
    q.addLine(QStringLiteral("from employeur left join contact on contact.nom_orga = employeur.Nom_orga"));
    q.addLine(QStringLiteral("where employeur.Date_marche_fin <= :limit"));
    q.bindValue(QStringLiteral(":limit"), limit.toString(Qt::ISODate));
    if (!q.open()) {
        *error = q.lastError();
        return false;
    }
    for (; !q.atEnd(); q.next()) {
        const QDate end = q.value(QStringLiteral("Date_marche_fin")).toDate();
        if (!end.isValid())
            continue;
        const QString project = q.text(QStringLiteral("Projet"));
        dates->append({ DueDate::Kind::Works, 0, project, q.text(QStringLiteral("Nom_orga")), project, end,
            today.daysTo(end) });
    }
    return true;
}

} // namespace

const QList<int> &horizons()
{
    static const QList<int> days { 30, 60, 90, 180 };
    return days;
}

QString what(DueDate::Kind kind)
{
    switch (kind) {
    case DueDate::Kind::Passport:
        return QStringLiteral("Fin de passeport");
    case DueDate::Kind::PassportBeforeContract:
        return QStringLiteral("Passeport finissant avant le contrat");
    case DueDate::Kind::Contract:
        return QStringLiteral("Fin de contrat");
    case DueDate::Kind::Works:
        return QStringLiteral("Fin des travaux du projet");
    }
    return {};
}

bool read(Database &database, const QDate &today, int horizon, QList<DueDate> *dates, QString *error)
{
    dates->clear();
    const QDate limit = today.addDays(horizon);
    if (!readWorkers(database, today, limit, dates, error)
        || !readWorks(database, today, limit, dates, error))
        return false;
    std::stable_sort(dates->begin(), dates->end(), [](const DueDate &a, const DueDate &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.kind != b.kind)
            return a.kind < b.kind;
        return a.name < b.name;
    });
    return true;
}

} // namespace DueDates
