#include "fleet/VeicolarioHelp.h"

namespace fleet {

QString veicolarioHelpTitle() {
    return QStringLiteral("App Parco Automezzi");
}

QStringList veicolarioHelpParagraphs() {
    return {
        QString::fromUtf8(
            "La scheda veicolo raccoglie i dati di ciascun automezzo del parco aziendale: tipo di veicolo, "
            "destinazione ed uso, marca e modello, targa e numero di telaio, anno di immatricolazione, "
            "colore, "
            "pneumatici montati, stato del veicolo, alimentazione, potenza in kW, cilindrata, chilometri "
            "percorsi e data della loro lettura, numero di posti, portata massima e compatibilità "
            "ambientale."),
        QString::fromUtf8(
            "Nella stessa scheda si annotano gli incidenti subiti, la compagnia assicurativa, il telefono "
            "dell'assicuratore e l'importo dell'ultima polizza pagata; il proprietario, l'autista e il "
            "meccanico con i rispettivi numeri di telefono; infine le note."),
        QString::fromUtf8(
            "Per registrare una nuova scheda premere il pulsante Nuovo, compilare i campi e premere Salva. I "
            "campi tipo veicolo, marca, modello e targa sono a compilazione obbligatoria."),
        QString::fromUtf8("Per aggiornare una scheda già presente in archivio richiamarla con la funzione di "
                          "ricerca oppure "
                          "con le frecce di navigazione, apportare le modifiche desiderate e premere Salva."),
        QString::fromUtf8(
            "A ogni scheda è possibile associare una foto del veicolo: il pulsante \"Carica foto\" accetta "
            "un'immagine in formato JPEG o Bitmap, che viene mostrata in scala nel riquadro di anteprima. Lo "
            "zoom la visualizza nelle sue dimensioni reali. La foto può essere salvata su disco o cancellata "
            "in "
            "qualsiasi momento; viene archiviata insieme alla scheda quando si preme Salva."),
        QString::fromUtf8(
            "Lo slide show mostra a tutto schermo le foto di tutti i veicoli in archivio ad intervalli di "
            "sei "
            "secondi, ricominciando dalla prima dopo l'ultima. Per terminarlo basta un clic in un punto "
            "qualsiasi dello schermo."),
        QString::fromUtf8(
            "Il pulsante Duplica è utile per registrare un nuovo veicolo che ha molti dati in comune con uno "
            "già "
            "presente in archivio: richiamata la scheda esistente, premere Duplica, modificare i dati che "
            "cambiano e premere Salva per inserire la nuova scheda."),
        QString::fromUtf8(
            "Alla scheda si possono allegare file di qualsiasi tipo, ad esempio i documenti del veicolo "
            "acquisiti con lo scanner, con il pulsante Allega."),
        QString::fromUtf8(
            "Il pulsante Trova apre la ricerca delle schede in archivio: si può cercare per chiavi parziali, "
            "combinando più filtri contemporaneamente, e i risultati della ricerca possono essere stampati."),
        QString::fromUtf8("Tenere aggiornate le quattro date di scadenza (revisione, tagliando, "
                          "assicurazione e bollo) permette "
                          "di seguirle con gli elenchi delle scadenze, che mostrano i veicoli in scadenza "
                          "entro sette giorni o "
                          "già scaduti."),
        QString::fromUtf8("La scheda corrente può essere visualizzata in anteprima e stampata; l'intero "
                          "archivio può essere "
                          "esportato in un file di Microsoft Excel."),
    };
}

} // namespace fleet
