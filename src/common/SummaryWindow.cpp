#include "common/SummaryWindow.h"

#include "common/Text.h"

#include <QLabel>
#include <QLineEdit>

namespace common {

SummaryWindow::SummaryWindow(const SummaryKind& kind, QWidget* parent)
    : ListWindow(parent)
    , kind_(kind) {}

void SummaryWindow::bindSummary() {
    setObjectName(QLatin1String(kind_.instanceName));
    const QString caption = QString::fromUtf8(kind_.caption);
    setWindowTitle(caption);
    requiredControl<QLabel>(this, "lblTitolo")->setText(Trim(caption));
    setFixedSize(size());
    setNoTitleButtons();
    setCentredOnScreen(true);
    bindListByName();
}

QString SummaryWindow::printTitle() const {
    return QString::fromUtf8(kind_.printTitle);
}

void SummaryWindow::FormShow() {
    resetFind();
    QStringList lines;
    std::vector<qint64> numbers;
    bool filled = false;
    try {
        ArchiveFile archive = openArchive();
        clearLines();
        lines.reserve(archive.count());
        archive.forEach([&](qint64 number, const Record& record) {
            if (kind_.selects(record)) {
                lines << kind_.lineOf(record);
                numbers.push_back(number);
            }
        });
        filled = true;
    } catch (const std::exception&) {
        // Filling is silent: what was gathered before the failure is shown, and the focus stays.
    }
    setLines(std::move(lines), std::move(numbers));
    if (auto* find = findChild<QLineEdit*>(QStringLiteral("txtTrova")); find && filled)
        find->setFocus();
}

void SummaryWindow::loadChosen(const QString& chosen) {
    ArchiveFile archive = openArchive();
    loadMatchingRecords(archive, chosen, listedNumbers(), kind_.lineOf,
                        [this](qint64 number, const Record& record) { loadIntoCard(number, record); });
}

} // namespace common
