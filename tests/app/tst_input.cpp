// What the user's input does to what the windows keep and store: Enter on a check box, free-text drop-downs,
// drop-downs filled only from their lists, the fields' leave handlers, and pasted or dropped texts, each rule
// over every window it concerns.
#include "../costs/CostFixture.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "ModalRun.h"
#include "TestFolder.h"
#include "app/Program.h"
#include "booking/TfrmIntervallo.h"
#include "common/Archive.h"
#include "common/Clock.h"
#include "common/WindowRegistry.h"
#include "costs/SchedaCosto.h"
#include "costs/TfrmCosti.h"
#include "costs/TfrmMenuCosti.h"
#include "costs/TfrmMenuRiepSpese.h"
#include "costs/TfrmRiepSpese.h"
#include "costs/TfrmStatCosti.h"
#include "maintenance/SchedaScadenza.h"
#include "maintenance/TfrmScadenzario.h"
#include "mileage/SchedaChilometrico.h"
#include "mileage/TfrmChilometrico.h"
#include "platform/Clipboard.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QtTest>

#include <functional>
#include <memory>

using testsupport::child;

namespace {

// How a text reaches a field besides typing.
enum class Route { Keys, Menu, Drop };

// What is pasted over a pick list's entry.
enum class Piece {
    OtherEntry, // another entry of the list, over the whole entry selected
    Tail,       // the entry less its first character, over the whole entry ("2" over "12")
    SecondChar, // the entry's second character, over its first one selected ("2" over the "1" of "12")
};

// A window open for input: a card also saves, into its archive.
struct OpenWindow {
    QWidget* window = nullptr;
    QString leaveTo;            // a field that takes the focus when the test leaves one
    std::function<void()> save; // empty: the window stores nothing
    QString archive;            // file name in the program folder
    const common::RecordLayout* layout = nullptr;
};

void setText(QWidget* window, const QString& name, const QString& text) {
    if (auto* list = window->findChild<QComboBox*>(name))
        list->setEditText(text);
    else
        child<QLineEdit>(window, name)->setText(text);
}

void fill(QWidget* window, const QList<std::pair<const char*, const char*>>& texts) {
    for (const auto& [name, text] : texts)
        setText(window, QString::fromLatin1(name), QString::fromUtf8(text));
}

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    QApplication::setActiveWindow(window);
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// Saves the card on show, answering its boxes; fails unless the save confirmed.
void saveCard(const std::function<void()>& save) {
    testsupport::ModalAnswerer answerer;
    save();
    QCoreApplication::processEvents();
    QVERIFY(!answerer.seen.isEmpty());
    QCOMPARE(answerer.seen.last().icon, QMessageBox::Information);
}

// The schedule card open on 2025, a valid appointment on it.
OpenWindow openSchedule() {
    auto* card = new TfrmScadenzario;
    common::WindowRegistry::instance().add(card);
    OpenWindow open{card, "txtNote", [card] { card->cmdSalvaClick(); }, "2025.sca",
                    &maintenance::SchedaScadenza::layout()};
    showActive(card);
    child<QLineEdit>(card, "txtAnno")->setText("2025");
    testsupport::ModalAnswerer answerer;
    child<QAbstractButton>(card, "btnApri")->click();
    fill(card, {{"txtGiorno", "15"},
                {"txtMese", "Marzo"},
                {"txtOreApp", "09"},
                {"txtMinutiApp", "30"},
                {"txtAvviso", "5"},
                {"txtVeicolo", "Autovettura"},
                {"txtMarca", "Fiat"},
                {"txtModello", "Panda"},
                {"txtTarga", "AB123CD"},
                {"txtManutenzione", "Tagliando"}});
    return open;
}

// The mileage card, a valid card on it.
OpenWindow openMileage() {
    auto* card = new TfrmChilometrico;
    common::WindowRegistry::instance().add(card);
    OpenWindow open{card, "txtNote", [card] { card->cmdSalvaClick(); },
                    QString::fromLatin1(mileage::kMileageArchive), &mileage::SchedaChilometrico::layout()};
    showActive(card);
    // Room for the whole panel on the small offscreen screen.
    card->setWindowState(Qt::WindowNoState);
    card->setGeometry(0, 0, 1040, 640);
    fill(card, {{"txtVeicolo", "Autovettura"},
                {"txtMarca", "Fiat"},
                {"txtModello", "Panda"},
                {"txtTarga", "AB123CD"},
                {"txtManutenzione", "Tagliando"}});
    return open;
}

// The cost card open on 2024, a valid cost on it.
OpenWindow openCosts() {
    TfrmCosti* card = testsupport::makeCostCard();
    OpenWindow open{card, "txtNote", [card] { card->cmdSalvaClick(); }, "2024.eur",
                    &costs::SchedaCosto::layout()};
    showActive(card);
    fill(card, {{"txtGiorno", "05"},
                {"txtMese", "Febbraio"},
                {"txtCausale", "Bollo"},
                {"txtMarca", "Fiat"},
                {"txtModello", "Panda"},
                {"txtTarga", "AB123CD"}});
    return open;
}

// The schedule window at its start, before a year is opened.
OpenWindow openScheduleStart() {
    auto* schedule = new TfrmScadenzario;
    common::WindowRegistry::instance().add(schedule);
    showActive(schedule);
    return {schedule, "btnApri", {}, {}, nullptr};
}

// The costs menu, whose year opens the cost card.
OpenWindow openCostsMenu() {
    auto* menu = new TfrmMenuCosti;
    common::WindowRegistry::instance().add(menu);
    showActive(menu);
    return {menu, "btnApriConsumi", {}, {}, nullptr};
}

// The cost statistics window at its start.
OpenWindow openStatistics() {
    auto* stats = new TfrmStatCosti;
    common::WindowRegistry::instance().add(stats);
    showActive(stats);
    return {stats, "btnApri", {}, {}, nullptr};
}

// The cost summary's query window, an interval given.
OpenWindow openSummary() {
    auto* query = new TfrmMenuRiepSpese;
    common::WindowRegistry::instance().add(query);
    showActive(query);
    fill(query, {{"txtGiornoInizio", "01"},
                 {"txtMeseInizio", "Gennaio"},
                 {"txtGiornoFine", "31"},
                 {"txtMeseFine", "Dicembre"}});
    return {query, "txtTipologia", {}, {}, nullptr};
}

// The interval booking dialog, an interval given; owner holds it.
OpenWindow openInterval(std::unique_ptr<TfrmIntervallo>& owner) {
    owner = std::make_unique<TfrmIntervallo>(nullptr);
    showActive(owner.get());
    fill(owner.get(), {{"txtGiornoInizio", "03"},
                       {"txtMeseInizio", "Aprile"},
                       {"txtGiornoFine", "09"},
                       {"txtMeseFine", "Aprile"}});
    return {owner.get(), "txtPrenotazione", {}, {}, nullptr};
}

// A field that takes digits, or digits and the comma, with what it shows on leaving a sample number and a
// text typed before a paste.
struct NumberField {
    const char* window;
    const char* name;
    const char* field; // stored by the card's save; empty: the window stores nothing
    int width;
    const char* sample;
    const char* sampleLeft;
    const char* typed;
    const char* typedLeft;
};

const NumberField kNumberFields[] = {
    {"schedule start", "txtAnno", "", 4, "2026", "2026", "2025", "2025"},
    {"schedule", "txtAvviso", "Avviso", 3, "15", "15", "5", "5"},
    {"schedule", "txtCosto", "Costo", 15, "15000", "15000,00", "7", "7,00"},
    {"mileage", "txtKmRil", "KmRil", 10, "16000", "16000", "500", "500"},
    {"mileage", "txtOgni", "Ogni", 10, "16000", "16000", "500", "500"},
    {"mileage", "txtProssima", "", 15, "16000", "16000", "500", "500"},
    {"mileage", "txtKmAttuali", "KmAttuali", 15, "16000", "16000", "500", "500"},
    {"mileage", "txtCosto", "Costo", 15, "1234", "1234,00", "7", "7,00"},
    {"costs", "txtImporto", "Importo", 15, "15000", "15000,00", "7", "7,00"},
    {"summary", "txtAnno", "", 4, "2026", "2026", "2025", "2025"},
    {"costs menu", "txtAnnoConsumi", "", 4, "2026", "2026", "2025", "2025"},
    {"statistics", "txtAnno", "", 4, "2026", "2026", "2025", "2025"},
};

int widthOf(const QString& window, const QString& name) {
    for (const NumberField& f : kNumberFields)
        if (window == QLatin1String(f.window) && name == QLatin1String(f.name))
            return f.width;
    return -1;
}

QLineEdit* lineOf(QWidget* field) {
    if (auto* list = qobject_cast<QComboBox*>(field))
        return list->lineEdit();
    return qobject_cast<QLineEdit*>(field);
}

// The Paste command of a line edit's context menu, found by its shortcut.
QAction* pasteAction(QMenu* menu) {
    const QString shortcut =
        QLatin1Char('\t') + QKeySequence(QKeySequence::Paste).toString(QKeySequence::NativeText);
    for (QAction* action : menu->actions())
        if (action->text().endsWith(shortcut))
            return action;
    return nullptr;
}

// Brings text to the focused field by the route: Ctrl+V, the context menu's Paste, or a drop from outside.
void deliver(QWidget* field, Route route, const QString& text) {
    QLineEdit* line = lineOf(field);
    switch (route) {
    case Route::Keys:
        platform::setClipboardText(text);
        QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
        break;
    case Route::Menu: {
        platform::setClipboardText(text);
        const QPoint at = line->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, line->mapToGlobal(at));
        QApplication::sendEvent(line, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        QVERIFY2(menu, "no context menu");
        QAction* paste = pasteAction(menu);
        QVERIFY2(paste && paste->isEnabled(), "no Paste in the context menu");
        paste->trigger();
        menu->close();
        QCoreApplication::processEvents();
        // The offscreen platform leaves no window active once the menu closes; a window manager gives the
        // activation back.
        showActive(field->window());
        QCOMPARE(QApplication::focusWidget(), field);
        break;
    }
    case Route::Drop: {
        QMimeData data;
        data.setText(text);
        const QPoint at = line->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &enter);
        QDragMoveEvent move(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &move);
        QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(line, &drop);
        break;
    }
    }
}

} // namespace

