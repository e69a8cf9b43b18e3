#include "app/Program.h"

#include "booking/Openers.h"
#include "booking/TfrmGiorno.h"
#include "booking/TfrmIntervallo.h"
#include "bookingprint/Openers.h"
#include "bookingprint/TfrmAnteprimaPlanning.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "bookingprint/TfrmStampaPlanning.h"
#include "common/TfrmGuida.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmDaSaldare.h"
#include "costs/TfrmExpCosti.h"
#include "costs/TfrmMenuCosti.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "costs/TfrmRiepSpese.h"
#include "costs/TfrmStatCosti.h"
#include "costs/TfrmTrovaCosti.h"
#include "fleet/DeadlineList.h"
#include "fleet/TfrmAllegaCartella.h"
#include "fleet/TfrmAnteprimaAutomezzo.h"
#include "fleet/TfrmExpVeicolario.h"
#include "fleet/TfrmMenuScadenze.h"
#include "fleet/TfrmSlideshow_Automezzi.h"
#include "fleet/TfrmStampaAutomezzo.h"
#include "fleet/TfrmTrovaAutomezzi.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/TfrmZoom.h"
#include "fleet/VehiclePhoto.h"
#include "maintenance/ScheduleExports.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"
#include "mileage/MileageLists.h"
#include "mileage/TfrmChilometrico.h"
#include "mileage/TfrmExpChilometrico.h"
#include "mileage/TfrmTrovaChilometrico.h"
#include "planner/SchedaPlanning.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"
#include "platform/Application.h"
#include "platform/Program.h"
#include "platform/ProgramFolder.h"
#include "platform/SafeFile.h"
#include "shell/Crypt.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCalendario.h"
#include "shell/TfrmCambiaPassword.h"
#include "shell/TfrmCodFisc.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmPartitaIva.h"
#include "shell/TfrmPassword.h"
#include "shell/TfrmSplash.h"

#include <QApplication>
#include <QFileInfo>
#include <QHash>

