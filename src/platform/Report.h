// The report engine: layouts of pages, bands and objects reached by name, laid out over as many pages as
// they need, printed after the print dialog or shown in a modal preview. Every printout of the program
// goes through it.
#pragma once

#include <QColor>
#include <QDate>
#include <QFont>
#include <QImage>
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QStringList>

#include <functional>
#include <memory>
#include <vector>

class QPainter;
class QPrinter;
class QWidget;

namespace platform {

// Report units are 1/96 inch.
inline constexpr double kUnitsPerInch = 96.0;
inline constexpr double kUnitsPerMm = kUnitsPerInch / 25.4;

class ReportBand;

// An object of a band, placed in band coordinates (report units).
class ReportObject {
public:
    virtual ~ReportObject() = default;
    const QString& name() const { return name_; }
    QRectF rect() const { return rect_; }
    void setRect(const QRectF& rect) { rect_ = rect; }
    double height() const { return rect_.height(); }
    void setHeight(double height) { rect_.setHeight(height); }
    ReportBand* band() const { return band_; }

protected:
    explicit ReportObject(QString name, const QRectF& rect)
        : name_(std::move(name))
        , rect_(rect) {}

private:
    friend class ReportBand;
    QString name_;
    QRectF rect_;
    ReportBand* band_ = nullptr;
};

// A text box of one or more lines. Without word wrap every line is one printed line, cut at the right edge.
class ReportMemo : public ReportObject {
public:
    ReportMemo(QString name, const QRectF& rect)
        : ReportObject(std::move(name), rect) {}

    QString text() const { return lines_.join(QLatin1Char('\n')); }
    void setText(const QString& text);
    QStringList& lines() { return lines_; }
    const QStringList& lines() const { return lines_; }

    QFont font;
    QColor textColor = Qt::black;
    QColor fillColor = Qt::transparent;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignTop;
    bool wordWrap = false;
    bool frame = false;
    // Off: [DATE] and the like print as written (a memo of typed text).
    bool expressions = true;
    // Distance between two lines; 0 takes 1.2 times the font's size.
    double lineHeight = 0;
    double padding = 2;

    double effectiveLineHeight() const;

private:
    QStringList lines_;
};

// A picture scaled into its box, keeping its proportions, centred.
class ReportPicture : public ReportObject {
public:
    ReportPicture(QString name, const QRectF& rect)
        : ReportObject(std::move(name), rect) {}
    QImage image;
};

// A rectangle filled with a colour (transparent for none) and outlined by a solid black line one unit wide.
class ReportShape : public ReportObject {
public:
    ReportShape(QString name, const QRectF& rect)
        : ReportObject(std::move(name), rect) {}
    QColor fillColor = Qt::transparent;
};

// A solid black line one unit wide from the box's top left to its bottom right corner: a box of no width
// is a vertical line, one of no height a horizontal line.
class ReportLine : public ReportObject {
public:
    ReportLine(QString name, const QRectF& rect)
        : ReportObject(std::move(name), rect) {}
};

enum class BandKind {
    ReportTitle, // once, at the top of the first page
    PageHeader,  // at the top of every page
    MasterData,  // rowCount times
    Footer,      // once, after the master data
    Summary,     // once, at the end
    PageFooter,  // at the bottom of every page
};

class ReportBand {
public:
    ReportBand(QString name, BandKind kind, double height)
        : name_(std::move(name))
        , kind_(kind)
        , height_(height) {}
    const QString& name() const { return name_; }
    BandKind kind() const { return kind_; }
    double height() const { return height_; }
    void setHeight(double height) { height_ = height; }
    // A band taller than what is left of the page continues on the next one.
    bool allowSplit = false;
    int rowCount = 1;