Q_DECLARE_METATYPE(Route)
Q_DECLARE_METATYPE(Piece)

class TestInput : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void enterLeavesCheckBoxes_data();
    void enterLeavesCheckBoxes();
    void freeTextKeptAsTyped_data();
    void freeTextKeptAsTyped();
    void summaryCountsEveryCauseHoldingTheTypedText();
    void noDropDownCompletes();
    void pickListsTakeNothingPasted_data();
    void pickListsTakeNothingPasted();
    void leaveRunsOnlyOnFocusMoves_data();
    void leaveRunsOnlyOnFocusMoves();
    void pastedTextTakenWholeOrRefused_data();
    void pastedTextTakenWholeOrRefused();
    void kmCommaRoundedWhenSavedInPlace_data();
    void kmCommaRoundedWhenSavedInPlace();

private:
    OpenWindow open(const QString& window);
    // The field's text stored by the card's last save.
    QString stored(const OpenWindow& open, const QString& field) const;
    // Leaves field, which then shows left; a card then saves, and stores left in storedField.
    void leaveThenSave(const OpenWindow& open, QWidget* field, const QString& left,
                       const QString& storedField);
    void leave(const OpenWindow& open) const {
        child<QWidget>(open.window, open.leaveTo)->setFocus(Qt::TabFocusReason);
    }

    std::unique_ptr<testsupport::TestFolder> folder_;
    std::unique_ptr<TfrmIntervallo> interval_;
};

