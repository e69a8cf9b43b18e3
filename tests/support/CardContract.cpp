#include "CardContract.h"

#include "Boxes.h"
#include "Controls.h"
#include "common/ControlText.h"
#include "common/Text.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QtTest>

namespace testsupport {

CardContract::CardContract(CardSpec spec)
    : spec_(std::move(spec)) {}

CardContract::~CardContract() = default;

void CardContract::init() {
    folder_ = std::make_unique<TestFolder>();
    card_ = spec_.make();
    QVERIFY(dynamic_cast<common::CardForm*>(card_));
    card_->show();
    QVERIFY(QTest::qWaitForWindowExposed(card_));
    QApplication::setActiveWindow(card_);
    if (spec_.shown)
        spec_.shown(card_);
}

void CardContract::cleanup() {
    delete card_;
    card_ = nullptr;
    folder_.reset();
}

QList<SeenBox> CardContract::run(Command command) {
    ModalAnswerer answerer;
    if (!spec_.buttons.isEmpty()) {
        child<QAbstractButton>(card_, spec_.buttons.at(int(command)))->click();
    } else {
        auto* form = dynamic_cast<common::CardForm*>(card_);
        using Step = common::CardForm::Step;
        switch (command) {
        case Command::First:
            form->navigate(Step::First);
            break;
        case Command::Previous:
            form->navigate(Step::Previous);
            break;
        case Command::Next:
            form->navigate(Step::Next);
            break;
        case Command::Last:
            form->navigate(Step::Last);
            break;
        case Command::New:
            form->newCard();
            break;
        case Command::Duplicate:
            form->duplicate();
            break;
        case Command::Save:
            form->save();
            break;
        }
    }
    QCoreApplication::processEvents();
    return answerer.seen;
}

QString CardContract::position() const {
    return child<QLabel>(card_, "lblPosizione")->text();
}
void CardContract::setPosition(const QString& text) {
    child<QLabel>(card_, "lblPosizione")->setText(text);
}
QWidget* CardContract::field(int required) const {
    return child<QWidget>(card_, spec_.required.at(required).first);
}
int CardContract::requiredIndex(const QString& name) const {
    for (int k = 0; k < spec_.required.size(); ++k)
        if (spec_.required.at(k).first == name)
            return k;
    qFatal("%s is not a required field", qPrintable(name));
}
QString CardContract::fieldText(int required) const {
    return common::controlText(field(required));
}

void CardContract::setFields(const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i)
        common::setControlText(field(i), texts.at(i));
}

QStringList CardContract::marked(int n) const {
    QStringList texts = spec_.sample;
    texts[spec_.markedField] = QStringLiteral("V%1").arg(n);
    return texts;
}

QByteArray CardContract::archiveOf(int records) const {
    QByteArray bytes;
    for (int n = 1; n <= records; ++n)
        bytes += spec_.record(marked(n));
    return bytes;
}

int CardContract::recordSize() const {
    return int(spec_.record(spec_.sample).size());
}

void CardContract::navigation_data() {
    QTest::addColumn<int>("records");
    QTest::addColumn<QString>("before"); // lblPosizione before the command
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("after"); // lblPosizione after
    QTest::addColumn<bool>("notice");   // the empty-archive notice shows
    QTest::addColumn<bool>("loads");    // a record is loaded
    const int first = int(Command::First), previous = int(Command::Previous), next = int(Command::Next),
              last = int(Command::Last);
    QTest::newRow("first, empty archive") << 0 << "" << first << "" << true << false;
    QTest::newRow("previous, empty archive") << 0 << "" << previous << "" << true << false;
    QTest::newRow("next, empty archive") << 0 << "" << next << "" << true << false;
    QTest::newRow("last, empty archive") << 0 << "" << last << "" << true << false;
    QTest::newRow("first, empty archive, label kept") << 0 << "2" << first << "2" << true << false;
    QTest::newRow("last, empty archive, label kept") << 0 << "2" << last << "2" << true << false;
    QTest::newRow("next, empty archive, label emptied") << 0 << "2" << next << "" << true << false;
    QTest::newRow("previous on 1, empty archive: silent") << 0 << "1" << previous << "1" << false << false;
    QTest::newRow("first from new") << 3 << "" << first << "1" << false << true;
    QTest::newRow("previous from new") << 3 << "" << previous << "1" << false << true;
    QTest::newRow("next from new") << 3 << "" << next << "1" << false << true;
    QTest::newRow("last from new") << 3 << "" << last << "3" << false << true;
    QTest::newRow("first from 3") << 3 << "3" << first << "1" << false << true;
    QTest::newRow("previous from 3") << 3 << "3" << previous << "2" << false << true;
    QTest::newRow("previous from 2") << 3 << "2" << previous << "1" << false << true;
    QTest::newRow("previous on 1: nothing") << 3 << "1" << previous << "1" << false << false;
    QTest::newRow("next from 1") << 3 << "1" << next << "2" << false << true;
    QTest::newRow("next from 2") << 3 << "2" << next << "3" << false << true;
    QTest::newRow("next on last: nothing") << 3 << "3" << next << "3" << false << false;
    QTest::newRow("next past last: nothing") << 3 << "7" << next << "7" << false << false;
    QTest::newRow("last from 1") << 3 << "1" << last << "3" << false << true;
    QTest::newRow("last on last") << 3 << "3" << last << "3" << false << true;
}

