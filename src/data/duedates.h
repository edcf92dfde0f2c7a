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

// Reads what falls due from the worker and employer tables, as of a day the caller gives.
namespace DueDates {

inline constexpr int defaultHorizon = 90;
// The horizons the user chooses from, in days.
const QList<int> &horizons();

// "Fin de passeport", "Passeport expiré avant la fin du contrat", …
QString what(DueDate::Kind kind);

// Every date up to `today` + `horizon` days, the past ones included, soonest first. A passport
// that ends before the contract is listed whatever the horizon while the contract runs: it must be
// renewed before the worker can stay. False with a French message in *error when a table cannot
// be read.
bool read(Database &database, const QDate &today, int horizon, QList<DueDate> *dates, QString *error);

} // namespace DueDates
