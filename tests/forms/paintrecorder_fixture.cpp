#include "paintrecorder_fixture.h"

#include <QFontMetricsF>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>
#include <cmath>

class PaintRecorder::Engine : public QPaintEngine
{
public:
    Engine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    { }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & QPaintEngine::DirtyPen)
            m_pen = state.pen();
        if (state.state() & QPaintEngine::DirtyBrush)
            m_brush = state.brush();
        if (state.state() & QPaintEngine::DirtyTransform)
            m_transform = state.transform();
    }

    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            Operation operation;
            operation.type = Operation::Type::Rect;
            operation.rect = m_transform.mapRect(rects[i]);
            operation.brush = m_brush;
            operation.pen = m_pen;
            operations.append(operation);
        }
    }

    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i) {
            Operation operation;
            operation.type = Operation::Type::Line;
            operation.rect = QRectF(m_transform.map(lines[i].p1()), m_transform.map(lines[i].p2()));
            operation.pen = m_pen;
            operations.append(operation);
        }
    }

    void drawTextItem(const QPointF &position, const QTextItem &item) override
    {
        Operation operation;
        operation.type = Operation::Type::Text;
        operation.position = m_transform.map(position);
        operation.text = item.text();
        operation.font = item.font();
        operation.pen = m_pen;
        operation.textWidth = item.width() * m_transform.m11();
        operation.fontHeight = item.font().pixelSize() * m_transform.m22();
        operations.append(operation);
    }

    void drawPath(const QPainterPath &path) override
    {
        Operation operation;
        operation.rect = m_transform.mapRect(path.boundingRect());
        operation.brush = m_brush;
        operations.append(operation);
    }

    void drawPolygon(const QPointF *, int, PolygonDrawMode) override { operations.append(Operation()); }
    void drawPixmap(const QRectF &, const QPixmap &, const QRectF &) override
    {
        operations.append(Operation());
    }

    QList<Operation> operations;

private:
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
};

PaintRecorder::PaintRecorder(int dotsPerInch)
    : m_dpi(dotsPerInch)
    , m_engine(std::make_unique<Engine>())
{ }

PaintRecorder::~PaintRecorder() = default;

QPaintEngine *PaintRecorder::paintEngine() const
{
    return m_engine.get();
}

const QList<PaintRecorder::Operation> &PaintRecorder::operations() const
{
    return m_engine->operations;
}

QList<PaintRecorder::Operation> PaintRecorder::texts() const
{
    QList<Operation> result;
    for (const Operation &operation : m_engine->operations) {
        if (operation.type == Operation::Type::Text)
            result.append(operation);
    }
    return result;
}

void PaintRecorder::clear()
{
    m_engine->operations.clear();
}

int PaintRecorder::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return int(std::lround(210.0 / 25.4 * m_dpi));
    case PdmHeight:
        return int(std::lround(297.0 / 25.4 * m_dpi));
    case PdmWidthMM:
        return 210;
    case PdmHeightMM:
        return 297;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return m_dpi;
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 32;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(metric);
    }
}
