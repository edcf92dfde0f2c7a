#pragma once

#include <QStringList>

// The fixed entries of the worker form's pick lists, in their order.
namespace WorkerLists {
QStringList requestTypes(); // the eleven request types
QStringList sexes();
QStringList maritalStatuses();
QStringList countries(); // 238 countries, the fiftieth with a trailing tab
QStringList nationalities(); // 196 nationalities
QStringList yesNo();
QStringList qualifications();
QStringList experiences(); // "0" to "50" without "44", then "/ Années"
QStringList durations(); // "1" to "24", then "/ Mois"
} // namespace WorkerLists