void TestInput::init() {
    folder_ = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2025, 3, 10));
}

void TestInput::cleanup() {
    interval_.reset();
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder_.reset();
}

OpenWindow TestInput::open(const QString& window) {
    if (window == "schedule")
        return openSchedule();
    if (window == "mileage")
        return openMileage();
    if (window == "costs")
        return openCosts();
    if (window == "summary")
        return openSummary();
    if (window == "schedule start")
        return openScheduleStart();
    if (window == "costs menu")
        return openCostsMenu();
    if (window == "statistics")
        return openStatistics();
    if (window == "interval")
        return openInterval(interval_);
    qFatal("no window %s", qPrintable(window));
}

QString TestInput::stored(const OpenWindow& open, const QString& field) const {
    const QByteArray bytes = folder_->read(open.archive);
    const int size = open.layout->size();
    if (bytes.size() < size)
        return QStringLiteral("<no record>");
    return common::Record(*open.layout, bytes.right(size)).get(open.layout->indexOf(field));
}

void TestInput::leaveThenSave(const OpenWindow& open, QWidget* field, const QString& left,
                              const QString& storedField) {
    leave(open);
    QCOMPARE(lineOf(field)->text(), left);
    if (storedField.isEmpty())
        return;
    saveCard(open.save);
    QCOMPARE(stored(open, storedField), left);
}

