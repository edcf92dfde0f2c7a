#include "data/duedates.h"

#include "data/database.h"
#include "data/fieldvalue.h"
#include "data/query.h"

#include <QSqlQuery>

#include <algorithm>

namespace DueDates {

namespace {

// A date as the store keeps it (ISO text, or a date where the engine has a date type).
QDate dateOf(const QVariant &stored)
{
    return FieldValue::fromStorage(FieldType::Date, stored).toDate();
}

// The rows are stepped forward only, their columns read by position: the worker table may hold a
// hundred thousand rows, and each is read once.
bool readWorkers(
    Database &database, const QDate &today, const QDate &limit, QList<DueDate> *dates, QString *error)
{
    if (!database.open()) {
        *error = database.lastError();
        return false;
    }
    QSqlQuery q = database.newQuery();
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("select Num_Ordre, Nom, Prenom, Nom_orga, Projet, Passeport_date_fin, "
                             "Date_fin_contrat from expatries "
                             "where Passeport_date_fin <= :limit or Date_fin_contrat <= :limit "
                             "or Passeport_date_fin < Date_fin_contrat"));
    q.bindValue(QStringLiteral(":limit"), limit.toString(Qt::ISODate));
    if (!database.exec(q)) {
        *error = database.lastError();
        return false;
    }
    while (q.next()) {
        const QDate passport = dateOf(q.value(5));
        const QDate contract = dateOf(q.value(6));
        const bool beforeContract = passport.isValid() && contract.isValid() && passport < contract;
        const bool passportDue
            = passport.isValid() && (passport <= limit || (beforeContract && contract >= today));
        const bool contractDue = contract.isValid() && contract <= limit;
        if (!passportDue && !contractDue)
            continue;
        DueDate line { DueDate::Kind::Passport, q.value(0).toInt(),
            (q.value(1).toString() + QLatin1Char(' ') + q.value(2).toString()).simplified(),
            q.value(3).toString(), q.value(4).toString(), {}, 0 };
        if (passportDue) {
            line.kind = beforeContract ? DueDate::Kind::PassportBeforeContract : DueDate::Kind::Passport;
            line.date = passport;
            line.daysLeft = today.daysTo(passport);
            dates->append(line);
        }
        if (contractDue) {
            line.kind = DueDate::Kind::Contract;
            line.date = contract;
            line.daysLeft = today.daysTo(contract);
            dates->append(line);
        }
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
