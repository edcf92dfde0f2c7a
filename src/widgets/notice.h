#pragma once

#include <QString>

class QLabel;
class QWidget;

// The scrolling notices of the "Organisme" and "Expatries" pages.
namespace Notice {
// The text both notices start with.
QString initialText();
// The text moved one character to the left, the first character going to the end.
QString rotated(const QString &text);
// The notice's one-line label on a page, in Times New Roman 15 pixels high.
QLabel *createLabel(QWidget *page, const char *objectName, int x, int y);
} // namespace Notice
