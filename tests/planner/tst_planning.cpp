#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "PlannerFixture.h"
#include "SmallDisk.h"
#include "booking/Openers.h"
#include "common/CardForm.h"
#include "planner/DayCalendar.h"
#include "platform/ProgramFolder.h"

#include <QDir>
#include <QScopeGuard>
#include <QtTest>

#include <optional>

#include <sys/stat.h>
#include <unistd.h>

using namespace fleet::SchedaVeicolo;
using testsupport::child;

namespace {

const QString kPlate = "AB123CD";

QString plannerName(const QString& year) {
    return planner::plannerFileName(kPlate, year);
}

// The planner windows with one vehicle in the archive.
struct Planner : testsupport::PlannerWindows {
    Planner() {
        testsupport::writeVehicles({{{Tipo, "Autovettura"},
                                     {Marca, "Fiat"},
                                     {Modello, "Panda"},
                                     {Targa, kPlate},
                                     {Posti, "5"},
                                     {Alimentazione, "Benzina"}}});
    }
    void open(const QString& year) { PlannerWindows::open(0, year); }
};

QByteArray field(const QByteArray& text, int width) {
    QByteArray out(width + 1, '\0');
    out[0] = char(text.size());
    out.replace(1, text.size(), text);
    return out;
}

QLabel* mem(QWidget* planning, int slot) {
    return child<QLabel>(planning, "mem" + planner::cellSuffix(slot));
}
QWidget* lib(QWidget* planning, int slot) {
    return child<QWidget>(planning, "lib" + planner::cellSuffix(slot));
}
QWidget* occ(QWidget* planning, int slot) {
    return child<QWidget>(planning, "occ" + planner::cellSuffix(slot));
}

QStringList entries(const QString& folder) {
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                                  QDir::Name);
}

bool writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readFile(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What the single-day dialog showed when a day click opened it; the dialog is then cancelled.
struct SeenDay {
    QString tag, heading, vehicle, text;
    bool booked = false;
    int opened = 0;
};

void captureDay(testsupport::ModalAnswerer& answerer, SeenDay& seen) {
    answerer.onOther = [&seen](QWidget* w) {
        if (w->objectName() != QLatin1String("frmGiorno"))
            return false;
        seen.tag = child<QLabel>(w, "lblMemory")->text();
        seen.heading = child<QLabel>(w, "infGiorno")->text();
        seen.vehicle = child<QLabel>(w, "infCamera")->text();
        seen.text = child<QLineEdit>(w, "txtPrenotazione")->text();
        seen.booked = !child<QWidget>(w, "icoOccupata")->isHidden();
        ++seen.opened;
        child<QPushButton>(w, "btnAnnulla")->click();
        return true;
    };
}

} // namespace

class TestPlanning : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { booking::registerWithPlanner(); }
    void cellsNamedAndPlaced();
    void missingFileCreatedEmptyThenSavedWhole();
    void loadShowsFirstRecordAndSaveRewritesIt();
    void shortFileCountsEmpty();
    void anotherPlannerLeavesNoEarlierBooking();
    void unreadableFileIsNeverOverwritten_data();
    void unreadableFileIsNeverOverwritten();
    void failedSaveIsShown();
    void bookedStateReadWhileHidden();
    void restoringAMinimisedPlannerLoadsNothing();
    void dayClickPresetsDialog_data();
    void dayClickPresetsDialog();
    void february29_data();
    void february29();
    void hints();
    void helpSharedWithEntryWindow();
    void exitSavesAndShowsStartMenu();
    void renderedCells();
    void headerEditsStrokedSkyBlue_data();
    void headerEditsStrokedSkyBlue();
};

void TestPlanning::cellsNamedAndPlaced() {
    Planner p;
    int cells = 0;
    for (int slot = 1; slot <= planner::kDaySlots; ++slot) {
        const int m = planner::monthOfSlot(slot), d = planner::dayOfSlot(slot);
        QCOMPARE(lib(p.planning, slot)->geometry(), QRect(166 + 26 * (d - 1), 152 + 40 * (m - 1), 24, 33));
        QCOMPARE(occ(p.planning, slot)->geometry(), lib(p.planning, slot)->geometry());
        QVERIFY(occ(p.planning, slot)->isHidden());
        QVERIFY(mem(p.planning, slot)->isHidden());
        ++cells;
    }
    QCOMPARE(cells, 366);
    QCOMPARE(child<QWidget>(p.planning, "titGen")->geometry(), QRect(24, 152, 136, 33));
    QCOMPARE(child<QWidget>(p.planning, "titDic")->geometry(), QRect(24, 152 + 440, 136, 33));
    QVERIFY(p.planning->findChild<QWidget*>("libFeb_30") == nullptr);
    QVERIFY(p.planning->findChild<QWidget*>("libApr_31") == nullptr);
}

