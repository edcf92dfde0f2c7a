#include "processinggrid.h"

#include "forms/layoutbuilder.h"

namespace {

// clang-format off
// Paper coordinates; shapes in drawing order, then the texts.
const LayoutRow gridRows[] = {
    // Top    Left   Width  Kind     Content                                               Font    Notes
    { 235.7,  10.6, 188.6, "box",   "filled white",                                       "",     "height 58.7" },  // outer frame
    { 235.7,  10.6, 188.6, "box",   "filled silver",                                      "",     "height 8.7" },   // heading row
    { 244.2,  10.6, 188.6, "box",   "filled white",                                       "",     "height 8.7" },   // row 1
    { 252.7,  10.6, 188.6, "box",   "filled white",                                       "",     "height 8.7" },   // row 2
    { 261.1,  10.6, 188.6, "box",   "filled white",                                       "",     "height 8.7" },   // row 3
    { 244.2,  10.6,  67.2, "box",   "filled silver",                                      "",     "height 8.7" },   // row 1 label cell
    { 252.7,  10.6,  67.2, "box",   "filled silver",                                      "",     "height 8.7" },   // row 2 label cell
    { 261.1,  10.6,  67.2, "box",   "filled silver",                                      "",     "height 8.7" },   // row 3 label cell
    { 269.6,  10.6, 160.6, "box",   "filled white",                                       "",     "height 8.7" },   // row 4
    { 278.1,  10.6, 160.6, "box",   "filled white",                                       "",     "height 16.4" },  // row 5
    { 269.6,  10.6,  67.2, "box",   "filled silver",                                      "",     "height 24.9" },  // label cell of rows 4 and 5
    { 261.1, 170.9,  28.3, "box",   "filled silver",                                      "",     "height 8.7" },   // initials cell
    { 237.6,  66.4,  81.2, "text",  "Cadre réservé à la Direction de Wilaya de l'Emploi", "12",   "transparent" },
    { 247.1,  32.5,  23.3, "text",  "N° DOSSIER",                                         "12",   "transparent" },
    { 254.5,  80.4,  29.1, "field", "Type_demande",                                       "13 B", "" },
    { 255.9,  25.7,  38.1, "text",  "TYPE DE DEMANDE",                                    "12",   "transparent" },
    { 264.3,  29.6,  29.9, "text",  "EXAMINATEUR",                                        "12",   "transparent" },
    { 264.3, 175.7,  18.8, "text",  "PARAPHE",                                            "12",   "transparent" },
    { 272.5,  79.1,  38.1, "text",  "Favorable / Date début:",                            "12",   "transparent" },
    { 278.3,  79.1,  33.6, "text",  "Défavorable / Motif :",                              "12",   "transparent" },
    { 279.7,  19.3,  50.0, "text",  "AVIS DE L'EXAMINATEUR",                              "12",   "transparent" },
};
constexpr int requestTypeRow = 14;
// The request type sits a little further left on the work permit letter.
constexpr double permitRequestTypeLeft = 80.2;
const char *const gridForms[] = { "demande_apt", "DEMANDE_permis" };
// clang-format on

} // namespace

QStringList ProcessingGrid::forms()
{
    QStringList result;
    for (const char *form : gridForms)
        result.append(QString::fromLatin1(form));
    return result;
}

QList<ReportElement> ProcessingGrid::elements(const QString &form, QStringList *problems)
{
    if (!forms().contains(form)) {
        if (problems)
            problems->append(QStringLiteral("no processing grid on form %1").arg(form));
        return {};
    }
    LayoutBuilder builder;
    for (int i = 0; i < int(std::size(gridRows)); ++i) {
        LayoutRow row = gridRows[i];
        if (i == requestTypeRow && form == QLatin1String("DEMANDE_permis"))
            row.left = permitRequestTypeLeft;
        builder.add(row);
    }
    if (problems)
        problems->append(builder.problems());
    return builder.elements();
}
