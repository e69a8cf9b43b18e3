#include "common/SearchWindow.h"

#include "common/Look.h"
#include "common/Text.h"
#include "platform/Dialogs.h"
#include "ui_SearchResults.h"

#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace common {

namespace {
const char* const kArchiveFailure = "Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                                    "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                                    "installazione del programma.";
} // namespace

int countFilters(const QStringList& filters) {
    int n = 0;
    for (const QString& f : filters)
        if (!Trim(f).isEmpty())
            ++n;
    return n;
}

int countHits(const QStringList& filters, const QStringList& values) {
    int hits = 0;
    for (qsizetype i = 0; i < filters.size() && i < values.size(); ++i)
        if (!Trim(filters.at(i)).isEmpty() && ContainsFolded(values.at(i), filters.at(i)))
            ++hits;
    return hits;
}

SearchWindow::SearchWindow(QWidget* parent)
    : ListWindow(parent) {}

SearchWindow::~SearchWindow() = default;

void SearchWindow::bindSearch(const QList<QLineEdit*>& filters, const QList<QWidget*>& highlights,
                              FindFrame frame) {
    c_.filters = filters;
    c_.highlights = highlights;
    c_.btnCerca = requiredControl<QPushButton>(this, "btnCerca");
    c_.btnAnnulla = requiredControl<QPushButton>(this, "btnAnnulla");
    c_.lblConta = requiredControl<QLabel>(this, "lblConta");
    c_.lblAttendere = requiredControl<QLabel>(this, "lblAttendere");
    c_.panAvvio = requiredControl<QWidget>(this, "panAvvio");
    c_.panContainer = requiredControl<QFrame>(this, "panContainer");
    results_ = std::make_unique<Ui::SearchResults>();
    results_->setupUi(c_.panContainer);
    if (frame == FindFrame::Without) {
        delete results_->effTrova;
        results_->effTrova = nullptr;
    }
    setFixedSize(size());
    bindList(results_->lstRecords, results_->btnStampa, results_->btnChiudi, results_->txtTrova,
             results_->btnTrova, results_->effTrova);
    for (QLineEdit* filter : c_.filters)
        filter->installEventFilter(this);
    for (QWidget* highlight : c_.highlights)
        markFocusRectangle(highlight);
    connect(c_.btnCerca, &QPushButton::pressed, this, &SearchWindow::btnCercaMouseDown);
    connect(c_.btnCerca, &QPushButton::clicked, this, &SearchWindow::btnCercaClick);
    connect(c_.btnAnnulla, &QPushButton::clicked, this, &SearchWindow::btnAnnullaClick);
}

void SearchWindow::FormShow() {
    resetFind();
    c_.panContainer->hide();
    c_.panAvvio->show();
    if (!c_.filters.isEmpty())
        c_.filters.first()->setFocus();
}

void SearchWindow::FormClose() {
    c_.lblAttendere->hide();
}

void SearchWindow::btnCercaMouseDown() {
    c_.lblAttendere->show();
}

void SearchWindow::btnAnnullaClick() {
    close();
}

void SearchWindow::btnCercaClick() {
    QStringList filters;
    for (QLineEdit* filter : c_.filters)
        filters << filter->text();
    c_.lblConta->setText(QString::number(countFilters(filters)));
    const QList<int> fields = filterFields();
    QStringList lines;
    std::vector<qint64> numbers;
    try {
        clearLines();
        ArchiveFile archive = openArchive();
        const int n = c_.lblConta->text().toInt();
        // Only the filters that count can hit; the other fields are not read.
        QList<int> used;
        QStringList usedFilters;
        for (qsizetype i = 0; i < filters.size() && i < fields.size(); ++i)
            if (!Trim(filters.at(i)).isEmpty()) {
                used << fields.at(i);
                usedFilters << filters.at(i);
            }
        QStringList values(usedFilters.size());
        archive.forEach([&](qint64 number, const Record& record) {
            for (qsizetype k = 0; k < used.size(); ++k)
                values[k] = record.get(used.at(k));
            if (countHits(usedFilters, values) >= n) {
                lines << lineOf(record);
                numbers.push_back(number);
            }
        });
    } catch (const std::exception&) {
        setLines(std::move(lines), std::move(numbers));
        platform::showPlain(this, QString::fromUtf8(kArchiveFailure));
        return;
    }
    setLines(std::move(lines), std::move(numbers));
    results_->lblTrovate->setText(countText(int(this->lines().size())));
    c_.panContainer->show();
    c_.panAvvio->hide();
    results_->txtTrova->clear();
    results_->txtTrova->setFocus();
}

void SearchWindow::loadChosen(const QString& chosen) {
    ArchiveFile archive = openArchive();
    loadMatchingRecords(
        archive, chosen, listedNumbers(), [this](const Record& r) { return lineOf(r); },
        [this](qint64 number, const Record& r) { pick(number, r); });
}

bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    const qsizetype i = c_.filters.indexOf(qobject_cast<QLineEdit*>(watched));
    if (i >= 0) {
        switch (event->type()) {
        case QEvent::FocusIn:
            c_.highlights.at(i)->show();
            break;
        case QEvent::FocusOut:
            c_.highlights.at(i)->hide();
            break;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Return || key == Qt::Key_Enter) {
                c_.filters.at((i + 1) % c_.filters.size())->setFocus();
                return true;
            }
            break;
        }
        default:
            break;
        }
    }
    return ListWindow::eventFilter(watched, event);
}

} // namespace common