void TestPlanning::missingFileCreatedEmptyThenSavedWhole() {
    Planner p;
    p.open("2024");
    QCOMPARE(p.folder.read(plannerName("2024")).size(), 0);
    QCOMPARE(child<QLabel>(p.planning, "lblPosizione")->text(), QString("1"));
    for (int slot = 1; slot <= planner::kDaySlots; ++slot)
        QVERIFY(!p.planning->isDayBooked(slot));
    p.planning->close();
    QByteArray expected(planner::kPlannerRecordSize, '\0');
    expected.replace(0, 51, field("Autovettura", 50));
    expected.replace(51, 51, field("Fiat", 50));
    expected.replace(102, 51, field("Panda", 50));
    expected.replace(153, 31, field(kPlate.toLatin1(), 30));
    QCOMPARE(p.folder.read(plannerName("2024")), expected);
}

void TestPlanning::loadShowsFirstRecordAndSaveRewritesIt() {
    Planner p;
    QByteArray record = testsupport::plannerRecord(
        {{1, "  Rossi "}, {59, "Feb 28"}, {60, "Feb 29"}, {61, "Mar 1"}, {100, " \x01 "}, {366, "Verdi"}});
    record.replace(0, 51, field("Other vehicle", 50));
    const QByteArray second(planner::kPlannerRecordSize, 'z');
    p.folder.write(plannerName("2023"), record + second);
    p.open("2023");
    QCOMPARE(p.planning->dayText(1), QString("Rossi"));
    QCOMPARE(mem(p.planning, 1)->text(), QString("Rossi"));
    QVERIFY(p.planning->isDayBooked(1));
    QVERIFY(lib(p.planning, 1)->isHidden());
    QVERIFY(p.planning->isDayBooked(59));
    QVERIFY(p.planning->isDayBooked(60));
    QCOMPARE(p.planning->dayText(60), QString("Feb 29"));
    QVERIFY(p.planning->isDayBooked(61));
    QVERIFY(!p.planning->isDayBooked(100));
    QVERIFY(!lib(p.planning, 100)->isHidden());
    QVERIFY(p.planning->isDayBooked(366));
    QVERIFY(!p.planning->isDayBooked(2));
    // The header comes from the entry window, never from the file.
    QCOMPARE(p.planning->vehicle(), QString("Autovettura"));
    // Each header edit shows its text from the start.
    for (const char* name : {"txtVeicolo", "txtMarca", "txtModello", "txtTarga"})
        QCOMPARE(child<QLineEdit>(p.planning, name)->cursorPosition(), 0);

    p.planning->setDay(2, "  Bianchi  ");
    p.planning->setDay(1, "   ");
    QVERIFY(!p.planning->isDayBooked(1));
    QCOMPARE(p.planning->dayText(2), QString("Bianchi"));
    // Nothing reaches the file before the planner closes.
    QCOMPARE(p.folder.read(plannerName("2023")), record + second);
    p.planning->close();
    const QByteArray bytes = p.folder.read(plannerName("2023"));
    QCOMPARE(bytes.size(), 2 * planner::kPlannerRecordSize);
    QCOMPARE(bytes.mid(planner::kPlannerRecordSize), second);
    QCOMPARE(bytes.mid(0, 51), field("Autovettura", 50));
    QCOMPARE(bytes.mid(184, 51), field("", 50));
    QCOMPARE(bytes.mid(184 + 51, 51), field("Bianchi", 50));
    QCOMPARE(bytes.mid(3193, 51), field("Feb 29", 50));
    QCOMPARE(bytes.mid(18799, 51), field("Verdi", 50));
}

