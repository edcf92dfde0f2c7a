#pragma once

#include <QString>

// How a count is written in the program's French messages: digits grouped by thousands, and the
// noun singular for 0 and 1 (« 0 échéance », « 1 234 expatriés »).
namespace CountedText {

QString number(qint64 n);
QString counted(qint64 n, const QString &one, const QString &many);

} // namespace CountedText
