// Times the booking planner: opening the planner on a full year (show, load, paint) and saving it, the
// entry window's showing and a vehicle lookup at 10,000 vehicles, and the interval booking of a whole year;
// each against doing the same work the plainest way in the same run.
#include "booking/Interval.h"
#include "booking/Openers.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "fleet/SchedaVeicolo.h"
#include "planner/SchedaPlanning.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"
#include "platform/ProgramFolder.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include <unistd.h>

using namespace fleet::SchedaVeicolo;

namespace {

constexpr int kRuns = 21;

double medianMs(const std::function<void()>& run, const std::function<void()>& between = {}) {
    std::vector<double> times;
    for (int i = 0; i < kRuns; ++i) {
        if (between)
            between();
        QElapsedTimer timer;
        timer.start();
        run();
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void generateVehicles(int count) {
    const QStringList types{"Autovettura", "Autocarro", "Furgone", "Motociclo", "Autobus", "Camper"};
    const QStringList makes{"Fiat", "Iveco", "Renault", "Volkswagen", "Ford", "Mercedes", "Opel", "Piaggio"};
    const QStringList models{"Panda", "Daily", "Master", "Transit", "Sprinter", "Ducato", "Vivaro", "Porter"};
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
    QApplication application(argc, argv);
    QTemporaryDir folder;
    platform::setProgramFolderForTests(folder.path());
    common::setTodayForTests(QDate(2024, 6, 1));
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
    // Baseline: read the archive whole and split it into its records' plates.
    const QString archive = platform::programPath(QString::fromLatin1(fleet::kVehicleArchive));
    const double plainRead = medianMs([&] {
        QFile file(archive);
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        QStringList plates;
        for (qsizetype at = 0; at + fleet::kVehicleRecordSize <= bytes.size();
             at += fleet::kVehicleRecordSize)
            plates.append(QString::fromLatin1(bytes.constData() + at + 205, bytes.at(at + 204)));
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

    // Saving: the record written over the first and put on the disk.
    const double save = medianMs([&] { planning->cmdSalvaClick(); });
    const QByteArray record(planner::kPlannerRecordSize, 'x');
    const double plainSave = medianMs([&] {
        QFile file(path);
        file.open(QIODevice::ReadWrite);
        file.write(record);
        file.flush();
        ::fsync(file.handle());
    });

    // The interval booking of a whole year, on a planner of free days.
    const double interval = medianMs(
        [&] {
            booking::bookInterval(*planning, 2024, QDate(2024, 1, 1), QDate(2024, 12, 31),
                                  QStringLiteral("Rossi"));
        },
        [&] { planning->cmdNuovoClick(); });
    planner::DayTexts plainDays;
    const double plainInterval = medianMs([&] {
        for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
            const QDate day = planner::dateOfSlot(slot, 2024);
            if (day.isValid() && day >= QDate(2024, 1, 1) && day <= QDate(2024, 12, 31))
                plainDays[slot - 1] = QStringLiteral("Rossi");
        }
    });

    std::printf("booking planner (median of %d runs)\n", kRuns);
    line("entry window shown, 10,000 vehicles", entryShow, plainRead, 20);
    line("vehicle lookup, 10,000 vehicles", lookup, plainRead, 10);
    line("planner opened on a full year", open, plainOpen, 15);
    line("planner saved", save, plainSave, 2);
    line("interval booked, 1 January to 31 December", interval, plainInterval, 10);
    const bool met = entryShow <= 20 && lookup <= 10 && open <= 15 && save <= 2 && interval <= 10;
    std::printf("goals %s\n", met ? "met" : "NOT met");
    registry.destroyAll();
    return 0;
}
