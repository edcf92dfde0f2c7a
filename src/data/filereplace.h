#pragma once

#include <QString>

// Puts a file in place of another in one step, the old one gone, the new one on disk before this
// returns: what a restore does with each table file. The way to do it is the system's own (one
// source file for each system).
namespace FileReplace {

// Moves `from` over `to` (both in one file system); false with the system's reason on failure,
// `to` then left as it was.
bool replace(const QString &from, const QString &to, QString *error);

} // namespace FileReplace
