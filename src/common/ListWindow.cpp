#include "common/ListWindow.h"

#include "common/Clock.h"
#include "common/Failure.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "platform/Report.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringListModel>

#include <algorithm>
#include <optional>
#include <utility>
#include <vector>

namespace common {

namespace {

inline char16_t folded(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

// Nine code units, a-z folded, packed so that chunks compare as the characters do: each as its value + 1
// in 17 bits, three to a word, past the end as 0, so a prefix comes first.
struct Chunk {
    quint64 high;
    quint64 middle;
    quint64 low;
    friend auto operator<=>(const Chunk&, const Chunk&) = default;
};
constexpr int kChunkUnits = 9;
constexpr quint64 kUnitMask = (quint64(1) << 17) - 1;

// A line to sort: its characters, its place in the file, and the chunk of the sort's current depth.
struct SortItem {
    const char16_t* text;
    qsizetype size;
    qsizetype index;
    Chunk chunk;
};

inline quint64 packAt(const SortItem& item, qsizetype d) {
    quint64 word = 0;
    for (qsizetype p = d; p < d + 3; ++p)
        word = (word << 17) | (p < item.size ? quint64(folded(item.text[p])) + 1 : 0);
    return word;
}

inline Chunk chunkAt(const SortItem& item, qsizetype d) {
    return {packAt(item, d), packAt(item, d + 3), packAt(item, d + 6)};
}

// Lines equal up to depth d: the comparison from there, then the file order.
bool lessFrom(const SortItem& a, const SortItem& b, qsizetype d) {
    const qsizetype n = std::min(a.size, b.size);
    for (; d < n; ++d) {
        const char16_t ca = folded(a.text[d]);
        const char16_t cb = folded(b.text[d]);
        if (ca != cb)
            return ca < cb;
    }
    return a.size != b.size ? a.size < b.size : a.index < b.index;
}

// Multikey quicksort on chunks held in the items: partitions on nine code units at a time, so the long
// beginnings that list lines share are looked at once per partition, and the partitioning reads only
// the items, not the lines. Every item's chunk is the one at depth d.
void sortFrom(SortItem* items, qsizetype count, qsizetype d) {
    while (count > 1) {
        if (count < 12) {
            std::sort(items, items + count,
                      [d](const SortItem& a, const SortItem& b) { return lessFrom(a, b, d); });
            return;
        }
        const Chunk a = items[0].chunk;
        const Chunk b = items[count / 2].chunk;
        const Chunk c = items[count - 1].chunk;
        const Chunk pivot = std::max(std::min(a, b), std::min(std::max(a, b), c));
        qsizetype lt = 0, i = 0, gt = count;
        while (i < gt) {
            const Chunk ch = items[i].chunk;
            if (ch < pivot)
                std::swap(items[lt++], items[i++]);
            else if (ch > pivot)
                std::swap(items[i], items[--gt]);
            else
                ++i;
        }
        sortFrom(items, lt, d);
        sortFrom(items + gt, count - gt, d);
        items += lt;
        count = gt - lt;
        if ((pivot.low & kUnitMask) == 0) {
            // The lines end in this chunk and are equal: they keep their file order.
            std::sort(items, items + count,
                      [](const SortItem& x, const SortItem& y) { return x.index < y.index; });
            return;
        }
        d += kChunkUnits;
        for (qsizetype k = 0; k < count; ++k) {
            if (k + 8 < count && d < items[k + 8].size)
                __builtin_prefetch(items[k + 8].text + d);
            items[k].chunk = chunkAt(items[k], d);
        }
    }
}

} // namespace

void sortLines(QStringList& lines) {
    lines.detach();
    std::vector<SortItem> items;
    items.reserve(static_cast<size_t>(lines.size()));
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& line = lines.at(i);
        SortItem item{reinterpret_cast<const char16_t*>(line.constData()), line.size(), i, {}};
        item.chunk = chunkAt(item, 0);
        items.push_back(item);
    }
    sortFrom(items.data(), qsizetype(items.size()), 0);
    // The lines move to their places; their characters are not touched again.
    QString* from = lines.data();
    QStringList sorted;
    sorted.reserve(lines.size());
    for (const SortItem& item : items)
        sorted.append(std::move(from[item.index]));
    lines = std::move(sorted);
}

int findInList(const QStringList& lines, int selected, const QString& typed, QString& lastSearch) {
    if (lines.isEmpty())
        return -1;
    const int count = int(lines.size());
    if (selected < 0 || selected >= count)
        selected = 0;
    // As typed, not trimmed; only A-Z fold.
    QString folded = typed;
    for (QChar& c : folded)
        if (c >= QLatin1Char('A') && c <= QLatin1Char('Z'))
            c = QChar(c.unicode() + 32);
    auto matches = [&](int i) { return !folded.isEmpty() && ContainsFolded(lines.at(i), folded); };
    int start = 0;
    int index = 0;
    bool hit = false;
    if (folded != lastSearch) {
        hit = matches(0);
    } else {
        start = selected;
        index = selected;
    }
    if (!hit) {
        do {
            index = (index + 1) % count;
            hit = matches(index);
        } while (!hit && index != start);
    }
    lastSearch = folded;
    return hit ? index : selected;
}

namespace {

// Every line is as wide as the widest list line may be, so long lines scroll sideways instead of being cut.
class LineModel : public QStringListModel {
public:
    LineModel(QObject* parent, int lineHeight, int itemWidth)
        : QStringListModel(parent)
        , lineHeight_(lineHeight)
        , itemWidth_(itemWidth) {}
    QVariant data(const QModelIndex& index, int role) const override {
        if (role == Qt::SizeHintRole)
            return QSize(itemWidth_, lineHeight_);
        return QStringListModel::data(index, role);
    }
    void setItemWidth(int width) {
        itemWidth_ = width;
        // The view caches item sizes: a layout change makes it ask again.
        Q_EMIT layoutAboutToBeChanged();
        Q_EMIT layoutChanged();
    }

private:
    int lineHeight_;
    int itemWidth_;
};

constexpr double kLineHeight = 12.822;
constexpr double kBandSpare = 10;
const QColor kSlateGrey(112, 128, 144);
} // namespace

std::unique_ptr<platform::Report> makeRiepilogoDati() {
    using platform::BandKind;
    auto report = std::make_unique<platform::Report>();
    report->setDateSource(&common::today);
    platform::ReportPage* page = report->addPage(QStringLiteral("Page"));
    page->paperMm = {210, 297};
    page->orientation = QPageLayout::Landscape;
    const double width = page->printableUnits().width();

    platform::ReportBand* title = page->addBand(QStringLiteral("ReportTitle"), BandKind::ReportTitle, 30.24);
    platform::ReportMemo* txtTitolo = title->addMemo(QStringLiteral("txtTitolo"), QRectF(0, 0, width, 22.68));
    txtTitolo->font = QFont(QStringLiteral("Verdana"), 9, QFont::Bold);
    txtTitolo->textColor = Qt::white;
    txtTitolo->fillColor = kSlateGrey;
    txtTitolo->alignment = Qt::AlignCenter;
    txtTitolo->setText(QStringLiteral("Riepilogo"));

    platform::ReportBand* data =
        page->addBand(QStringLiteral("MasterData"), BandKind::MasterData, kBandSpare);
    data->allowSplit = true;
    platform::ReportMemo* txtRiepilogo =
        data->addMemo(QStringLiteral("txtRiepilogo"), QRectF(0, 0, 1031.8, 0));
    txtRiepilogo->font = QFont(QStringLiteral("Courier New"), 8);
    txtRiepilogo->lineHeight = kLineHeight;

    platform::ReportBand* footer = page->addBand(QStringLiteral("Footer"), BandKind::Footer, 30.24);
    platform::ReportMemo* txtPagina =
        footer->addMemo(QStringLiteral("txtPagina"), QRectF(0, 7.56, width, 22.68));
    txtPagina->font = QFont(QStringLiteral("Verdana"), 8, QFont::Bold);
    txtPagina->textColor = Qt::white;
    txtPagina->fillColor = kSlateGrey;
    txtPagina->alignment = Qt::AlignCenter;
    txtPagina->setText(QStringLiteral("Stampa eseguita in data [DATE]"));
    return report;
}

void fillRiepilogoDati(platform::Report& report, const QString& title, const QStringList& lines) {
    platform::ReportMemo* txtTitolo = report.findMemo(QStringLiteral("txtTitolo"));
    platform::ReportMemo* txtRiepilogo = report.findMemo(QStringLiteral("txtRiepilogo"));
    platform::ReportBand* masterData = report.findBand(QStringLiteral("MasterData"));
    if (!txtTitolo || !txtRiepilogo || !masterData)
        throw Failure("the list print layout lacks an object");
    txtTitolo->setText(title);
    txtRiepilogo->lines() = lines;
    txtRiepilogo->setHeight(double(lines.size()) * kLineHeight);
    masterData->setHeight(txtRiepilogo->height() + kBandSpare);
}

bool loadMatchingRecords(ArchiveFile& archive, const QString& chosen, const std::vector<qint64>& listed,
                         const std::function<QString(const Record&)>& lineOf,
                         const std::function<void(qint64, const Record&)>& load) {
    const QString wanted = Trim(chosen);
    qint64 found = 0;
    std::optional<Record> last;
    auto next = listed.begin();
    archive.forEach([&](qint64 number, const Record& record) {
        while (next != listed.end() && *next < number)
            ++next;
        if (next == listed.end() || *next != number)
            return;
        if (Trim(lineOf(record)) == wanted) {
            found = number;
            last = Record(record); // a copy owns its bytes beyond the visit
        }
    });
    if (!last)
        return false;
    load(found, *last);
    return true;
}

ListWindow::ListWindow(QWidget* parent)
    : Dialog(parent)
    , report_(makeRiepilogoDati()) {}

ListWindow::~ListWindow() = default;

void missingControl(const QWidget* form, const char* name) {
    qFatal("control %s missing in %s", name, qPrintable(form->objectName()));
}

void ListWindow::bindListByName() {
    bindList(
        requiredControl<QListView>(this, "lstRecords"), requiredControl<QPushButton>(this, "btnStampa"),
        requiredControl<QPushButton>(this, "btnChiudi"), findChild<QLineEdit*>(QStringLiteral("txtTrova")),
        findChild<QPushButton*>(QStringLiteral("btnTrova")), findChild<QWidget*>(QStringLiteral("effTrova")));
}

void ListWindow::bindList(QListView* list, QPushButton* print, QPushButton* closeButton, QLineEdit* find,
                          QPushButton* findButton, QWidget* findMark) {
    list_ = list;
    list_->setFont(QFont(QStringLiteral("Courier New"), 12));
    model_ = new LineModel(this, QFontMetrics(list_->font()).height() + 2, itemWidth_);
    list_->setModel(model_);
    list_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    list_->setUniformItemSizes(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    QPalette palette = list_->palette();
    palette.setColor(QPalette::Text, Qt::black);
    list_->setPalette(palette);
    // A double-click anywhere in the list, on a line or where no line is.
    list_->viewport()->installEventFilter(this);
    connect(print, &QPushButton::clicked, this, &ListWindow::btnStampaClick);
    connect(closeButton, &QPushButton::clicked, this, &ListWindow::btnChiudiClick);
    find_ = find;
    findButton_ = findButton;
    findMark_ = findMark;
    if (findButton_)
        connect(findButton_, &QPushButton::clicked, this, &ListWindow::btnTrovaClick);
    if (find_)
        find_->installEventFilter(this);
    if (findMark_) {
        QPalette mark = findMark_->palette();
        mark.setColor(QPalette::Window, Qt::yellow);
        findMark_->setPalette(mark);
        findMark_->setAutoFillBackground(true);
        findMark_->hide();
    }
}

void ListWindow::setItemWidth(int width) {
    itemWidth_ = width;
    if (model_)
        static_cast<LineModel*>(model_)->setItemWidth(width);
}

void ListWindow::setLines(QStringList lines, std::vector<qint64> numbers) {
    if (sorted_)
        sortLines(lines);
    lines_ = std::move(lines);
    numbers_ = std::move(numbers);
    model_->setStringList(lines_);
    list_->clearSelection();
    list_->setCurrentIndex(QModelIndex());
}

void ListWindow::clearLines() {
    lines_.clear();
    numbers_.clear();
    if (model_)
        model_->setStringList(lines_);
}

int ListWindow::selectedIndex() const {
    const QModelIndexList selected = list_->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.first().row();
}

void ListWindow::selectIndex(int index) {
    const QModelIndex at = model_->index(index);
    list_->selectionModel()->setCurrentIndex(at, QItemSelectionModel::ClearAndSelect);
    list_->scrollTo(at);
}

void ListWindow::resetFind() {
    if (QString* last = UltimaRicerca())
        last->clear();
    if (find_)
        find_->clear();
    list_->clearSelection();
}

void ListWindow::btnTrovaClick() {
    if (lines_.isEmpty()) {
        platform::showPlain(this,
                            QStringLiteral("Ricerca non applicabile: la lista non contiene nessuna voce."));
        return;
    }
    QString* last = UltimaRicerca();
    QString scratch;
    const int index =
        findInList(lines_, selectedIndex(), find_ ? find_->text() : QString(), last ? *last : scratch);
    if (index >= 0)
        selectIndex(index);
}

void ListWindow::btnStampaClick() {
    // A failure here is the program's error box, shown where events are delivered.
    fillRiepilogoDati(*report_, printTitle(), lines_);
    report_->prepare();
    report_->print(this);
}

void ListWindow::btnChiudiClick() {
    close();
}

void ListWindow::lstRecordsDblClick() {
    loadFromLine(selectedIndex());
}

void ListWindow::loadFromLine(int index) {
    if (!hasLoadFromList())
        return;
    try {
        if (index < 0 || index >= lines_.size())
            throw Failure("no line chosen");
        loadChosen(Trim(lines_.at(index)));
    } catch (const std::exception&) {
        // A failed load only closes the list; what reached the card stays.
    }
    close();
}

void ListWindow::closeEvent(QCloseEvent* event) {
    Dialog::closeEvent(event);
    if (event->isAccepted()) {
        FormClose();
        clearLines();
    }
}

bool ListWindow::eventFilter(QObject* watched, QEvent* event) {
    if (list_ && watched == list_->viewport() && event->type() == QEvent::MouseButtonDblClick) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() != Qt::LeftButton)
            return false;
        // The press before it has selected the line under the mouse; no line there is no choice.
        const QModelIndex at = list_->indexAt(mouse->position().toPoint());
        if (at.isValid())
            selectIndex(at.row());
        loadFromLine(at.isValid() ? at.row() : -1);
        return true;
    }
    if (watched == find_) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if ((key == Qt::Key_Return || key == Qt::Key_Enter) && findButton_) {
                findButton_->setFocus();
                return true;
            }
        } else if (event->type() == QEvent::FocusIn && findMark_) {
            findMark_->show();
        } else if (event->type() == QEvent::FocusOut && findMark_) {
            findMark_->hide();
        }
    }
    return Dialog::eventFilter(watched, event);
}

} // namespace common
