#include "fitcheck.h"

#include "elementplacer.h"
#include "fieldtext.h"
#include "lineroom.h"
#include "reportdatasource.h"
#include "reportrenderer.h"
#include "textmeasurer.h"

#include <algorithm>

namespace {

constexpr double tolerance = 1e-6;
constexpr double leftLimit = ReportRenderer::margin;

class Checker
{
public:
    Checker(ReportDataSource *source, TextMeasurer &measurer)
        : m_source(source)
        , m_measurer(measurer)
        , m_placer(measurer)
    { }

    void check(const QList<ReportElement> &elements, double originLeft, QList<FitCheck::Misfit> *misfits)
    {
        QStringList texts;
        for (const ReportElement &element : elements)
            texts << text(element);
        const QList<double> edges = LineRoom::rightEdges(elements, texts, originLeft, 0.0, m_placer);
        for (qsizetype i = 0; i < elements.size(); ++i) {
            const ReportElement &element = elements.at(i);
            if (element.kind != ReportElement::Kind::Field || texts.at(i).isEmpty())
                continue;
            FitCheck::Misfit misfit { element.content, texts.at(i), false, 1.0 };
            if (element.fixedBox)
                misfit.cut = !element.growsDownward && isCut(element, texts.at(i));
            else
                misfit.scale = scale(element, texts.at(i), originLeft, edges.at(i));
            if (misfit.cut || misfit.scale < FitCheck::minimumScale)
                misfits->append(misfit);
        }
    }

private:
    QString text(const ReportElement &element) const
    {
        switch (element.kind) {
        case ReportElement::Kind::Field:
            return m_source ? FieldText::display(m_source->value(element.content)) : QString();
        case ReportElement::Kind::Text:
        case ReportElement::Kind::Bullet:
            return element.caption();
        default:
            return {};
        }
    }

    bool isCut(const ReportElement &element, const QString &text)
    {
        const bool arabic = ElementFont::isArabic(text);
        const QStringList lines = m_measurer.wrap(text, element.font, arabic, element.width);
        return double(lines.size()) * m_measurer.lineHeight(element.font) > element.height + tolerance;
    }

    // How much of its width the value keeps once placed, as the placer condenses it.
    double scale(const ReportElement &element, const QString &text, double originLeft, double roomRight)
    {
        const double width = m_placer.naturalBox(element, text).width();
        if (width <= tolerance)
            return 1.0;
        const double left = originLeft + element.left;
        const double anchor = element.centred ? left + element.width / 2.0 : left;
        const double rightLimit = LineRoom::rightMargin;
        const double room = element.centred ? 2.0 * std::min(anchor - leftLimit, rightLimit - anchor)
                                            : std::min(rightLimit, roomRight) - anchor;
        return width > room + tolerance && room > 0.0 ? room / width : 1.0;
    }

    ReportDataSource *m_source;
    TextMeasurer &m_measurer;
    ElementPlacer m_placer;
};

} // namespace

QList<FitCheck::Misfit> FitCheck::misfits(
    const ReportLayout &layout, ReportDataSource *source, TextMeasurer &measurer)
{
    QList<Misfit> result;
    Checker checker(source, measurer);
    for (const std::optional<ReportBand> *band :
        { &layout.title, &layout.detail, &layout.subDetail, &layout.summary, &layout.pageFooter }) {
        if (*band)
            checker.check((*band)->elements, ReportRenderer::margin, &result);
    }
    checker.check(layout.pageLayer, 0.0, &result);
    return result;
}
