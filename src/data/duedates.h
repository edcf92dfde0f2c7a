#pragma once

#include <QDate>
#include <QList>
#include <QString>

class Database;

// One date of the register that falls due: a worker's passport or contract, or the end of a
// project's works.
struct DueDate
{
    enum class Kind { Passport, PassportBeforeContract, Contract, Works };

    Kind kind = Kind::Passport;
    int worker = 0; // Num_Ordre; 0 for the end of a project's works
    QString name; // the worker's name, or the project's for its works
    QString employer;
    QString project;
    QDate date;
    qint64 daysLeft = 0; // negative once past

    bool isPast() const { return daysLeft < 0; }
};

// Which dates: every date up to `today` + `horizon` days, the past ones included, of one employer
// and one project when they are given (not null). A passport that ends before the contract is
// listed whatever the horizon while the contract runs: it must be renewed before the worker can stay.
struct DueDateFilter
{
    QDate today;
    int horizon = 90;
    QString employer;
    QString project;
};

// Reads what falls due from the worker and employer tables, soonest first. The engine selects,
// orders and counts the dates, so that a page of them is read without reading them all.
namespace DueDates {

inline constexpr int defaultHorizon = 90;
// The horizons the user chooses from, in days.
const QList<int> &horizons();

// "Fin de passeport", "Passeport finissant avant le contrat", …
QString what(DueDate::Kind kind);

// How many dates the filter gives, and how many of them are past. False with a French message in
// *error when a table cannot be read.
bool count(Database &database, const DueDateFilter &filter, int *total, int *past, QString *error);
// `limit` dates from `offset` (every one when `limit` is negative).
bool read(Database &database, const DueDateFilter &filter, int offset, int limit, QList<DueDate> *dates,
    QString *error);
// Every date of the whole register.
bool read(Database &database, const QDate &today, int horizon, QList<DueDate> *dates, QString *error);

} // namespace DueDates
