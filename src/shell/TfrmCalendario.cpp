#include "shell/TfrmCalendario.h"

#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "ui_TfrmCalendario.h"

#include <QDate>
#include <QVariant>

namespace {

struct Target {
    const char* tag;
    const char* window;
    const char* field;
};

// Tested in this order; a tag is compared exactly as written.
constexpr Target kTargets[] = {
    {"veicolario_lettura", "frmVeicolario", "txtLettura"},
    {"veicolario_scadrevisione", "frmVeicolario", "txtScadRevisione"},
    {"veicolario_scadtagliando", "frmVeicolario", "txtScadTagliando"},
    {"veicolario_scadassicurazione", "frmVeicolario", "txtScadAssicurazione"},
    {"veicolario_scadbollo", "frmVeicolario", "txtScadBollo"},
    {"dataint", "frmChilometrico", "txtDataInt"},
    {"dataril", "frmChilometrico", "txtDataRil"},
    {"dataatt", "frmChilometrico", "txtDataAtt"},
};

} // namespace

namespace shell {

QString shortDate(const QDate& date) {
    return date.toString(QStringLiteral("dd/MM/yyyy"));
}

} // namespace shell

TfrmCalendario::TfrmCalendario(QWidget* owner)
    : common::Dialog(owner)
    , ui(std::make_unique<Ui::frmCalendario>()) {
    ui->setupUi(this);
    setNoTitleButtons();
    setFixedSize(size());
    setCentredOnOwner(true);
    ui->calAppuntamenti->setSelectedDate(common::today());
    connect(ui->btnImportaData, &QPushButton::clicked, this, &TfrmCalendario::btnImportaDataClick);
    connect(ui->btnAnnulla, &QPushButton::clicked, this, &TfrmCalendario::btnAnnullaClick);
}

TfrmCalendario::~TfrmCalendario() = default;

void TfrmCalendario::btnImportaDataClick() {
    const QString tag = ui->lblMemory->text();
    for (const Target& t : kTargets) {
        if (tag != QLatin1String(t.tag))
            continue;
        // The card may not exist in this build; the picker then only closes.
        if (QWidget* window = common::sharedWindow(QLatin1String(t.window)))
            if (QWidget* field = window->findChild<QWidget*>(QLatin1String(t.field)))
                field->setProperty("text", shell::shortDate(ui->calAppuntamenti->selectedDate()));
        close();
        return;
    }
}

void TfrmCalendario::btnAnnullaClick() {
    close();
}

void TfrmCalendario::setCallerTag(const QString& tag) {
    ui->lblMemory->setText(tag);
}
