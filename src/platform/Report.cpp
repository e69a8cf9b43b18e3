#include "platform/Report.h"

#include "platform/PrintJob.h"
#include "platform/Screen.h"

#include <QAction>
#include <QDialog>
#include <QMenu>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace platform {

namespace {

constexpr double kEps = 1e-6;

// A memo printed line by line can be cut between two lines; anything else moves whole.
bool splitsByLines(const ReportObject* object) {
    const auto* memo = dynamic_cast<const ReportMemo*>(object);
    return memo && !memo->wordWrap;
}

// A font sized in points, set on a painter that works in report units. Qt rounds a font's size to whole
// pixels of the painter's units (an 8 pt font, 10.67 units, would print as 11), so the font is set
// kTextScale times larger and the painter scaled down by the returned factor: the text then measures what
// its points say on any device.
constexpr double kTextScale = 64;

double setTextFont(QPainter& painter, const QFont& font) {
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    const double units = points * kUnitsPerInch / 72.0;
    const int pixels = std::max(1, int(std::lround(units * kTextScale)));
    QFont scaled = font;
    scaled.setPixelSize(pixels);
    painter.setFont(scaled);
    const double scale = units / pixels;
    painter.scale(scale, scale);
    return scale;
}

QPageLayout layoutOf(const PreparedPage& page) {
    return QPageLayout(QPageSize(page.paperMm, QPageSize::Millimeter), page.orientation, QMarginsF());
}

} // namespace

void ReportMemo::setText(const QString& text) {
    lines_ = text.isEmpty() ? QStringList() : text.split(QLatin1Char('\n'));
}

double ReportMemo::effectiveLineHeight() const {
    if (lineHeight > 0)
        return lineHeight;
    const double points = font.pointSizeF() > 0 ? font.pointSizeF() : 10;
    return points * kUnitsPerInch / 72.0 * 1.2;
}

ReportBand* ReportPage::addBand(const QString& name, BandKind kind, double height) {
    bands_.push_back(std::make_unique<ReportBand>(name, kind, height));
    return bands_.back().get();
}

QSizeF ReportPage::sizeUnits() const {
    const QSizeF portrait = paperMm * kUnitsPerMm;
    return orientation == QPageLayout::Landscape ? portrait.transposed() : portrait;
}

QRectF ReportPage::printableUnits() const {
    const QSizeF size = sizeUnits();
    return QRectF(
        QPointF(marginMm[0], marginMm[1]) * kUnitsPerMm,
        QPointF(size.width() - marginMm[2] * kUnitsPerMm, size.height() - marginMm[3] * kUnitsPerMm));
}

QStringList PreparedPage::linesOf(const QString& memoName) const {
    QStringList lines;
    for (const PreparedItem& item : items)
        if (item.name == memoName)
            lines += item.lines;
    return lines;
}

Report::Report()
    : today_([] { return QDate::currentDate(); }) {}
Report::~Report() = default;

ReportPage* Report::addPage(const QString& name) {
    pages_.push_back(std::make_unique<ReportPage>(name));
    return pages_.back().get();
}

ReportObject* Report::findObject(const QString& name) const {
    for (const auto& page : pages_)
        for (const auto& band : page->bands())
            for (const auto& object : band->objects())
                if (object->name() == name)
                    return object.get();
    return nullptr;
}

ReportBand* Report::findBand(const QString& name) const {
    for (const auto& page : pages_)
        for (const auto& band : page->bands())
            if (band->name() == name)
                return band.get();
    return nullptr;
}

ReportPage* Report::findPage(const QString& name) const {
    for (const auto& page : pages_)
        if (page->name() == name)
            return page.get();
    return nullptr;
}

namespace {

// Lays the bands of one page of the layout over as many prepared pages as they need.
class Paginator {
public:
    Paginator(const ReportPage& page, QList<PreparedPage>& out)
        : page_(page)
        , out_(out) {
        area_ = page.printableUnits();
        for (const auto& band : page.bands())
            if (band->kind() == BandKind::PageFooter)
                footerHeight_ += band->height();
    }