    template <class T> T* add(std::unique_ptr<T> object) {
        T* raw = object.get();
        raw->band_ = this;
        objects_.push_back(std::move(object));
        return raw;
    }
    ReportMemo* addMemo(const QString& name, const QRectF& rect) {
        return add(std::make_unique<ReportMemo>(name, rect));
    }
    ReportPicture* addPicture(const QString& name, const QRectF& rect) {
        return add(std::make_unique<ReportPicture>(name, rect));
    }
    ReportShape* addShape(const QString& name, const QRectF& rect, const QColor& fill = Qt::transparent) {
        ReportShape* shape = add(std::make_unique<ReportShape>(name, rect));
        shape->fillColor = fill;
        return shape;
    }
    ReportLine* addLine(const QString& name, const QPointF& from, const QPointF& to) {
        return add(std::make_unique<ReportLine>(name, QRectF(from, to)));
    }
    // Drawn in this order, each over the ones before.
    const std::vector<std::unique_ptr<ReportObject>>& objects() const { return objects_; }

private:
    QString name_;
    BandKind kind_;
    double height_;
    std::vector<std::unique_ptr<ReportObject>> objects_;
};

// A page of the layout: its paper, orientation, margins and bands.
class ReportPage {
public:
    explicit ReportPage(QString name)
        : name_(std::move(name)) {}
    const QString& name() const { return name_; }
    QSizeF paperMm{210, 297}; // portrait width and height
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    double marginMm[4] = {10, 10, 10, 10}; // left, top, right, bottom

    ReportBand* addBand(const QString& name, BandKind kind, double height);
    const std::vector<std::unique_ptr<ReportBand>>& bands() const { return bands_; }

    QSizeF sizeUnits() const; // as oriented
    QRectF printableUnits() const;

private:
    QString name_;
    std::vector<std::unique_ptr<ReportBand>> bands_;
};

// What one prepared page holds, in page coordinates (report units).
struct PreparedItem {
    const ReportObject* source = nullptr; // the object of the layout
    QString name;
    QRectF rect;       // the object's box on this page
    QStringList lines; // memo: the lines printed on this page
    QRectF clip;       // the part of the band on this page
};

struct PreparedBand {
    QString name;
    double top = 0;
    double height = 0;
};

struct PreparedPage {
    QSizeF sizeUnits;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    QSizeF paperMm;
    QList<PreparedBand> bands;
    QList<PreparedItem> items;
    QStringList linesOf(const QString& memoName) const;
};

class Report {
public:
    Report();
    ~Report();
    Report(const Report&) = delete;
    Report& operator=(const Report&) = delete;

    // The layout's name; the print job carries it.
    void setName(const QString& name) { name_ = name; }
    const QString& name() const { return name_; }

    // How the preview first shows: maximised or not, and at a zoom (1 is 100 %) or fitted to the width (0).
    bool previewMaximised = false;
    double previewZoom = 0;

    ReportPage* addPage(const QString& name);
    const std::vector<std::unique_ptr<ReportPage>>& pages() const { return pages_; }

    // Objects, bands and pages by name; nullptr when absent.
    ReportObject* findObject(const QString& name) const;
    ReportMemo* findMemo(const QString& name) const { return dynamic_cast<ReportMemo*>(findObject(name)); }
    ReportPicture* findPicture(const QString& name) const {
        return dynamic_cast<ReportPicture*>(findObject(name));
    }
    ReportBand* findBand(const QString& name) const;
    ReportPage* findPage(const QString& name) const;

    // The date that [DATE] stands for in memo texts.
    void setDateSource(std::function<QDate()> today) { today_ = std::move(today); }

    // Lays the bands out over pages, discarding what was prepared before.
    void prepare();
    const QList<PreparedPage>& preparedPages() const { return prepared_; }

    // Draws one prepared page; the painter's unit is the report unit.
    void renderPage(QPainter& painter, int index) const;
    QImage renderPageImage(int index, double dpi = 96) const;

    // Shows the print dialog and prints the prepared report with its settings (copies, pages).
    // False when the user cancels; a printer that fails throws PrintFailure.
    bool print(QWidget* parent);
    // Prints the prepared report on a printer already set up; a printer that fails throws PrintFailure.
    void printOn(QPrinter& printer) const;
    // The modal preview: print, zoom, full screen, close. A print from it that fails shows the error box.
    void preview(QWidget* parent);

private:
    QString expand(const QString& text, int page, int pages) const;

    QString name_;
    std::vector<std::unique_ptr<ReportPage>> pages_;
    QList<PreparedPage> prepared_;
    std::function<QDate()> today_;
};

} // namespace platform
