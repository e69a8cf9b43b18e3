#include "maintenance/ScheduleExports.h"

#include "common/Clock.h"
#include "common/Failure.h"
#include "common/Text.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/ScheduleLists.h"
#include "maintenance/TfrmScadenzario.h"

#include <algorithm>
#include <numeric>
#include <vector>

using namespace maintenance::SchedaScadenza;

namespace maintenance {

namespace {

// Grid column, title, width on screen, width in the file, read-only, field: "N." and the 19 fields.
const QList<common::RecordColumn>& appointmentColumns() {
    static const QList<common::RecordColumn> kColumns = {
        {{QStringLiteral("N."), 60, 0, true}, common::kRecordNumber},
        {{QStringLiteral("Data scadenza"), 150, 150, true}, Data},
        {{QStringLiteral("Ora appuntamento"), 150, 150, true}, Ora},
        {{QStringLiteral("Conduttore"), 250, 250, true}, Conducente},
        {{QStringLiteral("Codice fiscale"), 180, 200, true}, CodiceFiscale},
        {{QStringLiteral("Recapito preferenziale"), 250, 250, true}, Recapito},
        {{QStringLiteral("Tipo veicolo"), 250, 250, true}, Veicolo},
        {{QStringLiteral("Marca"), 250, 250, true}, Marca},
        {{QStringLiteral("Modello"), 250, 250, true}, Modello},
        {{QStringLiteral("Colore"), 200, 200, true}, Colore},
        {{QStringLiteral("Alimentazione"), 200, 200, true}, Alimentazione},
        {{QStringLiteral("Targa"), 200, 200, true}, Targa},
        {{QStringLiteral("Tipo manutenzione"), 250, 250, true}, Manutenzione},
        {{QStringLiteral("Dettagli intervento"), 300, 300, true}, Dettagli},
        {{QStringLiteral("Ricambi sostituiti"), 300, 300, false}, Ricambi},
        {{QStringLiteral("Costo intervento"), 180, 200, false}, Costo},
        {{QStringLiteral("Meccanico esecutore"), 250, 250, false}, Contatto},
        {{QStringLiteral("Appuntamento da confermare"), 200, 250, false}, AppDaConfermare},
        {{QStringLiteral("Manutenzione effettuata"), 200, 250, false}, Effettuata},
        {{QStringLiteral("Note"), 300, 300, true}, Note},
    };
    return kColumns;
}

// The sort key, a last column of the day, month and imminent lists.
const common::ExportColumn kKeyColumn{QStringLiteral("Codice univoco"), 150, 150, false};

struct ListLayout {
    const char* instanceName;
    const char* caption;
    const char* fileName;
    const char* sheetName;
};

const ListLayout& listLayout(ListKind kind) {
    static const ListLayout kImminent{"frmExpImminenti", " Scadenze imminenti", "Scadenze_Imminenti.xls",
                                      "Scadenze imminenti"};
    static const ListLayout kDay{"frmExpGiornaliere", " Scadenze del giorno", "Scadenze_Giornaliere.xls",
                                 "Scadenze del giorno"};
    static const ListLayout kMonth{"frmExpMensili", " Scadenze del mese", "Scadenze_Mensili.xls",
                                   "Scadenze del mese"};
    switch (kind) {
    case ListKind::Imminent:
        return kImminent;
    case ListKind::Day:
        return kDay;
    case ListKind::Month:
        break;
    }
    return kMonth;
}

common::ExportLayout exportLayout(ListKind kind) {
    const ListLayout& l = listLayout(kind);
    common::ExportLayout layout;
    layout.instanceName = QLatin1String(l.instanceName);
    layout.caption = QLatin1String(l.caption);
    layout.fileName = QLatin1String(l.fileName);
    layout.sheetName = QLatin1String(l.sheetName);
    layout.helpKey = QStringLiteral("visualizzascadenze");
    layout.size = QSize(862, 560);
    layout.columns = common::gridColumns(appointmentColumns());
    layout.columns.append(kKeyColumn);
    return layout;
}

common::ExportLayout yearExportLayout() {
    common::ExportLayout layout;
    layout.instanceName = QStringLiteral("frmExpScadenzario");
    layout.caption = QStringLiteral(" Esporta archivio scadenzario manutenzioni");
    layout.fileName = QStringLiteral("Scadenzario_Manutenzioni.xls");
    layout.sheetName = QStringLiteral("Scadenzario Manutenzioni");
    layout.helpKey = QStringLiteral("expscadenzario");
    layout.size = QSize(862, 560);
    layout.columns = common::gridColumns(appointmentColumns());
    return layout;
}

QString fourDigits(int year) {
    return QStringLiteral("%1").arg(year, 4, 10, QLatin1Char('0'));
}

} // namespace

QString sortKey(const common::Record& record) {
    return common::Mid(record.get(Data), 4, 2) + record.get(GiornoMese) + record.get(OreApp) +
           record.get(MinutiApp);
}

bool listedIn(ListKind kind, const common::Record& record, const QDate& today, const QDate& day) {
    switch (kind) {
    case ListKind::Imminent:
        return isImminentRecord(record, today);
    case ListKind::Day:
        return record.get(Data) == day.toString(QStringLiteral("dd/MM/yyyy"));
    case ListKind::Month:
        return monthNumber(record.get(Mese)) == day.month() && record.get(Anno) == fourDigits(day.year());
    }
    return false;
}

AppointmentList::AppointmentList(ListKind kind, QWidget* owner)
    : common::ExportWindow(exportLayout(kind), owner)
    , kind_(kind) {}

void AppointmentList::readRows(QList<QString>& cells) {
    const QDate today = common::today();
    QDate day = today;
    if (kind_ != ListKind::Imminent) {
        TfrmScadenzario* schedule = scheduleWindow(parentWidget());
        if (!schedule)
            throw common::Failure("the schedule window is missing");
        day = schedule->calendarDate();
    }
    common::ArchiveFile archive = openYearFile(yearFilePath(fourDigits(day.year())));
    const QList<common::RecordColumn>& columns = appointmentColumns();
    const qsizetype width = columns.size() + 1;
    qsizetype rows = 0;
    // Rows are appended in file order, so a failure leaves them as read; sorted once all are in.
    archive.forEach([&](qint64, const common::Record& record) {
        if (!listedIn(kind_, record, today, day))
            return;
        ++rows;
        for (const common::RecordColumn& c : columns)
            cells.append(c.field == common::kRecordNumber ? QString::number(rows) : record.get(c.field));
        cells.append(sortKey(record));
    });
    archive.close();

    // Whole rows move, so "N." stays with its appointment; equal keys keep the file order.
    std::vector<qsizetype> order(static_cast<size_t>(rows));
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return common::CompareFolded(cells.at(a * width + width - 1), cells.at(b * width + width - 1)) < 0;
    });
    QList<QString> sorted;
    sorted.reserve(cells.size());
    for (qsizetype row : order)
        for (qsizetype c = 0; c < width; ++c)
            sorted.append(std::move(cells[row * width + c]));
    cells = std::move(sorted);
}

} // namespace maintenance

TfrmExpImminenti::TfrmExpImminenti(QWidget* owner)
    : maintenance::AppointmentList(maintenance::ListKind::Imminent, owner) {}
TfrmExpGiornaliere::TfrmExpGiornaliere(QWidget* owner)
    : maintenance::AppointmentList(maintenance::ListKind::Day, owner) {}
TfrmExpMensili::TfrmExpMensili(QWidget* owner)
    : maintenance::AppointmentList(maintenance::ListKind::Month, owner) {}

TfrmExpScadenzario::TfrmExpScadenzario(QWidget* owner)
    : common::ExportWindow(maintenance::yearExportLayout(), owner) {}

void TfrmExpScadenzario::readRows(QList<QString>& cells) {
    TfrmScadenzario* schedule = maintenance::scheduleWindow(parentWidget());
    if (!schedule)
        throw common::Failure("the schedule window is missing");
    common::ArchiveFile archive = maintenance::openYearFile(schedule->yearFile());
    // The grid has a row for every record of the year, also for those a failed read leaves empty.
    common::appendRecordRows(archive, maintenance::appointmentColumns(), cells, common::UnreadRows::Empty);
}