void CardContract::navigation() {
    QFETCH(int, records);
    QFETCH(QString, before);
    QFETCH(int, command);
    QFETCH(QString, after);
    QFETCH(bool, notice);
    QFETCH(bool, loads);
    if (records > 0) // a partial record at the end is not counted
        folder_->write(spec_.archive, archiveOf(records) + QByteArray(recordSize() - 1, 'x'));
    setPosition(before);
    common::setControlText(field(spec_.markedField), QStringLiteral("unchanged"));
    const auto seen = run(Command(command));
    QCOMPARE(position(), after);
    if (notice)
        COMPARE_ONE_BOX(seen, common::kEmptyArchive, QMessageBox::Information, "OK", "Annulla");
    else
        QCOMPARE(seen.size(), 0);
    QCOMPARE(common::Trim(fieldText(spec_.markedField)), loads ? "V" + after : QString("unchanged"));
    QVERIFY(folder_->exists(spec_.archive)); // a missing archive is created by any command
}

void CardContract::requiredFieldsInOrder_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<int>("missing"); // the field whose warning shows
    const int count = int(spec_.required.size());
    QTest::newRow("all empty") << QStringList(count) << 0;
    for (int k = 0; k < count; ++k) {
        QStringList blank = spec_.sample;
        blank[k] = QStringLiteral("   ");
        QTest::addRow("%s of blanks, the others filled", qPrintable(spec_.required.at(k).first))
            << blank << k;
        if (k == 0)
            continue;
        QStringList empty = spec_.sample.mid(0, k);
        while (empty.size() < count)
            empty.append(QString());
        QTest::addRow("%s and those after it empty", qPrintable(spec_.required.at(k).first)) << empty << k;
    }
}

void CardContract::requiredFieldsInOrder() {
    QFETCH(QStringList, texts);
    QFETCH(int, missing);
    run(Command::New);
    setFields(texts);
    const auto seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, spec_.required.at(missing).second, QMessageBox::Warning);
    QCOMPARE(card_->focusWidget(), field(missing));
    QVERIFY(!folder_->exists(spec_.archive)); // the archive is not even opened
    QCOMPARE(position(), QString());
}

void CardContract::saveAppendsThenOverwrites() {
    folder_->write(spec_.archive, archiveOf(5));
    const int size = recordSize();
    run(Command::New);
    setFields(spec_.sample);
    auto seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, spec_.appended, QMessageBox::Information);
    QCOMPARE(position(), QString("6"));
    QByteArray bytes = folder_->read(spec_.archive);
    QCOMPARE(bytes.size(), 6 * size);
    QCOMPARE(bytes.left(5 * size), archiveOf(5));
    QCOMPARE(bytes.mid(5 * size), spec_.record(spec_.sample));
    // A second save writes over the same record.
    QStringList changed = spec_.sample;
    changed[spec_.markedField] = QStringLiteral("W");
    setFields(changed);
    seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, common::kSavedOver, QMessageBox::Information);
    QCOMPARE(position(), QString("6"));
    bytes = folder_->read(spec_.archive);
    QCOMPARE(bytes.size(), 6 * size);
    QCOMPARE(bytes.left(5 * size), archiveOf(5));
    QCOMPARE(bytes.mid(5 * size), spec_.record(changed));
}

