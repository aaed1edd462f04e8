#pragma once

// A paint device that records what is drawn on it instead of drawing:
// every text run with its position and pen colour, every picture with its
// target rectangle, every line, filled rectangle and stroked path. All
// positions are mapped through the painter's transform, so they are in the
// coordinates of the device (page units when the painter is not scaled).

#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QTextItem>
#include <QTransform>

struct RecordedText
{
    QString text;
    QPointF position; // the baseline's left end
    QColor colour;
    QFont font;
};

struct RecordedImage
{
    QRectF target;
    QSize size;
};

struct RecordedLine
{
    QLineF line;
    QColor colour;
};

struct RecordedFill
{
    QRectF rect;
    QColor colour;
};

struct RecordedStroke
{
    QRectF bounds;
    QColor colour;
};

// Everything drawn, in drawing order.
struct Recording
{
    QVector<RecordedText> texts;
    QVector<RecordedImage> images;
    QVector<RecordedLine> lines;
    QVector<RecordedFill> fills;
    QVector<RecordedStroke> strokes;

    // The texts exactly equal to text.
    QVector<RecordedText> textsEqualTo(const QString &text) const
    {
        QVector<RecordedText> found;
        for (const RecordedText &t : texts) {
            if (t.text == text)
                found.append(t);
        }
        return found;
    }
    QStringList allTexts() const
    {
        QStringList all;
        for (const RecordedText &t : texts)
            all.append(t.text);
        return all;
    }
};

class RecordingEngine : public QPaintEngine, public Recording
{
public:
    RecordingEngine()
        : QPaintEngine(QPaintEngine::AllFeatures)
    {
    }

    bool begin(QPaintDevice *) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }

    void updateState(const QPaintEngineState &state) override
    {
        if (state.state() & DirtyPen)
            m_pen = state.pen();
        if (state.state() & DirtyBrush)
            m_brush = state.brush();
        if (state.state() & DirtyTransform)
            m_transform = state.transform();
        if (state.state() & DirtyFont)
            m_font = state.font();
    }

    void drawTextItem(const QPointF &p, const QTextItem &item) override
    {
        texts.append({item.text(), m_transform.map(p), m_pen.color(), item.font()});
    }
    void drawImage(const QRectF &r, const QImage &image, const QRectF &, Qt::ImageConversionFlags) override
    {
        images.append({m_transform.mapRect(r), image.size()});
    }
    void drawPixmap(const QRectF &r, const QPixmap &pixmap, const QRectF &) override
    {
        images.append({m_transform.mapRect(r), pixmap.size()});
    }
    void drawLines(const QLineF *lines, int count) override
    {
        for (int i = 0; i < count; ++i)
            Recording::lines.append({m_transform.map(lines[i]), m_pen.color()});
    }
    void drawRects(const QRectF *rects, int count) override
    {
        for (int i = 0; i < count; ++i) {
            if (m_brush.style() != Qt::NoBrush)
                fills.append({m_transform.mapRect(rects[i]), m_brush.color()});
            if (m_pen.style() != Qt::NoPen)
                strokes.append({m_transform.mapRect(rects[i]), m_pen.color()});
        }
    }
    void drawPath(const QPainterPath &path) override
    {
        if (m_pen.style() != Qt::NoPen)
            strokes.append({m_transform.map(path).boundingRect(), m_pen.color()});
        if (m_brush.style() != Qt::NoBrush)
            fills.append({m_transform.map(path).boundingRect(), m_brush.color()});
    }
    void drawPolygon(const QPointF *, int, PolygonDrawMode) override {}

private:
    QPen m_pen;
    QBrush m_brush;
    QTransform m_transform;
    QFont m_font;
};

class RecordingDevice : public QPaintDevice
{
public:
    explicit RecordingDevice(const QSize &size = QSize(1000, 1400))
        : m_size(size)
    {
    }

    RecordingEngine engine;

    QPaintEngine *paintEngine() const override { return const_cast<RecordingEngine *>(&engine); }

protected:
    int metric(PaintDeviceMetric metric) const override
    {
        switch (metric) {
        case PdmWidth:
            return m_size.width();
        case PdmHeight:
            return m_size.height();
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return 96;
        case PdmDepth:
            return 32;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    QSize m_size;
};
