#include "costs/SchedaCosto.h"

#include "common/Text.h"
#include "platform/ProgramFolder.h"

#include <array>

namespace costs {

namespace SchedaCosto {

namespace {
constexpr std::array<common::FieldSpec, FieldCount> kFields{{
    {"GiornoMese", 2},    {"Mese", 10},          {"Anno", 4},           {"Data", 10},
    {"Luogo", 50},        {"Veicolo", 50},       {"Marca", 50},         {"Modello", 50},
    {"Colore", 50},       {"Alimentazione", 50}, {"Targa", 30},         {"Causale", 50},
    {"Descrizione", 250}, {"Modalita", 120},     {"Estremi", 120},      {"Importo", 15},
    {"Pagatore", 120},    {"RecPagatore", 50},   {"Beneficiario", 120}, {"RecBeneficiario", 50},
    {"Conducente", 50},   {"Recapito", 50},      {"Saldato", 2},        {"Note", 250},
}};
static_assert(common::recordSize(kFields) == kCostRecordSize);
} // namespace

const common::RecordLayout& layout() {
    static const common::RecordLayout kLayout{std::span<const common::FieldSpec>(kFields)};
    return kLayout;
}

} // namespace SchedaCosto

using namespace SchedaCosto;

QString costFilePath(const QString& year) {
    return platform::programPath(common::Trim(year) + QStringLiteral(".eur"));
}

common::ArchiveFile openCostArchive(const QString& path) {
    return common::ArchiveFile::atPath(common::Trim(path), layout());
}

QString saldatoText(bool settled) {
    return settled ? kSaldatoSi : kSaldatoNo;
}

const QStringList& monthNames() {
    static const QStringList kMonths{"Gennaio", "Febbraio", "Marzo",     "Aprile",  "Maggio",   "Giugno",
                                     "Luglio",  "Agosto",   "Settembre", "Ottobre", "Novembre", "Dicembre"};
    return kMonths;
}

int monthNumber(const QString& name) {
    const QString folded = common::Trim(common::UpperAZ(name));
    for (int i = 0; i < 12; ++i)
        if (folded == common::UpperAZ(monthNames().at(i)))
            return i + 1;
    return 0;
}

const QStringList& dayItems() {
    static const QStringList kDays = [] {
        QStringList days;
        for (int d = 1; d <= 31; ++d)
            days << QStringLiteral("%1").arg(d, 2, 10, QLatin1Char('0'));
        return days;
    }();
    return kDays;
}

const QStringList& vehicleTypes() {
    static const QStringList kTypes{"Autobus",        "Autocarro",     "Autovettura", "Camper",
                                    "Ciclomotore",    "Furgoncino",    "Furgone",     "Imbarcazione",
                                    "Mezzo agricolo", "Motocarro",     "Motociclo",   "Motoscafo",
                                    "Natante",        "Rimorchio",     "Roulotte",    "Scooter",
                                    "Trattore",       "Veicolo edile", "Yacht"};
    return kTypes;
}

const QStringList& causes() {
    static const QStringList kCauses{"Acquisto accessori",
                                     "Assicurazione",
                                     "Bollino blu",
                                     "Bollo",
                                     "Cambio filtri",
                                     "Cambio olio",
                                     "Cambio pneumatici",
                                     "Costi vari",
                                     "Manutenzione ordinaria",
                                     "Manutenzione straordinaria",
                                     "Multa",
                                     "Revisione",
                                     "Revisione freni",
                                     "Rifornimento carburante",
                                     "Riparazioni",
                                     "Tagliando"};
    return kCauses;
}

QString composeDate(const QString& day, int month, const QString& year) {
    return common::Trim(day) + QLatin1Char('/') + QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0')) +
           QLatin1Char('/') + common::Trim(year);
}

namespace {

void padCut(QString& out, qsizetype start, qsizetype n) {
    if (out.size() < start + n)
        out.append(QString(start + n - out.size(), QLatin1Char(' ')));
    else
        out.truncate(start + n);
}

void fieldPadCut(QString& out, const common::Record& cost, int field, qsizetype n) {
    const qsizetype start = out.size();
    out += cost.get(field);
    padCut(out, start, n);
}

} // namespace

void appendCostLine(const common::Record& cost, QString& out) {
    out.clear();
    out += cost.get(Marca);
    out += QLatin1Char(' ');
    out += cost.get(Modello);
    padCut(out, 0, 28);
    out += QLatin1String("  Targa: ");
    fieldPadCut(out, cost, Targa, 10);
    out += QLatin1String("  Data: ");
    fieldPadCut(out, cost, Data, 10);
    out += QLatin1String("  ");
    fieldPadCut(out, cost, Causale, 32);
    out += QLatin1String("  A: ");
    fieldPadCut(out, cost, Beneficiario, 28);
    out += QStringLiteral("  Costo: \u20AC ");
    out += cost.get(Importo);
}

QString costLine(const common::Record& cost) {
    QString line;
    line.reserve(200);
    appendCostLine(cost, line);
    return line;
}

} // namespace costs