void TestPlanning::shortFileCountsEmpty() {
    Planner p;
    p.folder.write(plannerName("2024"), QByteArray(planner::kPlannerRecordSize - 1, 'q'));
    p.open("2024");
    for (int slot = 1; slot <= planner::kDaySlots; ++slot)
        QVERIFY(!p.planning->isDayBooked(slot));
    QCOMPARE(p.folder.read(plannerName("2024")).size(), planner::kPlannerRecordSize - 1);
    p.planning->setDay(366, "Verdi");
    p.planning->close();
    const QByteArray bytes = p.folder.read(plannerName("2024"));
    QCOMPARE(bytes.size(), planner::kPlannerRecordSize);
    QCOMPARE(bytes.mid(18799, 51), field("Verdi", 50));
}

void TestPlanning::anotherPlannerLeavesNoEarlierBooking() {
    Planner p;
    p.folder.write(plannerName("2024"), testsupport::plannerRecord({{5, "Rossi"}}));
    p.open("2024");
    QVERIFY(p.planning->isDayBooked(5));
    p.planning->close();
    // A year whose file cannot be opened (a folder under its name) still shows no earlier booking.
    QVERIFY(QDir(p.folder.folder()).mkdir(plannerName("2025")));
    testsupport::ModalAnswerer answerer;
    p.open("2025");
    QVERIFY(!p.planning->isDayBooked(5));
    QCOMPARE(p.planning->dayText(5), QString());
}

void TestPlanning::unreadableFileIsNeverOverwritten_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("folder under the name") << "folder";
    QTest::newRow("named pipe") << "pipe";
    // The link's file turns up while the planner is open, as a drive that comes back would.
    QTest::newRow("link whose file turns up later") << "link";
    // The planner file reads and could be written in place, but the save replaces it through a new file.
    QTest::newRow("writable file in a folder that takes no new file") << "no new file";
}

void TestPlanning::unreadableFileIsNeverOverwritten() {
    QFETCH(QString, kind);
    // Root ignores a folder's permissions: there the program folder is a small disk without room for one
    // more file.
    const bool onDisk = kind == "no new file" && ::geteuid() == 0;
    std::optional<testsupport::SmallDisk> disk;
    if (onDisk) {
        disk.emplace();
        SKIP_UNLESS_MOUNTED(*disk);
    }
    Planner p;
    QString folder = p.folder.folder();
    if (onDisk) {
        QVERIFY(QFile::copy(p.folder.path(fleet::kVehicleArchive), disk->path(fleet::kVehicleArchive)));
        platform::setProgramFolderForTests(disk->folder());
        folder = disk->folder();
    }
    const auto allowNewFiles = [&](bool allow) {
        if (onDisk)
            return allow ? disk->allowNewFiles() : disk->refuseNewFiles();
        return QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner |
                                                 (allow ? QFile::WriteOwner : QFile::Permissions()));
    };
    const auto restore = qScopeGuard([&] {
        if (kind == "no new file")
            allowNewFiles(true);
    });
    const QString path = QDir(folder).filePath(plannerName("2024"));
    const QByteArray kept = testsupport::plannerRecord({{1, "Rossi"}});
    if (kind == "folder") {
        QVERIFY(QDir(folder).mkdir(plannerName("2024")));
    } else if (kind == "pipe") {
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    } else if (kind == "link") {
        QVERIFY(QFile::link(p.folder.path("altrove.pln"), path));
    } else {
        QVERIFY(writeFile(path, kept));
        QVERIFY(allowNewFiles(false));
    }
    QStringList left = entries(folder);
    testsupport::ModalAnswerer answerer;
    QStringList dialogs;
    answerer.onOther = [&dialogs](QWidget* w) {
        dialogs.append(w->objectName());
        w->close();
        return true;
    };
    p.open("2024");
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, common::kArchiveFailure);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);
    QCOMPARE(child<QLabel>(p.planning, "lblPosizione")->text(), QString());
    const QByteArray stored = testsupport::plannerRecord({{1, "Bianchi"}});
    if (kind == "link") {
        p.folder.write("altrove.pln", stored);
        left = entries(folder);
    }

    // No booking is taken that the close could not keep: each try says so and opens nothing.
    QTest::mouseClick(lib(p.planning, 1), Qt::LeftButton);
    QTest::mouseClick(lib(p.planning, 60), Qt::LeftButton);
    child<QAbstractButton>(p.planning, "cmdIntervallo")->click();
    QCOMPARE(dialogs, QStringList());
    QCOMPARE(answerer.seen.size(), 4);
    for (const testsupport::SeenBox& box : answerer.seen) {
        QCOMPARE(box.text, common::kArchiveFailure);
        QCOMPARE(box.icon, QMessageBox::Critical);
    }
    QVERIFY(!p.planning->isDayBooked(1));

    p.planning->close();
    // Nothing was written, nothing is left beside the planner and nothing more was said; the start menu
    // shows.
    QCOMPARE(answerer.seen.size(), 4);
    if (kind == "folder")
        QVERIFY(QFileInfo(path).isDir());
    else if (kind == "pipe")
        QVERIFY(QFileInfo(path).isFile() == false && QFileInfo::exists(path));
    else if (kind == "link")
        QCOMPARE(p.folder.read("altrove.pln"), stored);
    else
        QCOMPARE(readFile(path), kept);
    QCOMPARE(entries(folder), left);
    QVERIFY(p.avvio->isVisible());

    // A planner that loads takes bookings again, and its look at the folder leaves nothing there.
    if (kind == "no new file")
        QVERIFY(allowNewFiles(true));
    QVERIFY(QFile::remove(path) || QDir(folder).rmdir(plannerName("2024")));
    answerer.seen.clear();
    SeenDay seen;
    captureDay(answerer, seen);
    p.open("2024");
    QTest::mouseClick(lib(p.planning, 1), Qt::LeftButton);
    QCOMPARE(seen.opened, 1);
    QCOMPARE(answerer.seen.size(), 0);
    QCOMPARE(entries(folder).filter(".~"), QStringList());
}