namespace app {

namespace {

template <class T> std::function<QWidget*()> make() {
    return [] { return new T(); };
}

} // namespace

QList<platform::SafeWriteTargets> safeWriteTargets() {
    // The password file, the program's one settings file, was written earlier through temporaries named
    // "<name>.XXXXXX" and then "<name>.~XXXXXX"; they may hold the scrambled password.
    const QString passwordFile = QFileInfo(shell::passwordFilePath()).fileName();
    return {
        {QString(),
         {passwordFile, QStringLiteral("Parco_Automezzi.xls"), QStringLiteral("Costi_Sostenuti.xls"),
          QStringLiteral("Scadenze_Imminenti.xls"), QStringLiteral("Scadenze_Giornaliere.xls"),
          QStringLiteral("Scadenze_Mensili.xls"), QStringLiteral("Scadenzario_Manutenzioni.xls"),
          QStringLiteral("Scadenzario_Chilometrico.xls"),
          planner::plannerFileName(QStringLiteral("*"), QStringLiteral("????"))},
         {passwordFile}},
        {QFileInfo(fleet::photoFolder()).fileName(), {fleet::photoNamePattern()}, {}},
        // Attached documents keep the names of the user's files: only the temporary's mark tells them apart.
        {QFileInfo(fleet::attachmentsFolder()).fileName(), {QStringLiteral("*")}, {}},
    };
}

// Start-up budget. Every window of the table is created at start, so each creation is held to a share of a
// bare Qt window's whole start (process start to idle loop; bench_startup checks every row). Creating a
// window builds its controls; what nobody sees before the first show (pictures, plots, polish) waits for it.
// The shares below, with the bare start itself and kStartOverheadBudget, add up to at most three bare starts
// for the 52 windows (tests/app checks the sum).
double creationBudget(const QString& className) {
    constexpr double kWindowBudget = 0.01; // a menu, dialog or preview of plain controls
    constexpr double kListBudget = 0.027;  // a search, export or list window: a grid and editable lists
    constexpr double kFirstOfKind = 0.05;  // the first window of its kind pays for Qt's first grid of it
    constexpr double kCardBudget = 0.10;   // a data-entry card: some forty edits, labels and a toolbar
    static const QHash<QString, double> larger{
        {QStringLiteral("TfrmPassword"), 0.28}, // the first window: Qt starts its font system for it
        {QStringLiteral("TfrmAvvio"), kListBudget},
        {QStringLiteral("TfrmGuida"), kFirstOfKind},
        {QStringLiteral("TfrmVeicolario"), kCardBudget},
        {QStringLiteral("TfrmCalendario"), kCardBudget}, // a month calendar
        {QStringLiteral("TfrmTrovaAutomezzi"), kFirstOfKind},
        {QStringLiteral("TfrmExpVeicolario"), kFirstOfKind},
        {QStringLiteral("TfrmCosti"), kCardBudget},
        {QStringLiteral("TfrmMenuRiepSpese"), 0.07}, // five editable lists of periods
        {QStringLiteral("TfrmStatCosti"), kListBudget},
        {QStringLiteral("TfrmPlanning"), kCardBudget}, // some 1,100 day cells
        {QStringLiteral("TfrmIntervallo"), 0.05},      // four editable lists of days and months
        {QStringLiteral("TfrmRiepPrenotazioni"), kListBudget},
        {QStringLiteral("TfrmScadenzario"), kCardBudget},
        {QStringLiteral("TfrmExpImminenti"), kListBudget},
        {QStringLiteral("TfrmExpGiornaliere"), kListBudget},
        {QStringLiteral("TfrmExpMensili"), kListBudget},
        {QStringLiteral("TfrmExpScadenzario"), kListBudget},
        {QStringLiteral("TfrmTrovaScadenzario"), kListBudget},
        {QStringLiteral("TfrmCodFisc"), kListBudget},
        {QStringLiteral("TfrmChilometrico"), kCardBudget},
        {QStringLiteral("TfrmExpChilometrico"), kListBudget},
        {QStringLiteral("TfrmTrovaChilometrico"), kListBudget},
        {QStringLiteral("TfrmDaSaldare"), kListBudget},
        {QStringLiteral("TfrmTrovaCosti"), kListBudget},
        {QStringLiteral("TfrmExpCosti"), kListBudget},
    };
    return larger.value(className, kWindowBudget);
}

QList<common::WindowEntry> creationTable() {
    // Order is binding: a window's creation may read a window created before it.
    return {
        {QStringLiteral("TfrmPassword"), make<TfrmPassword>()},
        {QStringLiteral("TfrmAvvio"), make<TfrmAvvio>()},
        {QStringLiteral("TfrmCambiaPassword"), make<TfrmCambiaPassword>()},
        {QStringLiteral("TfrmGuida"), make<TfrmGuida>()},
        {QStringLiteral("TfrmInfo"), make<TfrmInfo>()},
        {QStringLiteral("TfrmSplash"), make<TfrmSplash>()},
        {QStringLiteral("TfrmVeicolario"), make<TfrmVeicolario>()},
        {QStringLiteral("TfrmAllegaCartella"), make<TfrmAllegaCartella>()},
        {QStringLiteral("TfrmZoom"), make<TfrmZoom>()},
        {QStringLiteral("TfrmCalendario"), make<TfrmCalendario>()},
        {QStringLiteral("TfrmSlideshow_Automezzi"), make<TfrmSlideshow_Automezzi>()},
        {QStringLiteral("TfrmTrovaAutomezzi"), make<TfrmTrovaAutomezzi>()},
        {QStringLiteral("TfrmStampaAutomezzo"), make<TfrmStampaAutomezzo>()},
        {QStringLiteral("TfrmAnteprimaAutomezzo"), make<TfrmAnteprimaAutomezzo>()},
        {QStringLiteral("TfrmExpVeicolario"), make<TfrmExpVeicolario>()},
        {QStringLiteral("TfrmMenuScadenze"), make<TfrmMenuScadenze>()},
        {QStringLiteral("TfrmScadRevisione"), make<TfrmScadRevisione>()},
        {QStringLiteral("TfrmScadTagliando"), make<TfrmScadTagliando>()},
        {QStringLiteral("TfrmScadAssicurazione"), make<TfrmScadAssicurazione>()},
        {QStringLiteral("TfrmScadBollo"), make<TfrmScadBollo>()},
        {QStringLiteral("TfrmMenuCosti"), make<TfrmMenuCosti>()},
        {QStringLiteral("TfrmCosti"), make<TfrmCosti>()},
        {QStringLiteral("TfrmMenuRiepSpese"), make<TfrmMenuRiepSpese>()},
        {QStringLiteral("TfrmStatCosti"), make<TfrmStatCosti>()},
        {QStringLiteral("TfrmRiepSpese"), make<TfrmRiepSpese>()},
        {QStringLiteral("TfrmMenuDisponibili"), make<TfrmMenuDisponibili>()},
        {QStringLiteral("TfrmPlanning"), make<TfrmPlanning>()},
        {QStringLiteral("TfrmGiorno"), make<TfrmGiorno>()},
        {QStringLiteral("TfrmIntervallo"), make<TfrmIntervallo>()},
        {QStringLiteral("TfrmStampaPlanning"), make<TfrmStampaPlanning>()},
        {QStringLiteral("TfrmAnteprimaPlanning"), make<TfrmAnteprimaPlanning>()},
        {QStringLiteral("TfrmRiepPrenotazioni"), make<TfrmRiepPrenotazioni>()},
        {QStringLiteral("TfrmScadenzario"), make<TfrmScadenzario>()},
        {QStringLiteral("TfrmExpImminenti"), make<TfrmExpImminenti>()},
        {QStringLiteral("TfrmExpGiornaliere"), make<TfrmExpGiornaliere>()},
        {QStringLiteral("TfrmExpMensili"), make<TfrmExpMensili>()},
        {QStringLiteral("TfrmExpScadenzario"), make<TfrmExpScadenzario>()},
        {QStringLiteral("TfrmConfermati"), make<TfrmConfermati>()},
        {QStringLiteral("TfrmNonConfermati"), make<TfrmNonConfermati>()},
        {QStringLiteral("TfrmTrovaScadenzario"), make<TfrmTrovaScadenzario>()},
        {QStringLiteral("TfrmCodFisc"), make<TfrmCodFisc>()},
        {QStringLiteral("TfrmPartitaIva"), make<TfrmPartitaIva>()},
        {QStringLiteral("TfrmDaConfermare"), make<TfrmDaConfermare>()},
        {QStringLiteral("TfrmChilometrico"), make<TfrmChilometrico>()},
        {QStringLiteral("TfrmExpChilometrico"), make<TfrmExpChilometrico>()},
        {QStringLiteral("TfrmTrovaChilometrico"), make<TfrmTrovaChilometrico>()},
        {QStringLiteral("TfrmEffettuate"), make<TfrmEffettuate>()},
        {QStringLiteral("TfrmDaEffettuare"), make<TfrmDaEffettuare>()},
        {QStringLiteral("TfrmScaduteKm"), make<TfrmScaduteKm>()},
        {QStringLiteral("TfrmDaSaldare"), make<TfrmDaSaldare>()},
        {QStringLiteral("TfrmTrovaCosti"), make<TfrmTrovaCosti>()},
        {QStringLiteral("TfrmExpCosti"), make<TfrmExpCosti>()},
    };
}

void startWindows() {
    startWindows(creationTable());
}

void startWindows(const QList<common::WindowEntry>& table) {
    platform::removeStaleTemporaries(platform::programFolder(), safeWriteTargets());
    // The planner's commands open the booking dialogs through the openers these folders register.
    booking::registerWithPlanner();
    bookingprint::registerPlannerOpeners();
    common::WindowRegistry::instance().createAll(table);
    if (QWidget* login = common::sharedWindow(QStringLiteral("frmPassword")))
        login->show();
}

void setUpApplication() {
    platform::useItalian();
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setApplicationName(QStringLiteral("Veicolario"));
}

int runProgram(int argc, char** argv) {
    platform::prepareStartMemory();
    platform::drawOnProcessor();
    platform::Application application(argc, argv);
    setUpApplication();
    startWindows();
    const int code = QApplication::exec();
    common::WindowRegistry::instance().destroyAll();
    return code;
}

} // namespace app
