#include "costs/SchedaCosto.h"

#include "common/Text.h"
#include "platform/Ansi.h"
#include "platform/ProgramFolder.h"

#include <algorithm>
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

// Writes the field's trimmed text at out, cut to n characters and padded with blanks to n; returns the end.
char16_t* putField(char16_t* out, QByteArrayView stored, qsizetype n) {
    const qsizetype k = std::min(stored.size(), n);
    platform::fromAnsi(stored.data(), k, out);
    return std::fill_n(out + k, n - k, u' ');
}

template <size_t N> char16_t* putText(char16_t* out, const char16_t (&text)[N]) {
    return std::copy_n(text, N - 1, out);
}

constexpr qsizetype kMakeModelWidth = 28;

} // namespace

QString costLine(const common::Record& cost) {
    // Every part but the amount has a fixed width: the line is made at its size and written in place.
    const QByteArrayView amount = cost.stored(Importo);
    constexpr qsizetype kFixed = kMakeModelWidth + 9 + 10 + 8 + 10 + 2 + 32 + 5 + 28 + 11;
    QString line(kFixed + amount.size(), Qt::Uninitialized);
    char16_t* out = reinterpret_cast<char16_t*>(line.data());
    // Make, a blank and model, together cut to their width.
    const QByteArrayView make = cost.stored(Marca);
    char16_t* makeModel = out;
    out = putField(out, make, kMakeModelWidth);
    if (make.size() < kMakeModelWidth) {
        out = makeModel + make.size() + 1; // past the blank already written
        out = putField(out, cost.stored(Modello), kMakeModelWidth - make.size() - 1);
    }
    out = putText(out, u"  Targa: ");
    out = putField(out, cost.stored(Targa), 10);
    out = putText(out, u"  Data: ");
    out = putField(out, cost.stored(Data), 10);
    out = putText(out, u"  ");
    out = putField(out, cost.stored(Causale), 32);
    out = putText(out, u"  A: ");
    out = putField(out, cost.stored(Beneficiario), 28);
    out = putText(out, u"  Costo: \u20AC ");
    putField(out, amount, amount.size());
    return line;
}

} // namespace costs