void TestPlanning::failedSaveIsShown() {
    Planner p;
    p.open("2024");
    p.planning->setDay(10, "Rossi");
    // The file turns into something that cannot be written while the planner is open.
    QVERIFY(QFile::remove(p.folder.path(plannerName("2024"))));
    QVERIFY(QDir(p.folder.folder()).mkdir(plannerName("2024")));
    testsupport::ModalAnswerer answerer;
    p.planning->close();
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, common::kArchiveFailure);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Critical);
    QVERIFY(p.avvio->isVisible());
    QVERIFY(!p.planning->isVisible());
}

void TestPlanning::bookedStateReadWhileHidden() {
    Planner p;
    p.open("2024");
    p.planning->setDay(60, "Rossi");
    p.planning->hide();
    QVERIFY(p.planning->isDayBooked(60));
    QVERIFY(!occ(p.planning, 60)->isVisible());
    QVERIFY(!p.planning->isDayBooked(61));
}

void TestPlanning::restoringAMinimisedPlannerLoadsNothing() {
    Planner p;
    p.open("2024");
    p.planning->setDay(60, "Rossi");
    // The window system hides and shows the window again; the bookings not yet saved stay on show.
    p.planning->setWindowState(Qt::WindowMinimized);
    QCoreApplication::processEvents();
    p.planning->setWindowState(Qt::WindowMaximized);
    QCoreApplication::processEvents();
    QVERIFY(p.planning->isVisible());
    QCOMPARE(p.planning->dayText(60), QString("Rossi"));
    QVERIFY(p.planning->isDayBooked(60));
}

void TestPlanning::dayClickPresetsDialog_data() {
    QTest::addColumn<int>("slot");
    QTest::addColumn<bool>("bookedPicture");
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("text");
    QTest::newRow("1 Jan free") << 1 << false << "gen_01"
                                << "Prenotazione del 1 gennaio 2024"
                                << "";
    QTest::newRow("10 Jan booked") << 10 << true << "gen_10"
                                   << "Prenotazione del 10 gennaio 2024"
                                   << "Rossi";
    QTest::newRow("29 Feb leap") << 60 << false << "feb_29"
                                 << "Prenotazione del 29 febbraio 2024"
                                 << "";
    QTest::newRow("31 Dec booked") << 366 << true << "dic_31"
                                   << "Prenotazione del 31 dicembre 2024"
                                   << "Verdi Mario 333";
}

