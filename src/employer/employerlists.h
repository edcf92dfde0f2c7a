#pragma once

#include <QStringList>

// The fixed entries of the employer form's pick lists, in their order.
namespace EmployerLists {
QStringList nationalities(); // 196 nationalities
QStringList activities(); // 63 natures of activity
QStringList branches();
QStringList legalStatuses();
QStringList legalSectors();
QStringList applicableLaws();
QStringList worksDurations(); // "1" to "80"
QStringList worksProgress(); // "0" to "100", then " (%)"
} // namespace EmployerLists
