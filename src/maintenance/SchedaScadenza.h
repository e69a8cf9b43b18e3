// The appointment record of the schedule year files ("YYYY.sca"), its list line and the imminence rule.
#pragma once

#include "common/Archive.h"

#include <QDate>
#include <QString>

namespace maintenance {

inline constexpr int kScheduleRecordSize = 1328;

namespace SchedaScadenza {
enum Field {
    GiornoMese,
    Mese,
    Anno,
    Data,
    OreApp,
    MinutiApp,
    Ora,
    Avviso,
    Conducente,
    CodiceFiscale,
    Recapito,
    Veicolo,
    Marca,
    Modello,
    Colore,
    Alimentazione,
    Targa,
    Manutenzione,
    Dettagli,
    Ricambi,
    Costo,
    Contatto,
    Note,
    AppDaConfermare,
    Effettuata,
    FieldCount
};
const common::RecordLayout& layout();
} // namespace SchedaScadenza

// The flags as the card stores them.
inline const QString kSi = QString::fromUtf8("Sì");
inline const QString kNo = QStringLiteral("No");

// The months as the card lists them, "Gennaio" first.
const QStringList& monthNames();
// 1 to 12 for a month name, letters A-Z folded; 0 for anything else.
int monthNumber(const QString& name);

// The year file of a year: program folder + year + ".sca".
QString yearFilePath(const QString& year);
// A year file opened or created.
common::ArchiveFile openYearFile(const QString& path);

// Imminent on day today when due - days <= today <= due.
bool isImminent(const QDate& due, int days, const QDate& today);
// The rule on a record: false when its date or its warning days cannot be read.
bool isImminentRecord(const common::Record& record, const QDate& today);
// Counts the imminent records of an archive; a record that cannot be read is skipped.
int countImminent(common::ArchiveFile& archive, const QDate& today);

// The line of the summaries and of the search.
QString appointmentLine(const common::Record& record);

} // namespace maintenance