void CardContract::saveOverwritesRecordOnShow() {
    folder_->write(spec_.archive, archiveOf(3));
    run(Command::First);
    run(Command::Next);
    QCOMPARE(position(), QString("2"));
    QStringList changed = marked(2);
    changed[spec_.markedField] = QStringLiteral("Z"); // the field that takes any text
    setFields(changed);
    const auto seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, common::kSavedOver, QMessageBox::Information);
    const int size = recordSize();
    const QByteArray bytes = folder_->read(spec_.archive);
    QCOMPARE(bytes.size(), 3 * size);
    QCOMPARE(bytes.left(size), spec_.record(marked(1)));
    QCOMPARE(bytes.mid(size, size), spec_.record(changed));
    QCOMPARE(bytes.mid(2 * size), spec_.record(marked(3)));
}

void CardContract::saveFailures_data() {
    QTest::addColumn<bool>("folderInstead"); // the archive's name taken by a folder
    QTest::newRow("archive is a folder") << true;
    QTest::newRow("record past the end of a shrunken file") << false;
}

void CardContract::saveFailures() {
    QFETCH(bool, folderInstead);
    QByteArray before;
    if (folderInstead) {
        QVERIFY(QDir(folder_->folder()).mkdir(spec_.archive));
    } else {
        before = archiveOf(2);
        folder_->write(spec_.archive, before);
        setPosition("5");
    }
    const QString position0 = position();
    setFields(spec_.sample);
    auto seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, common::kArchiveFailure, spec_.failureIcon, "OK", "Annulla"); // never the success
    QCOMPARE(position(), position0);
    if (!folderInstead) {
        QCOMPARE(folder_->read(spec_.archive), before); // no record written into a gap
        return;
    }
    seen = run(Command::First); // the navigation reports the same failure
    COMPARE_ONE_BOX(seen, common::kArchiveFailure, spec_.failureIcon);
}

void CardContract::duplicateThenSave() {
    if (!spec_.hasDuplicate)
        QSKIP("the card has no duplicate");
    auto seen = run(Command::Duplicate);
    COMPARE_ONE_BOX(seen, common::kDuplicateRefused, QMessageBox::Warning);
    folder_->write(spec_.archive, archiveOf(3));
    run(Command::Last);
    QCOMPARE(position(), QString("3"));
    seen = run(Command::Duplicate);
    COMPARE_ONE_BOX(seen, common::kDuplicateDone, QMessageBox::Information);
    QCOMPARE(position(), QString());
    QCOMPARE(common::Trim(fieldText(spec_.markedField)), QString("V3"));
    for (const QString& name : spec_.duplicateClears) {
        const int k = requiredIndex(name);
        QCOMPARE(common::Trim(fieldText(k)), QString());
        common::setControlText(field(k), spec_.sample.at(k));
    }
    seen = run(Command::Save);
    COMPARE_ONE_BOX(seen, spec_.appended, QMessageBox::Information);
    QCOMPARE(position(), QString("4"));
    const int size = recordSize();
    const QByteArray bytes = folder_->read(spec_.archive);
    QCOMPARE(bytes.size(), 4 * size);
    QCOMPARE(bytes.left(3 * size), archiveOf(3)); // the original is untouched
    run(Command::First);
    run(Command::Last);
    QCOMPARE(position(), QString("4"));
    QCOMPARE(common::Trim(fieldText(spec_.markedField)), QString("V3"));
}

void CardContract::newCardAfterDuplicate() {
    folder_->write(spec_.archive, archiveOf(2));
    run(Command::First);
    if (spec_.hasDuplicate)
        run(Command::Duplicate);
    const auto seen = run(Command::New);
    QCOMPARE(seen.size(), 0);
    QCOMPARE(position(), QString());
    QCOMPARE(fieldText(spec_.markedField), QString());
    QCOMPARE(card_->focusWidget(),
             spec_.firstField.isEmpty() ? field(0) : child<QWidget>(card_, spec_.firstField));
    QCOMPARE(folder_->read(spec_.archive), archiveOf(2));
}

} // namespace testsupport