    void run() {
        startPage();
        const BandKind flowOrder[] = {BandKind::ReportTitle, BandKind::MasterData, BandKind::Footer,
                                      BandKind::Summary};
        for (BandKind kind : flowOrder)
            for (const auto& band : page_.bands())
                if (band->kind() == kind)
                    for (int row = 0; row < (kind == BandKind::MasterData ? band->rowCount : 1); ++row)
                        place(*band);
        finishPage();
    }

private:
    void startPage() {
        PreparedPage p;
        p.sizeUnits = page_.sizeUnits();
        p.orientation = page_.orientation;
        p.paperMm = page_.paperMm;
        out_.append(p);
        y_ = area_.top();
        hasFlow_ = false;
        for (const auto& band : page_.bands())
            if (band->kind() == BandKind::PageHeader)
                put(*band, 0, band->height(), true);
    }

    void finishPage() {
        y_ = area_.bottom() - footerHeight_;
        for (const auto& band : page_.bands())
            if (band->kind() == BandKind::PageFooter)
                put(*band, 0, band->height(), true);
    }

    void nextPage() {
        finishPage();
        startPage();
    }

    double bottom() const { return area_.bottom() - footerHeight_; }

    void place(const ReportBand& band) {
        double from = 0;
        for (;;) {
            const double avail = bottom() - y_;
            const double rest = band.height() - from;
            if (rest <= avail + kEps) {
                put(band, from, band.height(), true);
                return;
            }
            if (!band.allowSplit || avail <= kEps) {
                if (hasFlow_) {
                    nextPage();
                    continue;
                }
                // Taller than a whole page and not splittable: printed cut at the page's end.
                put(band, from, band.height(), true);
                return;
            }
            double cut = cutAt(band, from, from + avail);
            if (cut <= from + kEps) {
                if (hasFlow_) {
                    nextPage();
                    continue;
                }
                cut = from + avail; // not even one line fits an empty page: cut through it
            }
            put(band, from, cut, false);
            from = cut;
            nextPage();
        }
    }

    // The lowest position at or above limit where no object is cut, but between two memo lines.
    static double cutAt(const ReportBand& band, double from, double limit) {
        double cut = limit;
        for (bool moved = true; moved;) {
            moved = false;
            for (const auto& object : band.objects()) {
                const QRectF r = object->rect();
                if (r.top() >= cut - kEps || r.bottom() <= cut + kEps)
                    continue;
                double wanted = r.top();
                if (splitsByLines(object.get())) {
                    const double lh = static_cast<const ReportMemo*>(object.get())->effectiveLineHeight();
                    wanted = r.top() + std::floor((cut - r.top()) / lh + kEps) * lh;
                }
                if (wanted < cut - kEps && wanted > from + kEps) {
                    cut = wanted;
                    moved = true;
                } else if (wanted <= from + kEps && r.top() > from + kEps) {
                    cut = r.top();
                    moved = true;
                }
            }
        }
        return cut;
    }

