#include "costs/SchedaCosto.h"

#include "common/Text.h"
#include "platform/Ansi.h"
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

// Pads with blanks or cuts what stands from start to n characters.
void padCut(QString& out, qsizetype start, qsizetype n) {
    out.resize(start + n, QLatin1Char(' '));
}

// The field's trimmed text decoded straight into out.
void appendField(QString& out, const common::Record& cost, int field) {
    const QByteArrayView stored = cost.stored(field);
    const qsizetype at = out.size();
    out.resize(at + stored.size());
    platform::fromAnsi(stored.data(), stored.size(), reinterpret_cast<char16_t*>(out.data() + at));
}

void fieldPadCut(QString& out, const common::Record& cost, int field, qsizetype n) {
    const qsizetype start = out.size();
    appendField(out, cost, field);
    padCut(out, start, n);
}

} // namespace

void appendCostLine(const common::Record& cost, QString& out) {
    out.resize(0); // keeps the room a scan reserved
    appendField(out, cost, Marca);
    out += QLatin1Char(' ');
    appendField(out, cost, Modello);
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
    appendField(out, cost, Importo);
}

QString costLine(const common::Record& cost) {
    // Put together in one buffer kept between calls; lists keep many lines, each no larger than its text.
    thread_local QString buffer(200, Qt::Uninitialized);
    appendCostLine(cost, buffer);
    return QString(buffer.constData(), buffer.size());
}

} // namespace costs
