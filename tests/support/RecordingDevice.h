// A paint device of a given page size and resolution that records the documents painted on it (one per
// begin and end) and the texts drawn in each, and replays a document as an image to look at.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>
#include <QSize>
#include <QString>
#include <QTextItem>

#include <cmath>
#include <memory>

namespace testsupport {

struct RecordedText {
    QPointF baseline; // start of the text's baseline, in dots
    QString text;
    QFont font;
    QColor colour;
};

struct RecordedDocument {
    QList<RecordedText> texts;
    bool ended = false;
};

class RecordingDevice : public QPaintDevice {
public:
    // An A4 page at 1200 dots per inch unless told otherwise.
    explicit RecordingDevice(QSize pageDots = QSize(9921, 14031), int dpi = 1200)
        : page_(pageDots)
        , dpi_(dpi)
        , engine_(std::make_unique<Engine>(this)) {}
    ~RecordingDevice() override = default;

    QList<RecordedDocument> documents;

    QPaintEngine* paintEngine() const override { return engine_.get(); }

    // The texts of one document whose text equals text.
    QList<RecordedText> find(int document, const QString& text) const {
        QList<RecordedText> hits;
        for (const RecordedText& t : documents.at(document).texts)
            if (t.text == text)
                hits.append(t);
        return hits;
    }

    // The document drawn again on a white page at imageDpi.
    QImage image(int document, int imageDpi = 96) const {
        const double scale = double(imageDpi) / dpi_;
        QImage out(int(std::ceil(page_.width() * scale)), int(std::ceil(page_.height() * scale)),
                   QImage::Format_RGB32);
        out.setDotsPerMeterX(int(std::lround(imageDpi / 0.0254)));
        out.setDotsPerMeterY(int(std::lround(imageDpi / 0.0254)));
        out.fill(Qt::white);
        QPainter p(&out);
        for (const RecordedText& t : documents.at(document).texts) {
            p.setPen(t.colour);
            p.setFont(t.font);
            p.drawText(t.baseline * scale, t.text);
        }
        return out;
    }

protected:
    int metric(PaintDeviceMetric m) const override {
        switch (m) {
        case PdmWidth:
            return page_.width();
        case PdmHeight:
            return page_.height();
        case PdmWidthMM:
            return int(page_.width() * 25.4 / dpi_);
        case PdmHeightMM:
            return int(page_.height() * 25.4 / dpi_);
        case PdmNumColors:
            return 0xffffff;
        case PdmDepth:
            return 32;
        case PdmDpiX:
        case PdmDpiY:
        case PdmPhysicalDpiX:
        case PdmPhysicalDpiY:
            return dpi_;
        case PdmDevicePixelRatio:
            return 1;
        case PdmDevicePixelRatioScaled:
            return int(devicePixelRatioFScale());
        default:
            return 0;
        }
    }

private:
    class Engine : public QPaintEngine {
    public:
        explicit Engine(RecordingDevice* device)
            : QPaintEngine(AllFeatures)
            , device_(device) {}
        bool begin(QPaintDevice*) override {
            device_->documents.append(RecordedDocument());
            return true;
        }
        bool end() override {
            device_->documents.last().ended = true;
            return true;
        }
        void updateState(const QPaintEngineState&) override {}
        void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
        void drawPolygon(const QPointF*, int, PolygonDrawMode) override {}
        void drawPath(const QPainterPath&) override {}
        void drawTextItem(const QPointF& p, const QTextItem& item) override {
            RecordedText t;
            t.baseline = painter()->transform().map(p);
            t.text = item.text();
            t.font = item.font();
            t.colour = painter()->pen().color();
            device_->documents.last().texts.append(t);
        }
        Type type() const override { return User; }

    private:
        RecordingDevice* device_;
    };

    QSize page_;
    int dpi_;
    std::unique_ptr<Engine> engine_;
};

} // namespace testsupport
