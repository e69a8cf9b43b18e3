// The planner's windows for the tests: the entry window, the planner window and a stand-in start menu,
// registered under their instance names, in the test's own program folder.
#pragma once

#include "../fleet/VehicleFixture.h"
#include "Controls.h"
#include "TestFolder.h"
#include "common/WindowRegistry.h"
#include "planner/SchedaPlanning.h"
#include "planner/TfrmMenuDisponibili.h"
#include "planner/TfrmPlanning.h"

#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

namespace testsupport {

struct PlannerWindows {
    TestFolder folder;
    QWidget* avvio = nullptr;
    TfrmMenuDisponibili* entry = nullptr;
    TfrmPlanning* planning = nullptr;

    PlannerWindows() {
        auto& registry = common::WindowRegistry::instance();
        avvio = new QWidget;
        avvio->setObjectName(QStringLiteral("frmAvvio"));
        registry.add(avvio);
        entry = new TfrmMenuDisponibili;
        registry.add(entry);
        planning = new TfrmPlanning;
        registry.add(planning);
    }
    ~PlannerWindows() { common::WindowRegistry::instance().destroyAll(); }

    QString fileName(const QString& plate, const QString& year) const {
        return planner::plannerFileName(plate, year);
    }

    // Shows the entry window, chooses the list line at row and opens the planner for year.
    void open(int row, const QString& year) {
        entry->show();
        auto* list = child<QListView>(entry, QStringLiteral("lstRecords"));
        list->setCurrentIndex(list->model()->index(row, 0));
        auto* box = child<QLineEdit>(entry, QStringLiteral("txtAnnoFatture"));
        box->setText(year);
        child<QPushButton>(entry, QStringLiteral("btnApriFatture"))->click();
    }
};

// A planner record with the given booking texts (slot -> text) and an empty header.
inline QByteArray plannerRecord(const QMap<int, QByteArray>& days) {
    QByteArray record(planner::kPlannerRecordSize, '\0');
    for (auto it = days.begin(); it != days.end(); ++it) {
        const int offset = 184 + 51 * (it.key() - 1);
        record[offset] = char(it.value().size());
        record.replace(offset + 1, it.value().size(), it.value());
    }
    return record;
}

} // namespace testsupport