// Enter on a check box neither ticks nor clears it, nor moves on; Space still toggles it; the save stores the
// box as the user left it.
void TestInput::enterLeavesCheckBoxes_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("ticked");
    const struct {
        const char* window;
        const char* box;
        const char* field;
    } boxes[] = {{"schedule", "chkDaConfermare", "AppDaConfermare"},
                 {"schedule", "chkEffettuata", "Effettuata"},
                 {"mileage", "chkEffettuata", "Effettuata"},
                 {"costs", "chkSaldato", "Saldato"}};
    for (const auto& b : boxes)
        for (const bool ticked : {false, true})
            QTest::addRow("%s %s %s", b.window, b.box, ticked ? "ticked" : "clear")
                << b.window << b.box << b.field << ticked;
}

void TestInput::enterLeavesCheckBoxes() {
    QFETCH(QString, window);
    QFETCH(QString, box);
    QFETCH(QString, field);
    QFETCH(bool, ticked);
    const OpenWindow w = open(window);
    auto* check = child<QCheckBox>(w.window, box);
    check->setChecked(ticked);
    check->setFocus(Qt::TabFocusReason);
    QTest::keyClick(check, Qt::Key_Return);
    QTest::keyClick(check, Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(check->isChecked(), ticked);
    QCOMPARE(QApplication::focusWidget(), check);
    QTest::keyClick(check, Qt::Key_Space);
    QCOMPARE(check->isChecked(), !ticked);
    QTest::keyClick(check, Qt::Key_Space);
    QTest::keyClick(check, Qt::Key_Return);
    saveCard(w.save);
    QCOMPARE(stored(w, field), ticked ? QString::fromUtf8("Sì") : QString("No"));
}

// A text typed into a free-text drop-down stays as typed, also the start of an entry of its list, and is
// saved so.
void TestInput::freeTextKeptAsTyped_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("field");
    QTest::newRow("cost card vehicle type") << "costs"
                                            << "txtVeicolo"
                                            << "Auto"
                                            << "Veicolo";
    QTest::newRow("cost card cause") << "costs"
                                     << "txtCausale"
                                     << "Cambio"
                                     << "Causale";
    QTest::newRow("cost card cause in other case") << "costs"
                                                   << "txtCausale"
                                                   << "bollo"
                                                   << "Causale";
    QTest::newRow("cost summary cause") << "summary"
                                        << "txtCausale"
                                        << "Manutenzione"
                                        << "";
}

