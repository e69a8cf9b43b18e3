#include "maintenance/SchedaScadenza.h"

#include "common/Numbers.h"
#include "common/Text.h"
#include "platform/ProgramFolder.h"

#include <array>

namespace maintenance {

namespace SchedaScadenza {
namespace {
constexpr std::array<common::FieldSpec, FieldCount> kFields{{
    {"GiornoMese", 2},  {"Mese", 10},          {"Anno", 4},       {"Data", 10},
    {"OreApp", 2},      {"MinutiApp", 2},      {"Ora", 5},        {"Avviso", 3},
    {"Conducente", 50}, {"CodiceFiscale", 16}, {"Recapito", 50},  {"Veicolo", 50},
    {"Marca", 50},      {"Modello", 50},       {"Colore", 50},    {"Alimentazione", 50},
    {"Targa", 30},      {"Manutenzione", 50},  {"Dettagli", 250}, {"Ricambi", 250},
    {"Costo", 15},      {"Contatto", 50},      {"Note", 250},     {"AppDaConfermare", 2},
    {"Effettuata", 2},
}};
static_assert(common::recordSize(kFields) == kScheduleRecordSize);
} // namespace

const common::RecordLayout& layout() {
    static const common::RecordLayout kLayout{std::span<const common::FieldSpec>(kFields)};
    return kLayout;
}
} // namespace SchedaScadenza

const QStringList& monthNames() {
    static const QStringList kMonths{
        QStringLiteral("Gennaio"), QStringLiteral("Febbraio"), QStringLiteral("Marzo"),
        QStringLiteral("Aprile"),  QStringLiteral("Maggio"),   QStringLiteral("Giugno"),
        QStringLiteral("Luglio"),  QStringLiteral("Agosto"),   QStringLiteral("Settembre"),
        QStringLiteral("Ottobre"), QStringLiteral("Novembre"), QStringLiteral("Dicembre")};
    return kMonths;
}

int monthNumber(const QString& name) {
    const QStringList& months = monthNames();
    for (int i = 0; i < months.size(); ++i)
        if (common::CompareFolded(name, months.at(i)) == 0)
            return i + 1;
    return 0;
}

QString yearFilePath(const QString& year) {
    return platform::programFolder() + year + QStringLiteral(".sca");
}

common::ArchiveFile openYearFile(const QString& path) {
    return common::ArchiveFile::atPath(path, SchedaScadenza::layout());
}

bool isImminent(const QDate& due, int days, const QDate& today) {
    return due.isValid() && due.addDays(-days) <= today && today <= due;
}

bool isImminentRecord(const common::Record& record, const QDate& today) {
    const QDate due = common::LeggiData(record.get(SchedaScadenza::Data));
    const QString avviso = record.get(SchedaScadenza::Avviso);
    if (!due.isValid() || avviso.isEmpty() || !common::IsNumeric(avviso))
        return false;
    return isImminent(due, avviso.toInt(), today);
}

int countImminent(common::ArchiveFile& archive, const QDate& today) {
    int count = 0;
    archive.forEach([&](qint64, const common::Record& record) {
        if (isImminentRecord(record, today))
            ++count;
    });
    return count;
}

QString appointmentLine(const common::Record& r) {
    using namespace SchedaScadenza;
    using common::PadCut;
    QString line;
    line.reserve(200);
    line += PadCut(r.get(Marca) + QLatin1Char(' ') + r.get(Modello), 28);
    line += QLatin1String("  Targa: ");
    line += PadCut(r.get(Targa), 12);
    line += QLatin1String("  Data: ");
    line += PadCut(r.get(Data), 10);
    line += QLatin1String("  Ora: ");
    line += PadCut(r.get(Ora), 5);
    line += QLatin1String("  ");
    line += PadCut(r.get(Conducente), 28);
    line += QLatin1String("  Tel. ");
    line += PadCut(r.get(Recapito), 14);
    line += QLatin1String("  ");
    line += r.get(Manutenzione);
    return line;
}

} // namespace maintenance
