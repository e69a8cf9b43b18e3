#include "common/ListWindow.h"

#include "common/Clock.h"
#include "common/Failure.h"
#include "common/Look.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QStringListModel>
#include <QtAlgorithms>
#include <QtEndian>

#include <algorithm>
#include <cstring>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

namespace common {

namespace {

inline char16_t folded(char16_t c) {
    return (c >= u'a' && c <= u'z') ? char16_t(c - (u'a' - u'A')) : c;
}

// The next 24 bytes of a line's comparison code from a unit on: each folded unit below 254 as one byte, its
// value + 1; a larger one as 255 and its two bytes; past the end 0. Bytes compare as the units do and a
// prefix comes first. A large unit that does not fit leaves 255 and zeros, and is the next key's first.
struct Key {
    quint64 high;
    quint64 middle;
    quint64 low;
    friend auto operator<=>(const Key&, const Key&) = default;
};
constexpr int kKeyBytes = 24;

// A line to sort: its key at the current depth, its place in the file, and where its next key starts.
struct Entry {
    Key key;
    quint32 line;
    qint32 next;
};

inline quint64 bigEndian(const unsigned char* p) {
    quint64 v;
    std::memcpy(&v, p, sizeof v);
    return qFromBigEndian(v);
}

void keyAt(Entry& entry, const QString& line, qint32 from) {
    const auto* text = reinterpret_cast<const char16_t*>(line.constData());
    const auto size = qint32(line.size());
    unsigned char bytes[kKeyBytes];
    qint32 p = from;
    int b = 0;
    if (p + kKeyBytes <= size) {
        // The common case, all units small, without a branch per unit.
        unsigned wide = 0;
        for (int k = 0; k < kKeyBytes; ++k) {
            const char16_t f = folded(text[p + k]);
            wide |= unsigned(f >= 254);
            bytes[k] = static_cast<unsigned char>(f + 1);
        }
        if (!wide) {
            b = kKeyBytes;
            p += kKeyBytes;
        }
    }
    while (b < kKeyBytes) {
        if (p >= size)
            break;
        const char16_t f = folded(text[p]);
        if (f < 254) {
            bytes[b++] = static_cast<unsigned char>(f + 1);
        } else if (b + 3 <= kKeyBytes) {
            bytes[b++] = 0xFF;
            bytes[b++] = static_cast<unsigned char>(f >> 8);
            bytes[b++] = static_cast<unsigned char>(f & 0xFF);
        } else {
            bytes[b++] = 0xFF;
            break;
        }
        ++p;
    }
    std::memset(bytes + b, 0, size_t(kKeyBytes - b));
    entry.next = p;
    entry.key = {bigEndian(bytes), bigEndian(bytes + 8), bigEndian(bytes + 16)};
}

int byteAt(const Key& key, int b) {
    const quint64 word = b < 8 ? key.high : (b < 16 ? key.middle : key.low);
    return int((word >> (56 - 8 * (b % 8))) & 0xFF);
}

// The first byte where two keys differ; kKeyBytes when equal.
int firstDifference(const Key& x, const Key& y) {
    if (x.high != y.high)
        return qCountLeadingZeroBits(x.high ^ y.high) / 8;
    if (x.middle != y.middle)
        return 8 + qCountLeadingZeroBits(x.middle ^ y.middle) / 8;
    if (x.low != y.low)
        return 16 + qCountLeadingZeroBits(x.low ^ y.low) / 8;
    return kKeyBytes;
}

// Sorts entries that agree before their keys: by the first byte where the group's keys differ, the
// beginning they all share skipped at once, each part keeping its order; small groups by comparison.
// Entries start in file order, so equal lines stay in file order.
class LineSorter {
public:
    LineSorter(const QString* lines, Entry* spare)
        : lines_(lines)
        , spare_(spare) {}