void TestInput::freeTextKeptAsTyped() {
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, typed);
    QFETCH(QString, field);
    const OpenWindow w = open(window);
    auto* box = child<QComboBox>(w.window, list);
    box->setFocus(Qt::TabFocusReason);
    box->setEditText(QString());
    QTest::keyClicks(box, typed);
    QCOMPARE(box->currentText(), typed);
    leaveThenSave(w, box, typed, field);
}

// The cause typed as the start of two causes takes in the costs of both.
void TestInput::summaryCountsEveryCauseHoldingTheTypedText() {
    using testsupport::paid;
    testsupport::writeCosts("2024", {paid("10/03", "Fiat", "AB1", "Manutenzione ordinaria", "10,00"),
                                     paid("11/03", "Fiat", "AB1", "Manutenzione straordinaria", "5,50"),
                                     paid("12/03", "Fiat", "AB1", "Bollo", "3,00")});
    const OpenWindow w = open("summary");
    child<QLineEdit>(w.window, "txtAnno")->setText("2024");
    auto* cause = child<QComboBox>(w.window, "txtCausale");
    cause->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(cause, "Manutenzione");
    leave(w);
    int lines = -1;
    QString total;
    const testsupport::ModalRun run = testsupport::runModal(
        [&] { QTest::mouseClick(child<QPushButton>(w.window, "btnVisualizza"), Qt::LeftButton); },
        [&](QWidget* modal) {
            auto* summary = qobject_cast<TfrmRiepSpese*>(modal);
            QVERIFY(summary);
            lines = int(summary->lines().size());
            total = child<QLabel>(summary, "lblTotCosti")->text();
        });
    QCOMPARE(run.windows, QStringList{"frmRiepSpese"});
    QCOMPARE(lines, 2);
    QCOMPARE(total, QString("15,50"));
}

// No drop-down of the program completes what is typed: not in the windows made at start, nor in the interval
// dialog.
void TestInput::noDropDownCompletes() {
    app::startWindows();
    QList<QWidget*> windows;
    for (const QString& name : common::WindowRegistry::instance().names())
        windows.append(common::WindowRegistry::instance().window(name));
    interval_ = std::make_unique<TfrmIntervallo>(nullptr);
    windows.append(interval_.get());
    int lists = 0;
    for (QWidget* window : windows) {
        for (QComboBox* list : window->findChildren<QComboBox*>()) {
            if (!list->isEditable())
                continue;
            ++lists;
            QVERIFY2(!list->completer(), qPrintable(window->objectName() + "." + list->objectName()));
        }
    }
    QVERIFY(lists >= 17);
}

// A pick list keeps its entry whatever a paste or a drop brings, also a text that is an entry of its list or
// a piece of the entry shown, and the card stores the entry.
void TestInput::pickListsTakeNothingPasted_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("list");
    QTest::addColumn<QString>("field");
    QTest::addColumn<Route>("route");
    QTest::addColumn<Piece>("piece");
    QTest::addColumn<QString>("other");
    const struct {
        const char* window;
        const char* list;
        const char* field;
        const char* other;
    } lists[] = {
        {"schedule", "txtGiorno", "GiornoMese", "99"}, {"schedule", "txtMese", "Mese", "Dicembre"},
        {"schedule", "txtOreApp", "OreApp", "99"},     {"schedule", "txtMinutiApp", "MinutiApp", "45"},
        {"costs", "txtGiorno", "GiornoMese", "31"},    {"costs", "txtMese", "Mese", "Dicembre"},
        {"summary", "txtGiornoInizio", "", "99"},      {"summary", "txtMeseInizio", "", "Marzo"},
        {"summary", "txtGiornoFine", "", "99"},        {"summary", "txtMeseFine", "", "Marzo"},
        {"interval", "txtGiornoInizio", "", "99"},     {"interval", "txtMeseInizio", "", "Maggio"},
        {"interval", "txtGiornoFine", "", "99"},       {"interval", "txtMeseFine", "", "Maggio"}};
    const std::pair<Route, const char*> routes[] = {
        {Route::Keys, "Ctrl+V"}, {Route::Menu, "context menu"}, {Route::Drop, "drop"}};
    const std::pair<Piece, const char*> pieces[] = {{Piece::OtherEntry, "another entry"},
                                                    {Piece::Tail, "its tail"},
                                                    {Piece::SecondChar, "its second character"}};
    for (const auto& l : lists)
        for (const auto& [route, how] : routes)
            for (const auto& [piece, what] : pieces)
                QTest::addRow("%s %s, %s by %s", l.window, l.list, what, how)
                    << l.window << l.list << l.field << route << piece << QString::fromLatin1(l.other);
}