void TestPlanning::dayClickPresetsDialog() {
    QFETCH(int, slot);
    QFETCH(bool, bookedPicture);
    QFETCH(QString, tag);
    QFETCH(QString, heading);
    QFETCH(QString, text);
    Planner p;
    p.open("2024");
    if (!text.isEmpty())
        p.planning->setDay(slot, text);
    testsupport::ModalAnswerer answerer;
    SeenDay seen;
    captureDay(answerer, seen);
    QTest::mouseClick(bookedPicture ? occ(p.planning, slot) : lib(p.planning, slot), Qt::LeftButton);
    QCOMPARE(seen.opened, 1);
    QCOMPARE(seen.tag, tag);
    QCOMPARE(seen.heading, heading);
    QCOMPARE(seen.vehicle, QString("Fiat Panda"));
    QCOMPARE(seen.text, text);
    QCOMPARE(seen.booked, !text.isEmpty());
    QCOMPARE(answerer.seen.size(), 0);
    // Cancel leaves the day as it was.
    QCOMPARE(p.planning->dayText(slot), text);
}

void TestPlanning::february29_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("exists");
    QTest::newRow("2024") << "2024" << true;
    QTest::newRow("2000") << "2000" << true;
    QTest::newRow("2023") << "2023" << false;
    QTest::newRow("1900") << "1900" << false;
    QTest::newRow("0000") << "0000" << false;
}

void TestPlanning::february29() {
    QFETCH(QString, year);
    QFETCH(bool, exists);
    Planner p;
    p.open(year);
    p.planning->setDay(60, "Rossi");
    testsupport::ModalAnswerer answerer;
    SeenDay seen;
    captureDay(answerer, seen);
    QTest::mouseClick(occ(p.planning, 60), Qt::LeftButton);
    QCOMPARE(seen.opened, exists ? 1 : 0);
    if (exists) {
        QCOMPARE(seen.tag, QString("feb_29"));
        QCOMPARE(answerer.seen.size(), 0);
    } else {
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(
            answerer.seen[0].text,
            "Attenzione: la data 29/02/" + year +
                QString::fromUtf8(" non esiste.\n\r\n\rPer poter effettuare la prenotazione è necessario "
                                  "indicare una data valida."));
        QCOMPARE(answerer.seen[0].icon, QMessageBox::Warning);
        QCOMPARE(answerer.seen[0].buttons, QStringList({"OK", "Annulla"}));
    }
    QCOMPARE(p.planning->dayText(60), QString("Rossi"));
}

void TestPlanning::hints() {
    Planner p;
    p.open("2024");
    QVERIFY(QTest::qWaitForWindowExposed(p.planning));
    auto* panInfo = child<QLabel>(p.planning, "panInfo");
    const struct {
        const char* over;
        const char* hint; // nullptr: the hint stays as it was
    } steps[] = {
        {"cmdIntervallo", "Prenota intervallo di tempo."},
        {"shpIntervallo", ""},
        {"cmdRiepilogo", "Visualizza il riepilogo delle prenotazioni registrate."},
        {"txtMarca", nullptr},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa del planning corrente."},
        {"titMar", nullptr},
        {"cmdStampa", "Stampa il planning corrente."},
        {"lblCampo002", nullptr},
        {"shpSezione01", ""},
        {"libGen_01", planner::kDayHint},
        {"icoAnno", nullptr},
        {"bkgCamera", ""},
        {"cmdStampa", "Stampa il planning corrente."},
        {"shpContainer", ""},
        {"libGen_20", planner::kDayHint},
        {"icoTitolo", ""},
    };
    QString expected = panInfo->text();
    for (const auto& step : steps) {
        QWidget* w = child<QWidget>(p.planning, step.over);
        // A corner: the tiles lie under their commands.
        QTest::mouseMove(w, QPoint(2, 2));
        if (step.hint)
            expected = QString::fromUtf8(step.hint);
        QTRY_COMPARE(panInfo->text(), expected);
    }
    // The commands at the right end (beyond the test screen's width) and the hidden ones carry their hints.
    const std::pair<const char*, const char*> right[] = {
        {"cmdGuida", "Visualizza la guida in linea."},
        {"shpControlli06", ""},
        {"cmdEsci", "Esci da questa schermata di lavoro."},
        {"txtAnno", "Esci da questa schermata di lavoro."}, // kept
        {"cmdSalva", "Salva la scheda corrente in archivio."},
        {"cmdNuovo", "Prepara la schermata per la registrazione di una nuova scheda."},
        {"occDic_31", planner::kDayHint},
    };
    for (const auto& [name, hint] : right) {
        QWidget* w = child<QWidget>(p.planning, name);
        QMouseEvent move(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                         Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &move);
        QCOMPARE(panInfo->text(), QString::fromUtf8(hint));
    }
}