    void sort(Entry* entries, qsizetype count) const {
        while (count > 1) {
            if (count < kSmall) {
                std::sort(entries, entries + count,
                          [this](const Entry& x, const Entry& y) { return less(x, y); });
                return;
            }
            Key lowest = entries[0].key;
            Key highest = lowest;
            for (qsizetype k = 1; k < count; ++k) {
                const Key& key = entries[k].key;
                if (key < lowest)
                    lowest = key;
                else if (highest < key)
                    highest = key;
            }
            const int b = firstDifference(lowest, highest);
            if (b == kKeyBytes) {
                if ((lowest.high >> 56) == 0)
                    return; // past the end of every line: equal lines, already in file order
                nextKeys(entries, count);
                continue;
            }
            qsizetype counts[256] = {};
            for (qsizetype k = 0; k < count; ++k)
                ++counts[byteAt(entries[k].key, b)];
            qsizetype starts[257];
            qsizetype fill[256];
            starts[0] = 0;
            for (int v = 0; v < 256; ++v) {
                starts[v + 1] = starts[v] + counts[v];
                fill[v] = starts[v];
            }
            // Each entry to its byte's part, through the spare room.
            for (qsizetype k = 0; k < count; ++k)
                spare_[fill[byteAt(entries[k].key, b)]++] = entries[k];
            std::copy(spare_, spare_ + count, entries);
            // The largest part goes on in this loop, the others below it: the depth stays small.
            int largest = 0;
            for (int v = 1; v < 256; ++v)
                if (counts[v] > counts[largest])
                    largest = v;
            for (int v = 0; v < 256; ++v)
                if (v != largest && counts[v] > 1)
                    sort(entries + starts[v], counts[v]);
            entries += starts[largest];
            count = counts[largest];
        }
    }

private:
    static constexpr qsizetype kSmall = 48;

    // Entries with equal keys go on to their next keys, which start at one unit for all of them.
    void nextKeys(Entry* entries, qsizetype count) const {
        const qint32 from = entries[0].next;
        // The lines are read in no order: each line's place in the list is fetched ahead, then its text.
        for (qsizetype k = 0; k < count; ++k) {
            if (k + 32 < count)
                __builtin_prefetch(&lines_[entries[k + 32].line]);
            if (k + 16 < count) {
                const QString& ahead = lines_[entries[k + 16].line];
                if (from < ahead.size())
                    __builtin_prefetch(ahead.constData() + from);
            }
            keyAt(entries[k], lines_[entries[k].line], from);
        }
    }

    bool less(const Entry& x, const Entry& y) const {
        if (x.key != y.key)
            return x.key < y.key;
        const QString& a = lines_[x.line];
        const QString& b = lines_[y.line];
        const auto* ta = reinterpret_cast<const char16_t*>(a.constData());
        const auto* tb = reinterpret_cast<const char16_t*>(b.constData());
        const qsizetype n = std::min(a.size(), b.size());
        for (qsizetype d = x.next; d < n; ++d) {
            const char16_t ca = folded(ta[d]);
            const char16_t cb = folded(tb[d]);
            if (ca != cb)
                return ca < cb;
        }
        return a.size() != b.size() ? a.size() < b.size() : x.line < y.line;
    }

    const QString* lines_;
    Entry* spare_;
};

} // namespace

void sortLines(QStringList& lines) {
    const qsizetype count = lines.size();
    if (count < 2)
        return;
    QString* data = lines.data(); // detaches
    const auto room = std::make_unique_for_overwrite<Entry[]>(static_cast<size_t>(count) * 2);
    Entry* entries = room.get(); // the second half is spare room
    for (qsizetype i = 0; i < count; ++i) {
        if (i + 8 < count)
            __builtin_prefetch(data[i + 8].constData());
        entries[i].line = quint32(i);
        keyAt(entries[i], data[i], 0);
    }
    LineSorter(data, entries + count).sort(entries, count);
    // The lines move to their places along the permutation's cycles; a placed entry points at itself.
    for (qsizetype i = 0; i < count; ++i) {
        if (entries[i].line == quint32(i))
            continue;
        QString held = std::move(data[i]);
        qsizetype at = i;
        for (;;) {
            const qsizetype from = entries[at].line;
            entries[at].line = quint32(at);
            if (from == i) {
                data[at] = std::move(held);
                break;
            }
            data[at] = std::move(data[from]);
            at = from;
        }
    }
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
    // The instruction to double-click a line, where a double-click loads it.
    if (auto* instruction = findChild<QLabel*>(QStringLiteral("lblRigo03")); instruction && hasLoadFromList())
        setTextColour(instruction, kInstructionColour);
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
    platform::guardPrint(this, platform::kPrintFailed, [this] {
        fillRiepilogoDati(*report_, printTitle(), lines_);
        report_->prepare();
        report_->print(this);
    });
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