void TestInput::pickListsTakeNothingPasted() {
    QFETCH(QString, window);
    QFETCH(QString, list);
    QFETCH(QString, field);
    QFETCH(Route, route);
    QFETCH(Piece, piece);
    QFETCH(QString, other);
    const OpenWindow w = open(window);
    auto* box = child<QComboBox>(w.window, list);
    const QString entry = box->currentText();
    QVERIFY(box->findText(entry) >= 0);
    QVERIFY(entry.size() >= 2);
    box->setFocus(Qt::TabFocusReason);
    switch (piece) {
    case Piece::OtherEntry:
        box->lineEdit()->selectAll();
        deliver(box, route, other);
        break;
    case Piece::Tail:
        box->lineEdit()->selectAll();
        deliver(box, route, entry.mid(1));
        break;
    case Piece::SecondChar:
        box->lineEdit()->setSelection(0, 1);
        deliver(box, route, entry.mid(1, 1));
        break;
    }
    QCOMPARE(box->currentText(), entry);
    leaveThenSave(w, box, entry, field);
}

// The km and amount normalisers run when the focus moves to another field: not when the window loses and
// regains activation, nor when the field's context menu opens, so a Paste from the menu over a selection
// replaces it.
void TestInput::leaveRunsOnlyOnFocusMoves_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("field");
    for (const char* km : {"txtKmRil", "txtOgni", "txtKmAttuali"})
        QTest::addRow("mileage %s", km) << "mileage" << km << "007"
                                        << "016000"
                                        << "16000" << QString(km).mid(3);
    QTest::newRow("mileage txtProssima") << "mileage"
                                         << "txtProssima"
                                         << "007"
                                         << "016000"
                                         << "16000"
                                         << "";
    QTest::newRow("mileage txtCosto") << "mileage"
                                      << "txtCosto"
                                      << "7"
                                      << "12,5"
                                      << "12,50"
                                      << "Costo";
    QTest::newRow("schedule txtCosto") << "schedule"
                                       << "txtCosto"
                                       << "7"
                                       << "12,5"
                                       << "12,50"
                                       << "Costo";
    QTest::newRow("costs txtImporto") << "costs"
                                      << "txtImporto"
                                      << "7"
                                      << "12,5"
                                      << "12,50"
                                      << "Importo";
}

void TestInput::leaveRunsOnlyOnFocusMoves() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, typed);
    QFETCH(QString, pasted);
    QFETCH(QString, left);
    QFETCH(QString, field);
    const OpenWindow w = open(window);
    auto* edit = child<QLineEdit>(w.window, name);
    edit->setFocus(Qt::TabFocusReason);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QWidget other;
    showActive(&other);
    QCOMPARE(edit->text(), typed);
    showActive(w.window);
    QCOMPARE(QApplication::focusWidget(), edit);
    QCOMPARE(edit->text(), typed);
    edit->selectAll();
    deliver(edit, Route::Menu, pasted);
    QCOMPARE(edit->text(), pasted);
    leaveThenSave(w, edit, left, field);
}

