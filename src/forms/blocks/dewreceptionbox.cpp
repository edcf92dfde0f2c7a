#include "dewreceptionbox.h"

#include "forms/layoutbuilder.h"

namespace {

// clang-format off
// Positions from the box's top-left corner; shapes in drawing order, then the texts.
const LayoutRow boxRows[] = {
    // Top   Left  Width  Kind    Content                    Font  Notes
    {  0.0,  0.0, 57.4, "box",  "filled silver",           "",   "height 15.1" },
    {  0.0,  0.0, 57.4, "box",  "filled grey",             "",   "height 5.6" },  // title bar
    {  9.8,  0.0, 57.4, "box",  "filled white",            "",   "height 0.3" },  // divider
    {  0.5, 10.3, 33.6, "text", "Cadre réservé à la DEW",  "10", "grey background" },
    {  5.6,  0.8, 26.7, "text", "Date de réception :",     "10", "silver background" },
    { 10.1,  0.8, 16.7, "text", "N° dossier :",            "10", "silver background" },
};
constexpr int titleRow = 3;

struct Placement
{
    const char *forms;
    double top;
    double left;
    double titleTop;
};
const Placement placements[] = {
    { "anx_01 anx_02_Individuelle anx_04 anx_04_bis", 69.8, 12.2, 0.5 },
    { "Anx_07",                                       54.0, 12.2, 0.3 },
};
// clang-format on

} // namespace

QStringList DewReceptionBox::forms()
{
    QStringList result;
    for (const Placement &placement : placements)
        result += QString::fromLatin1(placement.forms).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    return result;
}

QList<ReportElement> DewReceptionBox::elements(const QString &form, QStringList *problems)
{
    for (const Placement &placement : placements) {
        if (!QString::fromLatin1(placement.forms).split(QLatin1Char(' ')).contains(form))
            continue;
        LayoutBuilder builder(placement.top, placement.left);
        for (int i = 0; i < int(std::size(boxRows)); ++i) {
            LayoutRow row = boxRows[i];
            if (i == titleRow)
                row.top = placement.titleTop;
            builder.add(row);
        }
        if (problems)
            problems->append(builder.problems());
        return builder.elements();
    }
    if (problems)
        problems->append(QStringLiteral("no reception box on form %1").arg(form));
    return {};
}
