#pragma once

#include <QString>

// The scrolling notices of the "Organisme" and "Expatries" pages.
namespace Notice {
// The text both notices start with.
QString initialText();
// The text moved one character to the left, the first character going to the end.
QString rotated(const QString &text);
} // namespace Notice