// A pasted or dropped text is taken whole, or refused whole and the field keeps what it held: never taken
// with characters dropped. A km text may bring a decimal comma, rounded half up on leaving.
void TestInput::pastedTextTakenWholeOrRefused_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("before"); // selected, so that a paste replaces it
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("field");
    const auto keys = Route::Keys, menu = Route::Menu, drop = Route::Drop;
    QTest::newRow("km comma, half up") << "mileage"
                                       << "txtKmRil"
                                       << "500" << keys << "1234,5"
                                       << "1234,5"
                                       << "1235"
                                       << "KmRil";
    QTest::newRow("km comma, below half") << "mileage"
                                          << "txtKmAttuali"
                                          << "500" << menu << "1234,4"
                                          << "1234,4"
                                          << "1234"
                                          << "KmAttuali";
    QTest::newRow("km comma dropped") << "mileage"
                                      << "txtOgni"
                                      << "" << drop << "1000,5"
                                      << "1000,5"
                                      << "1001"
                                      << "Ogni";
    QTest::newRow("km digits") << "mileage"
                               << "txtKmAttuali"
                               << "500" << keys << "16000"
                               << "16000"
                               << "16000"
                               << "KmAttuali";
    QTest::newRow("km thousands point refused") << "mileage"
                                                << "txtKmRil"
                                                << "500" << menu << "1.234"
                                                << "500"
                                                << "500"
                                                << "KmRil";
    QTest::newRow("km letters refused") << "mileage"
                                        << "txtOgni"
                                        << "" << drop << "12a4"
                                        << ""
                                        << "0"
                                        << "Ogni";
    QTest::newRow("km past the width refused") << "mileage"
                                               << "txtKmRil"
                                               << "500" << keys << "12345678901"
                                               << "500"
                                               << "500"
                                               << "KmRil";
    QTest::newRow("mileage amount") << "mileage"
                                    << "txtCosto"
                                    << "7" << menu << "12,5"
                                    << "12,5"
                                    << "12,50"
                                    << "Costo";
    QTest::newRow("mileage amount with a sign refused") << "mileage"
                                                        << "txtCosto"
                                                        << "7" << keys << "-12,5"
                                                        << "7"
                                                        << "7,00"
                                                        << "Costo";
    QTest::newRow("schedule amount dropped") << "schedule"
                                             << "txtCosto"
                                             << "" << drop << "1000,5"
                                             << "1000,5"
                                             << "1000,50"
                                             << "Costo";
    QTest::newRow("schedule amount with a point refused") << "schedule"
                                                          << "txtCosto"
                                                          << "3" << menu << "1.000,5"
                                                          << "3"
                                                          << "3,00"
                                                          << "Costo";
    QTest::newRow("schedule warning days") << "schedule"
                                           << "txtAvviso"
                                           << "5" << keys << "15"
                                           << "15"
                                           << "15"
                                           << "Avviso";
    QTest::newRow("schedule warning days with a comma refused") << "schedule"
                                                                << "txtAvviso"
                                                                << "5" << menu << "1,5"
                                                                << "5"
                                                                << "5"
                                                                << "Avviso";
    QTest::newRow("cost amount") << "costs"
                                 << "txtImporto"
                                 << "7" << keys << "12,5"
                                 << "12,5"
                                 << "12,50"
                                 << "Importo";
    QTest::newRow("cost amount with a currency refused") << "costs"
                                                         << "txtImporto"
                                                         << "" << drop << "12 EUR"
                                                         << ""
                                                         << "0,00"
                                                         << "Importo";
    QTest::newRow("cost amount past the width refused") << "costs"
                                                        << "txtImporto"
                                                        << "7" << menu << "1234567890123456"
                                                        << "7"
                                                        << "7,00"
                                                        << "Importo";
    QTest::newRow("summary year with a blank refused") << "summary"
                                                       << "txtAnno"
                                                       << "2025" << menu << "20 24"
                                                       << "2025"
                                                       << "2025"
                                                       << "";
    // Every field, with what a spreadsheet cell or a line of text gives when copied, by every way in. A paste
    // replaces the typed text selected; a drop lands where it is let go, so one to be taken goes into an
    // empty field.
    const std::pair<Route, const char*> routes[] = {{keys, "Ctrl+V"}, {menu, "context menu"}, {drop, "drop"}};
    for (const NumberField& f : kNumberFields) {
        const QString sample = QString::fromLatin1(f.sample);
        const QString blankInside = sample.left(1) + QLatin1Char(' ') + sample.mid(1);
        const struct {
            const char* what;
            QString pasted;
            bool taken;
        } cases[] = {{"line end", sample + "\n", true},
                     {"blanks around", " " + sample + " ", true},
                     {"CR LF", sample + "\r\n", true},
                     {"past the width", QString(f.width + 1, QLatin1Char('1')), false},
                     {"blank inside", blankInside + "\n", false}};
        for (const auto& [route, how] : routes) {
            for (const auto& c : cases) {
                const QString before = QString::fromLatin1(route == drop && c.taken ? "" : f.typed);
                QTest::addRow("%s %s, %s by %s", f.window, f.name, c.what, how)
                    << f.window << f.name << before << route << c.pasted << (c.taken ? sample : before)
                    << QString::fromLatin1(c.taken ? f.sampleLeft : f.typedLeft) << f.field;
            }
        }
    }
}

