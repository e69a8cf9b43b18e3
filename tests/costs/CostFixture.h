// Cost records for the tests, written into the test's own program folder, and the cost card they load into.
#pragma once

#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"

#include <QImage>
#include <QMap>

namespace testsupport {

using CostFields = QMap<costs::SchedaCosto::Field, QString>;

inline common::Record cost(const CostFields& fields) {
    common::Record record(costs::SchedaCosto::layout());
    for (auto it = fields.begin(); it != fields.end(); ++it)
        record.set(it.key(), it.value());
    return record;
}

// A cost paid on a day of 2024 ("dd/mm"), with its make, model, plate, cause and amount.
inline CostFields paid(const QString& dayMonth, const QString& make, const QString& plate,
                       const QString& cause, const QString& amount,
                       const QString& saldato = QStringLiteral("No")) {
    using namespace costs::SchedaCosto;
    return {{GiornoMese, dayMonth.left(2)},
            {Anno, "2024"},
            {Data, dayMonth + "/2024"},
            {Marca, make},
            {Modello, "M"},
            {Targa, plate},
            {Causale, cause},
            {Importo, amount},
            {Saldato, saldato},
            {Beneficiario, "Officina"}};
}

inline void writeCosts(const QString& year, const QList<CostFields>& records) {
    common::ArchiveFile archive = costs::openCostArchive(costs::costFilePath(year));
    for (const CostFields& c : records)
        archive.append(cost(c));
}

// The shared cost card, open on the file of year.
inline TfrmCosti* makeCostCard(const QString& year = QStringLiteral("2024")) {
    auto* card = new TfrmCosti;
    common::WindowRegistry::instance().add(card);
    card->openYear(costs::costFilePath(year),
                   QStringLiteral(" Veicolario - Costi sostenuti nell'anno ") + year, year);
    return card;
}

// Saves a picture of a window or page for a person to look at, when VEICOLARIO_LOOK names a folder.
inline void lookAt(const QImage& image, const QString& name) {
    if (qEnvironmentVariableIsSet("VEICOLARIO_LOOK"))
        image.save(qEnvironmentVariable("VEICOLARIO_LOOK") + "/" + name + ".png");
}

} // namespace testsupport
