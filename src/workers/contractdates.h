#pragma once

#include <QDate>

// The contract's end date: the day before the start, moved on by the duration in calendar months
// (the same day number, or the last day of a shorter month).
namespace ContractDates {
QDate endDate(const QDate &start, int months);
}
