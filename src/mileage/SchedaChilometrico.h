// The mileage maintenance record of "Scadenzario_Chilometrico.pro", its list lines and its two rules.
#pragma once

#include "common/Archive.h"

#include <QString>

namespace mileage {

inline constexpr const char* kMileageArchive = "Scadenzario_Chilometrico.pro";
inline constexpr int kMileageRecordSize = 1193;

namespace SchedaChilometrico {
enum Field {
    Veicolo,
    Marca,
    Modello,
    Colore,
    Alimentazione,
    Targa,
    Conducente,
    CodiceFiscale,
    Recapito,
    Manutenzione,
    Dettagli,
    Officina,
    Costo,
    DataInt,
    KmRil,
    DataRil,
    Ogni,
    Prossima,
    KmAttuali,
    DataAtt,
    StatoManutenzione,
    Effettuata,
    Note,
    FieldCount
};
const common::RecordLayout& layout();
} // namespace SchedaChilometrico

inline const QString kValida = QStringLiteral("VALIDA");
inline const QString kScaduta = QStringLiteral("SCADUTA");
inline const QString kDone = QString::fromUtf8("Sì");
inline const QString kNotDone = QStringLiteral("No");

// The mileage archive, opened or created.
inline common::ArchiveFile openMileageArchive() {
    return common::ArchiveFile(QString::fromLatin1(kMileageArchive), SchedaChilometrico::layout());
}

// The line of the list of work done: make and model, plate, maintenance, work date, current reading.
QString lineDone(const common::Record& record);
// The line of the lists of work to do and overdue, and of the search: make and model, plate,
// maintenance, initial reading, due mileage.
QString lineToDo(const common::Record& record);

// The readings that the two rules work on, as the card's fields hold them.
struct Readings {
    QString kmRil;
    QString ogni;
    QString prossima;
    QString kmAttuali;
    QString stato;
};

inline const QString kInvalidReadings =
    QStringLiteral("Attenzione: valori non validi.\r\n\r\nInserire correttamente il numero dei chilometri "
                   "prima di premere il pulsante Calcola.");

// The due mileage: the initial reading plus the interval. False when a reading is not a number: the
// three fields are then "0".
bool dueMileageRule(Readings& r);
// The status from the due and current readings, without running the due-mileage rule first. False when
// one is not a number: both are then "0" and the status stays as it was.
bool statusRule(Readings& r);

// A km field as the focus leaves it: a whole number, "0" when empty or not a number.
QString normaliseKm(const QString& text);

} // namespace mileage
