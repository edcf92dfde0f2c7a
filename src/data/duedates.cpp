#include "data/duedates.h"

#include "data/database.h"
#include "data/fieldvalue.h"

#include <QSqlError>
#include <QSqlQuery>

namespace DueDates {

namespace {

// How the list is ordered, in every part and in the whole.
const char *const ListOrder = " order by due, kind, Nom, Num_Ordre";

// Every date that falls due, one row each, in plain SQL both engines read: the passports, the
// contracts, the ends of works, each narrowed to the filter's employer and project. Blank dates are
// left out by the lower bound; the kinds are numbered as DueDate::Kind.
// With `firstRows`, each part gives only its first rows in the list's order: the engine walks the
// worker table's date indexes and stops there. Otherwise the parts read every row, and on the
// directory store the dates are written "+column" so that SQLite scans the table rather than walk
// an index row by row over nearly all of it.
QString datesSql(bool server, const DueDateFilter &filter, int firstRows)
{
    const QString scanned = (firstRows < 0 && !server) ? QStringLiteral("+") : QString();
    const QString passport = scanned + QStringLiteral("Passeport_date_fin");
    const QString contract = scanned + QStringLiteral("Date_fin_contrat");
    const auto narrowed = [&](const QString &employer, const QString &project) {
        QString conditions;
        if (!filter.employer.isNull())
            conditions += QStringLiteral(" and %1 = :employer").arg(employer);
        if (!filter.project.isNull())
            conditions += QStringLiteral(" and %1 = :project").arg(project);
        return conditions;
    };
    const QString workers = narrowed(QStringLiteral("Nom_orga"), QStringLiteral("Projet"));
    const QStringList parts {
        QStringLiteral(
            "select case when %1 < Date_fin_contrat then 1 else 0 end as kind, Num_Ordre, Nom, "
            "Prenom, Nom_orga, Projet, Passeport_date_fin as due from expatries where %1 >= :oldest "
            "and (%1 <= :limit or (%1 < Date_fin_contrat and Date_fin_contrat >= :today))%2")
            .arg(passport, workers),
        QStringLiteral("select 2 as kind, Num_Ordre, Nom, Prenom, Nom_orga, Projet, Date_fin_contrat as due "
                       "from expatries where %1 >= :oldest and %1 <= :limit%2")
            .arg(contract, workers),
        QStringLiteral(
            "select 3 as kind, 0 as Num_Ordre, contact.Projet as Nom, '' as Prenom, "
            "employeur.Nom_orga as Nom_orga, contact.Projet as Projet, employeur.Date_marche_fin as "
            "due from employeur left join contact on contact.nom_orga = employeur.Nom_orga where "
            "employeur.Date_marche_fin >= :oldest and employeur.Date_marche_fin <= :limit%1")
            .arg(narrowed(QStringLiteral("employeur.Nom_orga"), QStringLiteral("contact.Projet"))),
    };
    QStringList united;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        united << (firstRows < 0 ? parts.at(i)
                                 : QStringLiteral("select * from (%1%2 limit %3) as part%4")
                                       .arg(parts.at(i), QLatin1String(ListOrder))
                                       .arg(firstRows)
                                       .arg(i));
    }
    return QStringLiteral("select kind, Num_Ordre, Nom, Prenom, Nom_orga, Projet, due from (%1) as due_dates")
        .arg(united.join(QStringLiteral(" union all ")));
}

bool run(Database &database, QSqlQuery &q, const QString &sql, const DueDateFilter &filter, QString *error)
{
    if (!database.open()) {
        *error = database.lastError();
        return false;
    }
    q.setForwardOnly(true);
    if (!q.prepare(sql)) {
        *error = Database::describe(q.lastError(), QString());
        return false;
    }
    const auto bind = [&](const char *name, const QVariant &value) {
        if (sql.contains(QLatin1String(name)))
            q.bindValue(QLatin1String(name), value);
    };
    bind(":oldest", QStringLiteral("1800-01-01"));
    bind(":limit", filter.today.addDays(filter.horizon).toString(Qt::ISODate));
    bind(":today", filter.today.toString(Qt::ISODate));
    bind(":employer", filter.employer);
    bind(":project", filter.project);
    if (!database.exec(q)) {
        *error = database.lastError();
        return false;
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

bool count(Database &database, const DueDateFilter &filter, int *total, int *past, QString *error)
{
    QSqlQuery q = database.newQuery();
    const QString sql = QStringLiteral(
        "select count(*), sum(case when due < :today then 1 else 0 end) from (%1) as counted")
                            .arg(datesSql(database.isServer(), filter, -1));
    if (!run(database, q, sql, filter, error))
        return false;
    const bool any = q.next();
    *total = any ? q.value(0).toInt() : 0;
    *past = any ? q.value(1).toInt() : 0;
    return true;
}

bool read(Database &database, const DueDateFilter &filter, int offset, int limit, QList<DueDate> *dates,
    QString *error)
{
    dates->clear();
    QString sql
        = datesSql(database.isServer(), filter, limit < 0 ? -1 : offset + limit) + QLatin1String(ListOrder);
    if (limit >= 0)
        sql += QStringLiteral(" limit %1 offset %2").arg(limit).arg(offset);
    QSqlQuery q = database.newQuery();
    if (!run(database, q, sql, filter, error))
        return false;
    while (q.next()) {
        const QDate date = FieldValue::fromStorage(FieldType::Date, q.value(6)).toDate();
        const auto kind = DueDate::Kind(q.value(0).toInt());
        const QString name = kind == DueDate::Kind::Works
            ? q.value(2).toString()
            : (q.value(2).toString() + QLatin1Char(' ') + q.value(3).toString()).simplified();
        dates->append({ kind, q.value(1).toInt(), name, q.value(4).toString(), q.value(5).toString(), date,
            filter.today.daysTo(date) });
    }
    return true;
}

bool read(Database &database, const QDate &today, int horizon, QList<DueDate> *dates, QString *error)
{
    return read(database, { today, horizon, QString(), QString() }, 0, -1, dates, error);
}

} // namespace DueDates
