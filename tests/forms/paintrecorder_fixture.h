#pragma once

#include <QBrush>
#include <QFont>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPen>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <memory>

// A paint device of A4 size at a chosen resolution that keeps a list of what is drawn on it,
// in device units, instead of producing pixels.
class PaintRecorder : public QPaintDevice
{
public:
    struct Operation
    {
        enum class Type { Rect, Line, Text, Other };
        Type type = Type::Other;
        QRectF rect; // Rect: the rectangle; Line: from topLeft to bottomRight
        QPointF position; // Text: left end of the baseline
        QString text;
        QFont font;
        QBrush brush;
        QPen pen;
        double textWidth = 0.0; // Text: advance width in device units
        double fontHeight = 0.0; // Text: the font's pixel size in device units
    };

    explicit PaintRecorder(int dotsPerInch = 300);
    ~PaintRecorder() override;

    QPaintEngine *paintEngine() const override;
    const QList<Operation> &operations() const;
    QList<Operation> texts() const;
    void clear();
    int dotsPerInch() const { return m_dpi; }
    double toMillimetres(double deviceUnits) const { return deviceUnits * 25.4 / m_dpi; }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    class Engine;
    int m_dpi;
    std::unique_ptr<Engine> m_engine;
};