void TestPlanning::helpSharedWithEntryWindow() {
    Planner p;
    testsupport::ModalAnswerer answerer;
    testsupport::SeenHelp fromEntry, fromPlanner;
    testsupport::captureHelp(answerer, fromEntry);
    p.entry->show();
    child<QAbstractButton>(p.entry, "imgGuida")->click();
    testsupport::captureHelp(answerer, fromPlanner);
    p.open("2024");
    child<QAbstractButton>(p.planning, "cmdGuida")->click();
    QCOMPARE(fromEntry.title, QString("App Planner Prenotazioni"));
    QCOMPARE(fromPlanner.title, fromEntry.title);
    QCOMPARE(fromPlanner.text, fromEntry.text);
    QCOMPARE(fromEntry.owner, p.entry);
    QCOMPARE(fromPlanner.owner, p.planning);
    const QStringList paragraphs = QString(fromPlanner.text).remove('\r').split("\n\n");
    QCOMPARE(paragraphs.size(), 7);
    QVERIFY(paragraphs[0].startsWith("L'app Planner Prenotazioni mette a disposizione un planning annuale"));
    QVERIFY(paragraphs[6].endsWith("il prospetto delle prenotazioni."));
}

void TestPlanning::exitSavesAndShowsStartMenu() {
    Planner p;
    p.open("2024");
    p.planning->setDay(200, "Rossi");
    child<QAbstractButton>(p.planning, "cmdEsci")->click();
    QVERIFY(!p.planning->isVisible());
    QVERIFY(p.avvio->isVisible());
    QVERIFY(!p.entry->isVisible());
    QCOMPARE(p.folder.read(plannerName("2024")).mid(184 + 51 * 199, 51), field("Rossi", 50));
}

void TestPlanning::renderedCells() {
    Planner p;
    p.open("2024");
    p.planning->setDay(1, "Rossi");
    p.planning->setDay(60, "Bianchi");
    p.planning->setWindowState(Qt::WindowNoState);
    p.planning->resize(1016, 713);
    const QImage image = p.planning->grab().toImage();
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        image.save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/planning.png");
    QWidget* panel = child<QWidget>(p.planning, "panContainer");
    auto colourAt = [&](int slot) {
        const QRect cell = lib(p.planning, slot)->geometry();
        // The tile's colour, beside the day number.
        return image.pixelColor(panel->mapTo(p.planning, cell.topLeft() + QPoint(4, cell.height() / 2)));
    };
    const QColor booked = colourAt(1), free = colourAt(2);
    QVERIFY2(booked.red() > 150 && booked.green() < 80, qPrintable(booked.name()));
    QVERIFY2(free.red() > 180 && free.blue() > 200 && free.green() > 180, qPrintable(free.name()));
    QCOMPARE(colourAt(60), booked);
    QCOMPARE(colourAt(366), free);
}

void TestPlanning::headerEditsStrokedSkyBlue_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"txtVeicolo", "txtMarca", "txtModello", "txtTarga"})
        QTest::newRow(name) << QString(name);
}

// Each header edit is an AliceBlue fill in a one-pixel SkyBlue stroke, focused or not.
void TestPlanning::headerEditsStrokedSkyBlue() {
    QFETCH(QString, name);
    Planner p;
    p.open("2024");
    auto* edit = child<QLineEdit>(p.planning, name);
    edit->setFocus();
    const QImage image = edit->grab().toImage();
    const QColor skyBlue(0x87, 0xCE, 0xEB), aliceBlue(0xF0, 0xF8, 0xFF);
    const int w = image.width(), h = image.height();
    for (const QPoint& edge : {QPoint(0, 0), QPoint(w / 2, 0), QPoint(w - 1, h / 2), QPoint(w / 2, h - 1),
                               QPoint(0, h / 2), QPoint(w - 1, h - 1)})
        QCOMPARE(image.pixelColor(edge), skyBlue);
    for (const QPoint& inside : {QPoint(1, 1), QPoint(w - 2, h / 2), QPoint(w / 2, h - 2)})
        QCOMPARE(image.pixelColor(inside), aliceBlue);
}

QTEST_MAIN(TestPlanning)
#include "tst_planning.moc"
