// The cost record of the costs year files ("YYYY.eur"), its lists and the cost list line.
#pragma once

#include "common/Archive.h"

#include <QStringList>

namespace costs {

inline constexpr int kCostRecordSize = 1627;

namespace SchedaCosto {
enum Field {
    GiornoMese,
    Mese,
    Anno,
    Data,
    Luogo,
    Veicolo,
    Marca,
    Modello,
    Colore,
    Alimentazione,
    Targa,
    Causale,
    Descrizione,
    Modalita,
    Estremi,
    Importo,
    Pagatore,
    RecPagatore,
    Beneficiario,
    RecBeneficiario,
    Conducente,
    Recapito,
    Saldato,
    Note,
    FieldCount
};
const common::RecordLayout& layout();
} // namespace SchedaCosto

// The costs year file of a year: the program folder, the trimmed year and ".eur".
QString costFilePath(const QString& year);
// The costs year file at path (trimmed), opened or created.
common::ArchiveFile openCostArchive(const QString& path);

// "Sì" for a settled payment, "No" otherwise.
QString saldatoText(bool settled);
inline const QString kSaldatoSi = QString::fromUtf8("S\xc3\xac");
inline const QString kSaldatoNo = QStringLiteral("No");

// "Gennaio" to "Dicembre".
const QStringList& monthNames();
// 1 to 12 for a month name (trimmed, A-Z folded); 0 for any other text.
int monthNumber(const QString& name);
// "01" to "31".
const QStringList& dayItems();
// The drop-down lists of the card.
const QStringList& vehicleTypes();
const QStringList& causes();

// A date as day, "/", the month's two digits, "/", year; the month number as above.
QString composeDate(const QString& day, int month, const QString& year);

// The line of every list of costs: make and model, plate, date, cause, payee, amount.
QString costLine(const common::Record& cost);

} // namespace costs
