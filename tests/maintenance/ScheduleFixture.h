// Appointment records for the schedule's tests.
#pragma once

#include "common/Archive.h"
#include "maintenance/SchedaScadenza.h"

#include <QByteArray>
#include <QString>

namespace testsupport {

struct Appointment {
    QString data = QStringLiteral("15/03/2025"); // dd/MM/yyyy
    QString ora = QStringLiteral("09:30");
    QString avviso = QStringLiteral("5");
    QString marca = QStringLiteral("Fiat");
    QString modello = QStringLiteral("Panda");
    QString targa = QStringLiteral("AB123CD");
    QString conducente = QStringLiteral("Rossi Mario");
    QString recapito = QStringLiteral("0612345");
    QString manutenzione = QStringLiteral("Tagliando");
    QString daConfermare = QStringLiteral("No");
    QString effettuata = QStringLiteral("No");
    QString note;
};

inline common::Record appointmentRecord(const Appointment& a) {
    using namespace maintenance::SchedaScadenza;
    common::Record r(layout());
    r.set(GiornoMese, a.data.left(2));
    r.set(Mese, maintenance::monthNames().value(a.data.mid(3, 2).toInt() - 1));
    r.set(Anno, a.data.mid(6, 4));
    r.set(Data, a.data);
    r.set(OreApp, a.ora.left(2));
    r.set(MinutiApp, a.ora.mid(3, 2));
    r.set(Ora, a.ora);
    r.set(Avviso, a.avviso);
    r.set(Conducente, a.conducente);
    r.set(Recapito, a.recapito);
    r.set(Veicolo, QStringLiteral("Autovettura"));
    r.set(Marca, a.marca);
    r.set(Modello, a.modello);
    r.set(Targa, a.targa);
    r.set(Manutenzione, a.manutenzione);
    r.set(Costo, QStringLiteral("0,00"));
    r.set(Note, a.note);
    r.set(AppDaConfermare, a.daConfermare);
    r.set(Effettuata, a.effettuata);
    return r;
}

inline QByteArray appointmentBytes(const Appointment& a) {
    return appointmentRecord(a).bytes();
}

} // namespace testsupport
