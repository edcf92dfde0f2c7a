#include "workers/contractdates.h"

namespace ContractDates {

QDate endDate(const QDate &start, int months)
{
    // QDate::addMonths keeps the day number and falls back to the month's last day.
    return start.addDays(-1).addMonths(months);
}

} // namespace ContractDates
