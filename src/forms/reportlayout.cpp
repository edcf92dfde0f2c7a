#include "reportlayout.h"

namespace {

void collectNames(const QList<ReportElement> &elements, QStringList *names)
{
    for (const ReportElement &element : elements) {
        if (!element.name.isEmpty())
            names->append(element.name);
    }
}

} // namespace

QStringList ReportLayout::labelNames() const
{
    QStringList names;
    for (const std::optional<ReportBand> *band : { &title, &detail, &subDetail, &summary, &pageFooter }) {
        if (*band)
            collectNames((*band)->elements, &names);
    }
    collectNames(pageLayer, &names);
    return names;
}