    // Places the part [from, to) of the band at the current position.
    void put(const ReportBand& band, double from, double to, bool last) {
        PreparedPage& page = out_.last();
        const double top = y_;
        page.bands.append({band.name(), top, to - from});
        const QRectF clip(area_.left(), top, area_.width(), to - from);
        for (const auto& object : band.objects()) {
            const QRectF r = object->rect();
            const bool whole = r.top() >= from - kEps && (r.bottom() <= to + kEps || (last && from <= kEps));
            PreparedItem item;
            item.source = object.get();
            item.name = object->name();
            item.clip = clip;
            const auto* memo = dynamic_cast<const ReportMemo*>(object.get());
            if (whole) {
                if (r.top() >= to - kEps && r.height() > kEps)
                    continue; // starts below this part
                item.rect = r.translated(area_.left(), top - from);
                if (memo)
                    item.lines = memo->lines();
            } else if (splitsByLines(object.get())) {
                if (r.bottom() <= from + kEps || r.top() >= to - kEps)
                    continue;
                const double lh = memo->effectiveLineHeight();
                for (qsizetype i = 0; i < memo->lines().size(); ++i) {
                    const double start = r.top() + double(i) * lh;
                    const bool fits = last ? start < to - kEps : start + lh <= to + kEps;
                    if (start >= from - kEps && fits)
                        item.lines.append(memo->lines().at(i));
                }
                const double visTop = std::max(r.top(), from);
                const double visBottom = std::min(r.bottom(), to);
                item.rect =
                    QRectF(r.left() + area_.left(), top + visTop - from, r.width(), visBottom - visTop);
            } else {
                continue; // moved whole to the part where it starts
            }
            page.items.append(item);
        }
        y_ = top + (to - from);
        if (band.kind() != BandKind::PageHeader && band.kind() != BandKind::PageFooter)
            hasFlow_ = true;
    }

    const ReportPage& page_;
    QList<PreparedPage>& out_;
    QRectF area_;
    double footerHeight_ = 0;
    double y_ = 0;
    bool hasFlow_ = false;
};

} // namespace

QString Report::expand(const QString& text, int page, int pages) const {
    if (!text.contains(QLatin1Char('[')))
        return text;
    QString out = text;
    out.replace(QLatin1String("[DATE]"), today_().toString(QStringLiteral("dd/MM/yyyy")));
    out.replace(QLatin1String("[PAGE#]"), QString::number(page));
    out.replace(QLatin1String("[TOTALPAGES#]"), QString::number(pages));
    return out;
}

void Report::prepare() {
    prepared_.clear();
    for (const auto& page : pages_)
        Paginator(*page, prepared_).run();
    const int total = int(prepared_.size());
    for (int p = 0; p < total; ++p)
        for (PreparedItem& item : prepared_[p].items) {
            const auto* memo = dynamic_cast<const ReportMemo*>(item.source);
            if (memo && !memo->expressions)
                continue;
            for (QString& line : item.lines)
                line = expand(line, p + 1, total);
        }
}

