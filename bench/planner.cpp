// Times the booking planner: opening the planner on a full year (show, load, paint) and saving it, the
// entry window's showing and a vehicle lookup at 10,000 vehicles, and the interval booking of a whole year;
// each against doing the same work the plainest way in the same run.
#include "BenchSupport.h"
#include "booking/Interval.h"
#include "booking/Openers.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "planner/SchedaPlanning.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <array>
#include <cstdio>
#include <functional>

#include <fcntl.h>
#include <unistd.h>

using namespace fleet::SchedaVeicolo;

namespace {

constexpr int kRuns = 21;

double medianMs(const std::function<void()>& run, const std::function<void()>& between = {}) {
    return bench::medianMs(run, kRuns, between);
}

void generateVehicles(int count) {
    const QStringList types{"Autovettura", "Autocarro", "Furgone", "Motociclo", "Autobus", "Camper"};
    const QStringList& makes = bench::makes();
    const QStringList& models = bench::models();
    QFile file(platform::programPath(QString::fromLatin1(fleet::kVehicleArchive)));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write the archive");
    QByteArray block;
    for (int i = 0; i < count; ++i) {
        common::Record v(layout());
        v.set(Tipo, types.at(i % types.size()));
        v.set(Marca, makes.at((i / 7) % makes.size()));
        v.set(Modello, models.at((i / 3) % models.size()));
        v.set(Targa, QStringLiteral("%1%2").arg(QChar('A' + i % 26)).arg(i, 7, 10, QChar('0')));
        v.set(Posti, QString::number(2 + i % 7));
        v.set(Alimentazione, QStringLiteral("Gasolio"));
        block += v.bytes();
    }
    file.write(block);
}

void line(const char* what, double ms, double baseline, double goal) {
    std::printf("  %-44s %7.2f ms  baseline %7.2f ms  ratio %6.2f  (goal: at most %.0f ms)\n", what, ms,
                baseline, baseline > 0 ? ms / baseline : 0.0, goal);
}

} // namespace

