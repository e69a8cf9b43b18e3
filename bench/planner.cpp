// Times the booking planner: opening the planner on a full year (show, load, paint) and saving it, the
// entry window's showing and a vehicle lookup at 10,000 vehicles, and the interval booking of a whole year;
// each against doing the same work the plainest way in the same run, the save against the disk's own floor
// for replacing a file with its bytes.
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

// One benchmark's figures, its ratio to the baseline and whether its goal is met, on its last line.
bool report(const char* what, double ms, const char* baselineWhat, double baseline, const QString& goal,
            bool met, const QString& note = {}) {
    std::printf("%s\n", what);
    std::printf("  program   %8.2f ms\n", ms);
    std::printf("  baseline  %8.2f ms  %s\n", baseline, baselineWhat);
    std::printf("  ratio     %8.2f\n", baseline > 0 ? ms / baseline : 0.0);
    if (!note.isEmpty())
        std::printf("  %s\n", qPrintable(note));
    std::printf("  goal (%s) %s\n", qPrintable(goal), met ? "met" : "NOT met");
    return met;
}

bool reportWithin(const char* what, double ms, const char* baselineWhat, double baseline, double goalMs) {
    return report(what, ms, baselineWhat, baseline, QStringLiteral("at most %1 ms").arg(goalMs),
                  ms <= goalMs);
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
    // vehicle with a plate composed, sorted by the same comparison (a to z folded, character by character),
    // put in a plain list widget of the same font and one-line items, shown and drawn; the lookup reads the
    // archive again and compares every record's line with the chosen one.
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
    const auto folded = [](QChar c) { return c >= u'a' && c <= u'z' ? QChar(c.unicode() - 32) : c; };
    const auto foldedLess = [&folded](const QString& a, const QString& b) {
        return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(),
                                            [&folded](QChar x, QChar y) { return folded(x) < folded(y); });
    };
    QListWidget plainList;
    plainList.setFont(list->font());
    plainList.setUniformItemSizes(true);
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
            std::sort(lines.begin(), lines.end(), foldedLess);
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

    // Saving: the planner file replaced through the safe write, the new file on the disk. Its floor is what
    // the disk alone takes to replace the file with the same bytes so that a stop half-way never mixes old
    // and new: written as a new file and synced, renamed over the planner, the folder synced, nothing else
    // done. Beside it, for the reader, the cheaper writes that do not give that: the bytes written over the
    // file in place and synced, and the new file written and synced but not renamed.
    planning->cmdSalvaClick();
    QByteArray saved;
    {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            qFatal("the planner was not saved");
        saved = file.readAll();
    }
    const QByteArray pathName = QFile::encodeName(path);
    const QByteArray folderName = QFile::encodeName(folder.path());
    const std::function<void()> inPlaceRun = [&] {
        const int fd = ::open(pathName.constData(), O_WRONLY | O_CLOEXEC);
        const ssize_t written = ::pwrite(fd, saved.constData(), size_t(saved.size()), 0);
        Q_UNUSED(written);
        ::fsync(fd);
        ::close(fd);
    };
    int newFiles = 0;
    const auto writeNewFile = [&](const QByteArray& name) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        const ssize_t written = ::write(fd, saved.constData(), size_t(saved.size()));
        Q_UNUSED(written);
        ::fsync(fd);
        ::close(fd);
    };
    const std::function<void()> newFileRun = [&] {
        writeNewFile(pathName + ".new" + QByteArray::number(newFiles++));
    };
    const std::function<void()> diskFloorRun = [&] {
        const QByteArray temporary = pathName + ".tmp";
        writeNewFile(temporary);
        ::rename(temporary.constData(), pathName.constData());
        const int fd = ::open(folderName.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        ::fsync(fd);
        ::close(fd);
    };
    // In turn, so that each meets the same load of the disk.
    const std::vector<double> saves = bench::interleavedMediansMs(
        {[&] { planning->cmdSalvaClick(); }, inPlaceRun, newFileRun, diskFloorRun}, kRuns);
    const double save = saves[0];
    const double inPlace = saves[1];
    const double newFile = saves[2];
    const double diskFloor = saves[3];
    for (int i = 0; i < newFiles; ++i)
        QFile::remove(path + QStringLiteral(".new") + QString::number(i));

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

    constexpr double kSaveOverFloor = 1.2;
    std::printf("booking planner (median of %d runs)\n", kRuns);
    bool met = reportWithin("entry window shown, 10,000 vehicles", entryShow,
                            "(the same archive read, lines composed, sorted and shown in a plain list)",
                            plainShow, 20);
    met &= reportWithin("vehicle lookup, 10,000 vehicles", lookup,
                        "(the archive read again, every line composed and compared)", plainLookup, 10);
    met &= reportWithin("planner opened on a full year", open, "(the record read, 366 cells drawn)",
                        plainOpen, 15);
    const QString beside =
        QStringLiteral(
            "beside it, not safe against a stop: the bytes written over the file in place and "
            "synced %1 ms (x%2 the floor); as a new file written and synced, not renamed %3 ms (x%4)")
            .arg(inPlace, 0, 'f', 2)
            .arg(inPlace / diskFloor, 0, 'f', 2)
            .arg(newFile, 0, 'f', 2)
            .arg(newFile / diskFloor, 0, 'f', 2);
    met &= report("planner saved", save,
                  "(the disk's floor: the same bytes as a new file, synced, renamed over the planner, the "
                  "folder synced)",
                  diskFloor,
                  QStringLiteral("at most %1 x the floor, %2 ms")
                      .arg(kSaveOverFloor)
                      .arg(kSaveOverFloor * diskFloor, 0, 'f', 2),
                  save <= kSaveOverFloor * diskFloor, beside);
    met &= reportWithin("interval booked, 1 January to 31 December", interval,
                        "(the same cells set straight)", plainInterval, 10);
    std::printf("goals %s\n", met ? "met" : "NOT met");
    registry.destroyAll();
    return 0;
}