void Report::renderPage(QPainter& painter, int index) const {
    const PreparedPage& page = prepared_.at(index);
    painter.save();
    const QPen outline(Qt::black, 1, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
    for (const PreparedItem& item : page.items) {
        painter.save();
        if (const auto* shape = dynamic_cast<const ReportShape*>(item.source)) {
            // The outline lies on the box's edge, so two shapes that touch share one line.
            painter.setClipRect(item.rect.adjusted(-0.5, -0.5, 0.5, 0.5).intersected(item.clip));
            painter.setPen(outline);
            painter.setBrush(shape->fillColor.alpha() > 0 ? QBrush(shape->fillColor) : QBrush());
            painter.drawRect(item.rect);
        } else if (dynamic_cast<const ReportLine*>(item.source)) {
            // A line has no area of its own: only the band's part on this page bounds it.
            painter.setClipRect(item.clip);
            painter.setPen(outline);
            painter.drawLine(item.rect.topLeft(), item.rect.bottomRight());
        } else if (const auto* memo = dynamic_cast<const ReportMemo*>(item.source)) {
            painter.setClipRect(item.rect.intersected(item.clip).adjusted(0, 0, 0.01, 0.01));
            if (memo->fillColor.alpha() > 0)
                painter.fillRect(item.rect, memo->fillColor);
            painter.setPen(memo->textColor);
            painter.save();
            const double scale = setTextFont(painter, memo->font);
            const auto inFontUnits = [scale](const QRectF& r) {
                return QRectF(r.topLeft() / scale, r.size() / scale);
            };
            const QRectF inner = item.rect.adjusted(memo->padding, 0, -memo->padding, 0);
            const Qt::Alignment horizontal = memo->alignment & Qt::AlignHorizontal_Mask;
            if (memo->wordWrap) {
                painter.drawText(inFontUnits(inner), int(memo->alignment) | Qt::TextWordWrap,
                                 item.lines.join(QLatin1Char('\n')));
            } else {
                const double lh = memo->effectiveLineHeight();
                const double block = lh * double(item.lines.size());
                double y = inner.top();
                if (memo->alignment & Qt::AlignVCenter)
                    y += (inner.height() - block) / 2;
                else if (memo->alignment & Qt::AlignBottom)
                    y += inner.height() - block;
                for (const QString& line : item.lines) {
                    painter.drawText(inFontUnits(QRectF(inner.left(), y, inner.width(), lh)),
                                     int(horizontal | Qt::AlignVCenter) | Qt::TextSingleLine, line);
                    y += lh;
                }
            }
            painter.restore();
            if (memo->frame) {
                // Inside the box, so that the clip leaves all four sides whole.
                painter.setPen(QPen(Qt::black, 1));
                painter.drawRect(item.rect.adjusted(0.5, 0.5, -0.5, -0.5));
            }
        } else if (const auto* picture = dynamic_cast<const ReportPicture*>(item.source)) {
            painter.setClipRect(item.rect.intersected(item.clip).adjusted(0, 0, 0.01, 0.01));
            if (!picture->image.isNull()) {
                QSizeF size = picture->image.size();
                size.scale(item.rect.size(), Qt::KeepAspectRatio);
                const QRectF target(item.rect.center() - QPointF(size.width() / 2, size.height() / 2), size);
                painter.drawImage(target, picture->image);
            }
        }
        painter.restore();
    }
    painter.restore();
}

QImage Report::renderPageImage(int index, double dpi) const {
    const PreparedPage& page = prepared_.at(index);
    const double scale = dpi / kUnitsPerInch;
    QImage image((page.sizeUnits * scale).toSize(), QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(scale, scale);
    renderPage(painter, index);
    return image;
}

namespace {

// Pages chosen in the dialog, 0-based and inclusive.
std::pair<int, int> pageRange(const QPrinter& printer, int pages) {
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        const int from = std::max(1, printer.fromPage());
        const int to = printer.toPage() > 0 ? std::min(pages, printer.toPage()) : pages;
        return {from - 1, to - 1};
    }
    return {0, pages - 1};
}

} // namespace

void Report::printOn(QPrinter& printer) const {
    if (prepared_.isEmpty())
        return;
    printer.setFullPage(true);
    const auto [first, last] = pageRange(printer, int(prepared_.size()));
    if (first > last)
        return;
    // Where the printer cannot make copies itself, each copy is sent in turn.
    const int copies = printer.supportsMultipleCopies() ? 1 : std::max(1, printer.copyCount());
    printer.setPageLayout(layoutOf(prepared_.at(first)));
    QPainter painter;
    if (!painter.begin(&printer))
        throw PrintFailure(kPrintFailed);
    bool firstPage = true;
    for (int copy = 0; copy < copies; ++copy) {
        for (int i = first; i <= last; ++i) {
            if (!firstPage) {
                printer.setPageLayout(layoutOf(prepared_.at(i)));
                printer.newPage();
            }
            firstPage = false;
            painter.resetTransform();
            const double scale = printer.resolution() / kUnitsPerInch;
            painter.scale(scale, scale);
            renderPage(painter, i);
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw PrintFailure(kPrintFailed);
}

bool Report::print(QWidget* parent) {
    if (prepared_.isEmpty())
        prepare();
    PrintJob job;
    if (!prepared_.isEmpty())
        job.setPageLayout(layoutOf(prepared_.first()));
    if (!name_.isEmpty())
        job.setDocumentName(name_);
    if (!job.choosePrinter(parent, int(prepared_.size())))
        return false;
    printOn(job.printer());
    return true;
}

void Report::preview(QWidget* parent) {
    if (prepared_.isEmpty())
        prepare();
    QDialog dialog(parent);
    dialog.setObjectName(QStringLiteral("frmAnteprima"));
    dialog.setWindowTitle(QStringLiteral(" Anteprima di stampa"));
    dialog.resize(1000, 760);
    PrintJob job;
    if (!prepared_.isEmpty())
        job.setPageLayout(layoutOf(prepared_.first()));
    auto* layout = new QVBoxLayout(&dialog);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* bar = new QToolBar(&dialog);
    auto* view = new QPrintPreviewWidget(&job.printer(), &dialog);
    view->setObjectName(QStringLiteral("preview"));
    layout->addWidget(bar);
    layout->addWidget(view);
    if (previewZoom > 0) {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(previewZoom);
    }
    if (previewMaximised)
        dialog.setWindowState(dialog.windowState() | Qt::WindowMaximized);
    else
        fitIntoScreen(&dialog);
    QObject::connect(view, &QPrintPreviewWidget::paintRequested, view, [this](QPrinter* target) {
        const int pages = int(prepared_.size());
        QPainter painter(target);
        for (int i = 0; i < pages; ++i) {
            if (i > 0) {
                target->setPageLayout(layoutOf(prepared_.at(i)));
                target->newPage();
            }
            painter.resetTransform();
            const double scale = target->resolution() / kUnitsPerInch;
            painter.scale(scale, scale);
            renderPage(painter, i);
        }
    });
    auto add = [&](const QString& name, const QString& text, auto slot) {
        QAction* action = bar->addAction(text);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, &dialog, slot);
        return action;
    };
    // The commands: print, zoom, full screen and close; the zoom's steps are in its menu.
    add(QStringLiteral("actStampa"), QStringLiteral("Stampa"),
        [this, &dialog] { guardPrint(&dialog, kPrintFailed, [this, &dialog] { print(&dialog); }); });
    auto* zoomMenu = new QMenu(&dialog);
    auto zoomStep = [&](const QString& name, const QString& text, auto slot) {
        QAction* action = zoomMenu->addAction(text);
        action->setObjectName(name);
        QObject::connect(action, &QAction::triggered, &dialog, slot);
    };
    zoomStep(QStringLiteral("actZoomPiu"), QStringLiteral("Ingrandisci"), [view] { view->zoomIn(); });
    zoomStep(QStringLiteral("actZoomMeno"), QStringLiteral("Riduci"), [view] { view->zoomOut(); });
    zoomStep(QStringLiteral("actZoom100"), QStringLiteral("100 %"), [view] {
        view->setZoomMode(QPrintPreviewWidget::CustomZoom);
        view->setZoomFactor(1);
    });
    zoomStep(QStringLiteral("actLarghezza"), QStringLiteral("Adatta alla larghezza"),
             [view] { view->fitToWidth(); });
    zoomStep(QStringLiteral("actPagina"), QStringLiteral("Pagina intera"), [view] { view->fitInView(); });
    QAction* zoom = bar->addAction(QStringLiteral("Zoom"));
    zoom->setObjectName(QStringLiteral("actZoom"));
    zoom->setMenu(zoomMenu);
    if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(zoom)))
        button->setPopupMode(QToolButton::InstantPopup);
    QAction* full = add(QStringLiteral("actSchermoIntero"), QStringLiteral("Schermo intero"), [] {});
    full->setCheckable(true);
    // Leaving the full screen gives back the window as it was, maximised or not.
    QObject::connect(full, &QAction::toggled, &dialog, [&dialog](bool on) {
        dialog.setWindowState(on ? dialog.windowState() | Qt::WindowFullScreen
                                 : dialog.windowState() & ~Qt::WindowFullScreen);
    });
    add(QStringLiteral("actChiudi"), QStringLiteral("Chiudi"), [&dialog] { dialog.reject(); });
    dialog.exec();
}

} // namespace platform