int main(int argc, char** argv) {
    bench::useOffscreen();
    QApplication application(argc, argv);
    const bench::ProgramFolder folder(QDate(2024, 6, 1));
    booking::registerWithPlanner();

    auto& registry = common::WindowRegistry::instance();
    auto* entry = new TfrmMenuDisponibili;
    registry.add(entry);
    auto* planning = new TfrmPlanning;
    registry.add(planning);

    // A full year: every day booked with a name of 30 characters.
    generateVehicles(10000);
    const QString plate = QStringLiteral("A0000000");
    const QString path = platform::programPath(planner::plannerFileName(plate, QStringLiteral("2024")));
    {
        planner::DayTexts days;
        for (int slot = 1; slot <= planner::kDaySlots; ++slot)
            days[slot - 1] = QStringLiteral("Cliente %1 telefono 333 123456").arg(slot, 3, 10, QChar('0'));
        planner::savePlanner(path, {"Autovettura", "Fiat", "Panda", plate}, days);
    }

    // The entry window at 10,000 vehicles: showing (list read, sorted, drawn) and one lookup.
    auto* list = entry->findChild<QListView*>(QStringLiteral("lstRecords"));
    const double entryShow = medianMs(
        [&] {
            entry->show();
            entry->repaint();
        },
        [&] { entry->hide(); });
    const int rows = list->model()->rowCount();
    int row = 0;
    const double lookup = medianMs([&] { list->setCurrentIndex(list->model()->index(row, 0)); },
                                   [&] { row = (row + 997) % rows; });
    // Baselines, the same work the plainest way: the archive read record by record, the line of every
    // vehicle with a plate composed, sorted with the same comparison, put in a plain list and drawn; the
    // lookup reads the archive again and compares every record's line with the chosen one.
    const QString archive = platform::programPath(QString::fromLatin1(fleet::kVehicleArchive));
    auto field = [](const QByteArray& record, int offset, int width) {
        const int length = std::min<int>(width, quint8(record.at(offset)));
        return QString::fromLatin1(record.constData() + offset + 1, length).trimmed();
    };
    auto padCut = [](const QString& text, int width) {
        return text.leftJustified(width, QLatin1Char(' '), true);
    };
    auto plainLine = [&](const QByteArray& r) {
        return padCut(field(r, 0, 50), 20) + QStringLiteral("  ") +
               padCut(field(r, 102, 50) + QLatin1Char(' ') + field(r, 153, 50), 30) +
               QStringLiteral("  Targa: ") + padCut(field(r, 204, 12), 14) + QStringLiteral("  Posti: ") +
               padCut(field(r, 738, 50), 12) + QStringLiteral("  Alim. ") + field(r, 534, 50);
    };
    QListWidget plainList;
    plainList.setFont(list->font());
    plainList.resize(list->size());
    const double plainShow = medianMs(
        [&] {
            QFile file(archive);
            file.open(QIODevice::ReadOnly);
            QStringList lines;
            while (!file.atEnd()) {
                const QByteArray r = file.read(fleet::kVehicleRecordSize);
                if (r.size() == fleet::kVehicleRecordSize && !field(r, 204, 12).isEmpty())
                    lines.append(plainLine(r));
            }
            std::sort(lines.begin(), lines.end(),
                      [](const QString& a, const QString& b) { return a.toUpper() < b.toUpper(); });
            plainList.clear();
            plainList.addItems(lines);
            plainList.show();
            plainList.repaint();
        },
        [&] { plainList.hide(); });
    QString chosenLine;
    const double plainLookup = medianMs(
        [&] {
            QFile file(archive);
            file.open(QIODevice::ReadOnly);
            QString found;
            while (!file.atEnd()) {
                const QByteArray r = file.read(fleet::kVehicleRecordSize);
                if (r.size() == fleet::kVehicleRecordSize && plainLine(r).trimmed() == chosenLine)
                    found = field(r, 204, 12);
            }
        },
        [&] {
            row = (row + 997) % rows;
            chosenLine = list->model()->index(row, 0).data().toString().trimmed();
        });

    // The planner on a full year: choose the vehicle, open it (show, load, paint).
    entry->show();
    list->setCurrentIndex(QModelIndex());
    for (int i = 0; i < rows; ++i)
        if (list->model()->index(i, 0).data().toString().contains(plate)) {
            list->setCurrentIndex(list->model()->index(i, 0));
            break;
        }
    entry->findChild<QLineEdit*>(QStringLiteral("txtAnnoFatture"))->setText(QStringLiteral("2024"));
    entry->findChild<QPushButton*>(QStringLiteral("btnApriFatture"))->click();
    if (planning->dayText(366).isEmpty())
        qFatal("the planner did not load its file");
    const double open = medianMs(
        [&] {
            planning->show();
            planning->repaint();
        },
        [&] { planning->hide(); });
    // Baseline: read the record and draw 366 cells with their day numbers.
    QImage canvas(planning->size(), QImage::Format_ARGB32_Premultiplied);
    const double plainOpen = medianMs([&] {
        QFile file(path);
        file.open(QIODevice::ReadOnly);
        const QByteArray record = file.read(planner::kPlannerRecordSize);
        QPainter p(&canvas);
        p.fillRect(canvas.rect(), Qt::white);
        for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
            const bool booked = record.at(184 + 51 * (slot - 1)) != 0;
            const QRect cell(166 + 26 * (planner::dayOfSlot(slot) - 1),
                             152 + 40 * (planner::monthOfSlot(slot) - 1), 24, 33);
            p.fillRect(cell, booked ? Qt::red : Qt::lightGray);
            p.drawText(cell, Qt::AlignCenter, QString::number(planner::dayOfSlot(slot)));
        }
    });

    // Saving: the record written over the first and put on the disk. Baseline, the same plainly: the 366
    // texts and the header put into an 18,850-byte record, written over the first and synced. Beside it
    // what the disk alone takes to put 18,850 bytes on it, the floor of any safe save.
    QStringList texts;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot)
        texts.append(planning->dayText(slot));
    const std::function<void()> plainSaveRun = [&] {
        QByteArray record(planner::kPlannerRecordSize, '\0');
        auto put = [&record](int offset, int width, const QString& text) {
            const QByteArray bytes = text.trimmed().toLatin1().left(width);
            record[offset] = char(bytes.size());
            std::copy(bytes.begin(), bytes.end(), record.begin() + offset + 1);
        };
        put(0, 50, planning->vehicle());
        put(51, 50, planning->make());
        put(102, 50, planning->model());
        put(153, 30, planning->plate());
        for (int slot = 1; slot <= planner::kDaySlots; ++slot)
            put(184 + 51 * (slot - 1), 50, texts.at(slot - 1));
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.write(record);
        file.flush();
        ::fsync(file.handle());
    };
    const QByteArray raw(planner::kPlannerRecordSize, 'x');
    const std::function<void()> diskOnlyRun = [&] {
        const int fd = ::open(QFile::encodeName(path).constData(), O_WRONLY);
        const ssize_t written = ::pwrite(fd, raw.constData(), size_t(raw.size()), 0);
        Q_UNUSED(written);
        ::fsync(fd);
        ::close(fd);
    };
    // The three in turn, so that each meets the same load of the disk.
    const std::vector<double> saves =
        bench::interleavedMediansMs({[&] { planning->cmdSalvaClick(); }, plainSaveRun, diskOnlyRun}, kRuns);
    const double save = saves[0];
    const double plainSave = saves[1];
    const double diskOnly = saves[2];

    // The interval booking of a whole year, on a planner of free days.
    const double interval = medianMs(
        [&] {
            booking::bookInterval(*planning, 2024, QDate(2024, 1, 1), QDate(2024, 12, 31),
                                  QStringLiteral("Rossi"));
        },
        [&] { planning->cmdNuovoClick(); });
    // Baseline: the same days booked straight on the cells, found by name beforehand.
    std::vector<std::array<QWidget*, 3>> cells;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        const QString suffix = planner::cellSuffix(slot);
        cells.push_back({planning->findChild<QWidget*>(QStringLiteral("lib") + suffix),
                         planning->findChild<QWidget*>(QStringLiteral("occ") + suffix),
                         planning->findChild<QLabel*>(QStringLiteral("mem") + suffix)});
    }
    const double plainInterval = medianMs(
        [&] {
            for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
                const QDate day = planner::dateOfSlot(slot, 2024);
                if (day.isValid() && day >= QDate(2024, 1, 1) && day <= QDate(2024, 12, 31)) {
                    cells[slot - 1][0]->hide();
                    cells[slot - 1][1]->show();
                    static_cast<QLabel*>(cells[slot - 1][2])->setText(QStringLiteral("Rossi"));
                }
            }
        },
        [&] { planning->cmdNuovoClick(); });

    std::printf("booking planner (median of %d runs)\n", kRuns);
    line("entry window shown, 10,000 vehicles", entryShow, plainShow, 20);
    line("vehicle lookup, 10,000 vehicles", lookup, plainLookup, 10);
    line("planner opened on a full year", open, plainOpen, 15);
    line("planner saved", save, plainSave, 2);
    std::printf("  %-44s %7.2f ms  (the disk's floor: write and sync alone)\n",
                "18,850 bytes written and synced", diskOnly);
    line("interval booked, 1 January to 31 December", interval, plainInterval, 10);
    const bool met = entryShow <= 20 && lookup <= 10 && open <= 15 && save <= 2 && interval <= 10;
    std::printf("goals %s\n", met ? "met" : "NOT met");
    registry.destroyAll();
    return 0;
}
