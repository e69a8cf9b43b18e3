// The planner's windows where Verdana is a taller face than here: every text still fits its control, the
// booking texts with their descenders included.
#include "Controls.h"
#include "ScreenFit.h"
#include "booking/TfrmGiorno.h"
#include "booking/TfrmIntervallo.h"
#include "bookingprint/TfrmRiepPrenotazioni.h"
#include "planner/TfrmPlanning.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QLineEdit>

namespace {

// The installed family of Latin letters whose line is the tallest at the edits' size.
QString tallestFamily() {
    QString tallest;
    int height = 0;
    for (const QString& family : QFontDatabase::families(QFontDatabase::Latin)) {
        QFont font(family);
        font.setPointSize(12);
        font.setBold(true);
        const QFontMetrics metrics(font);
        if (QFontDatabase::isScalable(family) && metrics.inFont(QLatin1Char('g')) &&
            metrics.height() > height) {
            tallest = family;
            height = metrics.height();
        }
    }
    return tallest;
}

// A window made by make whose Verdana controls take the tallest family instead, as on a machine where
// Verdana is another face.
testsupport::WindowMaker inTallFont(testsupport::WindowMaker make) {
    return [make] {
        static const QString tall = tallestFamily();
        QWidget* window = make();
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (control->font().family() != QLatin1String("Verdana") ||
                !control->testAttribute(Qt::WA_SetFont))
                continue;
            QFont font = control->font();
            font.setFamily(tall);
            control->setFont(font);
        }
        return window;
    };
}

void writeIn(QWidget* window, const QStringList& edits) {
    for (const QString& name : edits)
        testsupport::child<QLineEdit>(window, name)->setText(QStringLiteral("Giuseppe Pagy"));
}

} // namespace

int main(int argc, char** argv) {
    using testsupport::registered;
    return testsupport::runScreenFit(
        argc, argv,
        {
            {"frmPlanning", inTallFont(registered<TfrmPlanning>()),
             [](QWidget* w) {
                 writeIn(w, {"txtVeicolo", "txtMarca", "txtModello", "txtTarga"});
             }},
            {"frmGiorno", inTallFont(registered<TfrmGiorno>()),
             [](QWidget* w) { writeIn(w, {"txtPrenotazione"}); }},
            {"frmIntervallo", inTallFont(registered<TfrmIntervallo>()),
             [](QWidget* w) { writeIn(w, {"txtPrenotazione"}); }},
            {"frmRiepPrenotazioni", inTallFont(registered<TfrmRiepPrenotazioni>()),
             [](QWidget* w) { writeIn(w, {"txtTrova"}); }},
        });
}