// The text before the paste is typed, so that the undo history holds it: a refused paste leaves the history
// as it was, and a paste taken is one step of it.
void TestInput::pastedTextTakenWholeOrRefused() {
    QFETCH(QString, window);
    QFETCH(QString, name);
    QFETCH(QString, before);
    QFETCH(Route, route);
    QFETCH(QString, pasted);
    QFETCH(QString, shown);
    QFETCH(QString, left);
    QFETCH(QString, field);
    const OpenWindow w = open(window);
    auto* edit = child<QLineEdit>(w.window, name);
    QCOMPARE(edit->maxLength(), widthOf(window, name));
    edit->setFocus(Qt::TabFocusReason);
    edit->setText(QString());
    QTest::keyClicks(edit, before);
    QCOMPARE(edit->text(), before);
    edit->selectAll();
    deliver(edit, route, pasted);
    QCOMPARE(edit->text(), shown);
    QTest::keySequence(edit, QKeySequence::Undo);
    QCOMPARE(edit->text(), shown == before ? QString() : before);
    QTest::keySequence(edit, QKeySequence::Redo);
    QCOMPARE(edit->text(), shown);
    leaveThenSave(w, edit, left, field);
}

void TestInput::kmCommaRoundedWhenSavedInPlace_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("rounded");
    QTest::newRow("initial reading") << "txtKmRil"
                                     << "1234,5"
                                     << "KmRil"
                                     << "1235";
    QTest::newRow("current reading") << "txtKmAttuali"
                                     << "1234,4"
                                     << "KmAttuali"
                                     << "1234";
}

// The save is clicked while the km field still holds the pasted comma: the focus never left it.
void TestInput::kmCommaRoundedWhenSavedInPlace() {
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    QFETCH(QString, field);
    QFETCH(QString, rounded);
    const OpenWindow w = open(QStringLiteral("mileage"));
    auto* edit = child<QLineEdit>(w.window, name);
    edit->setFocus(Qt::TabFocusReason);
    edit->selectAll();
    deliver(edit, Route::Keys, pasted);
    QCOMPARE(edit->text(), pasted);
    saveCard(w.save);
    QCOMPARE(stored(w, field), rounded);
    QCOMPARE(edit->text(), rounded);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestInput test;
    return QTest::qExec(&test, argc, argv);
}
#include "tst_input.moc"
