#pragma once

#include "forms/reportlayout.h"

#include <QStringList>

// The layouts of the printed forms, one function per form; problems collects any layout row
// that could not be read.
namespace FormLayouts {
ReportLayout anx01(QStringList *problems);
ReportLayout anx0102(QStringList *problems);
}
