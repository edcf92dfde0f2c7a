#include "data/duedates.h"

#include "data/database.h"
#include "data/fieldvalue.h"

#include <QSqlError>
#include <QSqlQuery>

namespace DueDates {

namespace {

// Every date that falls due, one row each, in plain SQL both engines read. Blank dates are left
// out by the lower bound; the kinds are numbered as DueDate::Kind.
const char *const DatesSql
    = "select kind, Num_Ordre, Nom, Prenom, Nom_orga, Projet, due from ("
      " select case when Passeport_date_fin < Date_fin_contrat then 1 else 0 end as kind,"
      "  Num_Ordre, Nom, Prenom, Nom_orga, Projet, Passeport_date_fin as due"
      "  from expatries where Passeport_date_fin >= :oldest and (Passeport_date_fin <= :limit"
      "  or (Passeport_date_fin < Date_fin_contrat and Date_fin_contrat >= :today))"
      " union all"
      " select 2, Num_Ordre, Nom, Prenom, Nom_orga, Projet, Date_fin_contrat"
      "  from expatries where Date_fin_contrat >= :oldest and Date_fin_contrat <= :limit"
      " union all"
      " select 3, 0, contact.Projet, '', employeur.Nom_orga, contact.Projet,"
      "  employeur.Date_marche_fin from employeur"
      "  left join contact on contact.nom_orga = employeur.Nom_orga"
      "  where employeur.Date_marche_fin >= :oldest and employeur.Date_marche_fin <= :limit"
      ") as due_dates";

QString narrowed(const DueDateFilter &filter)
{
    QStringList conditions;
    if (!filter.employer.isNull())
        conditions << QStringLiteral("Nom_orga = :employer");
    if (!filter.project.isNull())
        conditions << QStringLiteral("Projet = :project");
    return conditions.isEmpty() ? QString()
                                : QStringLiteral(" where ") + conditions.join(QStringLiteral(" and "));
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
    const QString sql
        = QStringLiteral("select count(*), sum(case when due < :today then 1 else 0 end) from (%1%2) "
                         "as counted")
              .arg(QString::fromLatin1(DatesSql), narrowed(filter));
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
    QString sql = QString::fromLatin1(DatesSql) + narrowed(filter)
        + QStringLiteral(" order by due, kind, Nom, Num_Ordre");
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
