#include "formlayouts.h"

ReportLayout FormLayouts::onePage(const QString &name, const QString &caption, const ReportBand &top,
    const QList<QList<ReportElement>> &pageParts)
{
    ReportLayout layout;
    layout.name = name;
    layout.caption = caption;
    layout.subDetail = top;
    for (const QList<ReportElement> &part : pageParts)
        layout.pageLayer += part;
    return layout;
}
