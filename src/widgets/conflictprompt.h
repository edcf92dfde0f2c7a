#pragma once

#include "data/table.h"

#include <QString>

class QWidget;
class UiService;

// What a page says when a save or a delete is refused: the engine's message, and when another copy
// of the program changed or deleted the row meanwhile, the offer to show the row as it is stored now.
namespace ConflictPrompt {

// Shows the refusal; true when the page should reload the table: after a delete (`typing` false)
// that met another copy's change, or when the user chose to drop the entry open with typed values.
bool refused(UiService &ui, QWidget *parent, const QString &error, Table::Conflict conflict, bool typing);

// The notice after a new row was saved under another number than the one shown.
QString renumbered(const QString &what, const QVariant &number);

} // namespace ConflictPrompt
