#include "costs/TfrmRiepSpese.h"

#include "common/Help.h"
#include "common/Look.h"
#include "common/Numbers.h"
#include "common/Pictures.h"
#include "common/Placement.h"
#include "common/SearchWindow.h"
#include "common/Text.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "platform/Ansi.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"
#include "ui_TfrmRiepSpese.h"

#include <QVarLengthArray>

#include <algorithm>
#include <stdexcept>

using namespace costs::SchedaCosto;

namespace {
// Kept for the whole run: a find in a new summary goes on from the last one's text.
QString ultimaRicerca;

// The date of a cost: its stored "dd/mm/yyyy" read in place, any other text as a date text is read.
QDate paymentDate(const common::Record& cost) {
    const QByteArrayView d = cost.stored(Data);
    const auto digit = [&](int i) { return d[i] >= '0' && d[i] <= '9' ? d[i] - '0' : -1; };
    if (d.size() == 10 && d[2] == '/' && d[5] == '/') {
        int digits[8];
        int k = 0;
        for (int i : {0, 1, 3, 4, 6, 7, 8, 9})
            digits[k++] = digit(i);
        if (std::all_of(digits, digits + 8, [](int v) { return v >= 0; }))
            return QDate(digits[4] * 1000 + digits[5] * 100 + digits[6] * 10 + digits[7],
                         digits[2] * 10 + digits[3], digits[0] * 10 + digits[1]);
    }
    return common::LeggiData(cost.get(Data));
}
} // namespace

TfrmRiepSpese::TfrmRiepSpese(QWidget* parent)
    : common::ListWindow(parent)
    , ui(std::make_unique<Ui::frmRiepSpese>()) {
    ui->setupUi(this);
    setWindowState(Qt::WindowMaximized);
    common::setBackground(this, QColor(0x2E, 0x8B, 0x57));
    common::setBackground(ui->panRiepilogo, Qt::white);
    common::keepCentred(ui->panRiepilogo);
    // Enter in the find box does nothing of its own here: the find button is not its Enter target.
    bindList(ui->lstRecords, ui->btnStampa, ui->btnEsci, ui->txtTrova, nullptr, ui->effTrova);
    connect(ui->btnTrova, &QPushButton::clicked, this, &TfrmRiepSpese::btnTrovaClick);
    connect(ui->imgGuida, &QToolButton::clicked, this, &TfrmRiepSpese::imgGuidaClick);
}

TfrmRiepSpese::~TfrmRiepSpese() = default;

TfrmMenuRiepSpese* TfrmRiepSpese::query() const {
    if (auto* owner = qobject_cast<TfrmMenuRiepSpese*>(parentWidget()))
        return owner;
    return common::sharedWindow<TfrmMenuRiepSpese>(QStringLiteral("frmMenuRiepSpese"));
}

QString TfrmRiepSpese::printTitle() const {
    return QStringLiteral("Riepilogo costi sostenuti   -   Targa veicolo:  ") +
           common::Trim(ui->titTipologia->text());
}

QString* TfrmRiepSpese::UltimaRicerca() {
    return &ultimaRicerca;
}

bool TfrmRiepSpese::fill() {
    TfrmMenuRiepSpese* q = query();
    if (!q)
        return false;
    const QStringList filters{q->plateFilter(), q->causeFilter()};
    const int n = common::countFilters(filters);
    ui->lblConta->setText(QString::number(n));
    const QString plate = common::Trim(filters.at(0));
    ui->titTipologia->setText(plate.isEmpty() ? QStringLiteral("Tutte le targhe in archivio") : plate);
    const QDate start = common::LeggiData(q->startDate());
    const QDate end = common::LeggiData(q->endDate());
    QStringList lines;
    double total = 0;
    try {
        common::ArchiveFile archive = costs::openCostArchive(q->costFile());
        lines.reserve(archive.count());
        // Only the filled filters can match; a filter of blanks neither counts nor matches.
        const int fields[] = {Targa, Causale};
        QList<int> used;
        for (int i = 0; i < 2; ++i)
            if (!common::Trim(filters.at(i)).isEmpty())
                used << i;
        archive.forEach([&](qint64, const common::Record& cost) {
            int hits = 0;
            for (int i : used)
                if (common::ContainsFolded(cost.get(fields[i]), filters.at(i)))
                    ++hits;
            if (hits < n)
                return;
            const QDate paid = paymentDate(cost);
            if (!paid.isValid())
                throw std::runtime_error("a date that is not one");
            if (start > paid || end < paid)
                return;
            // The amount read from its few stored characters, decoded on the stack.
            const QByteArrayView stored = cost.stored(Importo);
            QVarLengthArray<char16_t, 32> text(stored.size());
            platform::fromAnsi(stored.data(), stored.size(), text.data());
            double amount = 0;
            if (!common::LeggiNumero(QStringView(text.data(), text.size()), amount))
                throw std::runtime_error("an amount that is not a number");
            lines.append(costs::costLine(cost));
            total += amount;
        });
        archive.close();
    } catch (const std::exception&) {
        clearLines();
        return false;
    }
    setLines(std::move(lines));
    ui->lblIntervallo->setText(QStringLiteral("Dal   ") + q->startDate() + QStringLiteral("   al   ") +
                               q->endDate());
    const QString totalText = common::FormatoGenerale(total);
    ui->lblTotCosti->setText(common::Trim(totalText).isEmpty() ? QStringLiteral("0,00")
                                                               : common::NormalizzaImporto(totalText));
    return true;
}

void TfrmRiepSpese::FormShow() {
    if (ui->imgGuida->icon().isNull()) {
        ui->imgGuida->setIcon(QIcon(common::iconPicture(common::Icon::Help, 40)));
        ui->imgGuida->setIconSize(QSize(40, 40));
    }
    ui->txtTrova->setFocus();
}

void TfrmRiepSpese::FormClose() {
    if (TfrmMenuRiepSpese* q = query())
        q->hideWaiting();
}

void TfrmRiepSpese::btnStampaClick() {
    if (lines().isEmpty()) {
        platform::showKinded(this, platform::MsgKind::Warning,
                             QStringLiteral("Operazione di stampa non applicabile: il riepilogo non contiene "
                                            "nessuna voce."));
        return;
    }
    if (!platform::askYesNo(this, QStringLiteral("Si vuole stampare il presente riepilogo?")))
        return;
    QStringList memo = lines();
    memo << QStringLiteral("- - - - - - - - - - - - - - - -")
         << QStringLiteral("INTERVALLO SELEZIONATO:        ") + common::Trim(ui->lblIntervallo->text())
         << QStringLiteral("TOTALE COSTI SOSTENUTI:        \u20AC ") + common::Trim(ui->lblTotCosti->text());
    platform::guardPrint(this, platform::kPrintFailed, [&] {
        common::fillRiepilogoDati(frxReport(), printTitle(), memo);
        frxReport().prepare();
        frxReport().print(this);
    });
}

void TfrmRiepSpese::imgGuidaClick() {
    common::showHelp(this, QStringLiteral("riepspese"));
}
