#include "Boxes.h"
#include "CardContract.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/CardForm.h"
#include "common/FieldFilter.h"
#include "common/Text.h"
#include "platform/Clipboard.h"

#include <QApplication>
#include <QDir>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

using testsupport::ModalAnswerer;

namespace {

const common::RecordLayout& smallLayout() {
    static const common::RecordLayout layout{{"Nome", 8}, {"Note", 4}};
    return layout;
}

// A card of two fields over "piccolo.pro", shaped as the other cards differ from the vehicle card.
class SmallCard : public QWidget, public common::CardForm {
public:
    explicit SmallCard(common::CardMessages messages)
        : common::CardForm(this, new QLabel(this), std::move(messages))
        , nome(new QLineEdit(this))
        , note(new QLineEdit(this)) {
        setObjectName("frmPiccolo");
        findChild<QLabel*>()->setObjectName("lblPosizione");
        nome->setObjectName("txtNome");
        note->setObjectName("txtNote");
    }

    QLineEdit* nome;
    QLineEdit* note;
    bool opensOnDuplicate = false;
    bool extraCheckFails = false;
    bool noteRequired = false;
    QStringList calls;

protected:
    common::ArchiveFile openArchive() override {
        return common::ArchiveFile(QStringLiteral("piccolo.pro"), smallLayout());
    }
    void clearFields() override {
        nome->clear();
        note->setText("0,00");
    }
    QWidget* firstField() const override { return nome; }
    void recordToFields(const common::Record& r) override {
        nome->setText(r.get(0));
        note->setText(r.get(1));
    }
    void fieldsToRecord(common::Record& r) const override {
        r.set(0, nome->text());
        r.set(1, note->text());
    }
    void afterLoad(qint64 n) override { calls.append("load " + QString::number(n)); }
    void afterSave(qint64 n) override { calls.append("save " + QString::number(n)); }
    bool checkBeforeSave() override {
        if (!common::CardForm::checkBeforeSave())
            return false;
        if (extraCheckFails) {
            platform::showPlain(this, "data non valida");
            return false;
        }
        return true;
    }
    QList<common::RequiredField> requiredFields() const override {
        if (noteRequired)
            return {{nome, "manca il nome"}, {note, "manca la nota"}};
        return {{nome, "manca il nome"}};
    }
    bool duplicateOpensArchive() const override { return opensOnDuplicate; }
    void duplicateFields() override { note->setText("0,00"); }
};

} // namespace

class TestCardForm : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void appendMessageAndFailureKind_data();
    void appendMessageAndFailureKind();
    void checksStopTheSaveBeforeTheArchive();
    void duplicateThatOpensTheArchive();
    void showRecordFromAList();
    void upperCaseKeepsTheCursor_data();
    void upperCaseKeepsTheCursor();
    void filteredFieldKeys_data();
    void filteredFieldKeys();
    void filteredFieldEdits_data();
    void filteredFieldEdits();
    void filteredFieldUndoSteps_data();
    void filteredFieldUndoSteps();
    void longerProgramText();
    void inputMethodCommitJudged_data();
    void inputMethodCommitJudged();
};

void TestCardForm::appendMessageAndFailureKind_data() {
    QTest::addColumn<QString>("appended");
    QTest::addColumn<int>("failureKind");
    QTest::addColumn<int>("failureIcon");
    QTest::newRow("vehicle and mileage: inserita")
        << common::kAppendedInserita << int(platform::MsgKind::Error) << int(QMessageBox::Critical);
    QTest::newRow("appointment and cost: salvata")
        << common::kAppendedSalvata << int(platform::MsgKind::Error) << int(QMessageBox::Critical);
    QTest::newRow("mileage: failures as warnings")
        << common::kAppendedInserita << int(platform::MsgKind::Warning) << int(QMessageBox::Warning);
}

void TestCardForm::appendMessageAndFailureKind() {
    QFETCH(QString, appended);
    QFETCH(int, failureKind);
    QFETCH(int, failureIcon);
    testsupport::TestFolder folder;
    SmallCard card({appended, platform::MsgKind(failureKind), platform::MsgKind::Error});
    card.nome->setText("  Mario Rossi  ");
    {
        ModalAnswerer answerer;
        card.save();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text, appended);
    }
    QCOMPARE(card.position(), 1);
    QCOMPARE(card.calls, QStringList{"save 1"});
    QCOMPARE(folder.read("piccolo.pro"), QByteArray("\x08Mario Ro\x00\x00\x00\x00\x00", 14));
    // The archive gone and a folder in its place: navigation and save report it with the card's kind.
    QVERIFY(QFile::remove(folder.path("piccolo.pro")));
    QVERIFY(QDir(folder.folder()).mkdir("piccolo.pro"));
    for (const bool saving : {true, false}) {
        ModalAnswerer answerer;
        if (saving)
            card.save();
        else
            card.navigate(common::CardForm::Step::Last);
        COMPARE_ONE_BOX(answerer.seen, common::kArchiveFailure, QMessageBox::Icon(failureIcon));
    }
    QCOMPARE(card.position(), 1);
}

void TestCardForm::checksStopTheSaveBeforeTheArchive() {
    testsupport::TestFolder folder;
    SmallCard card({});
    card.show();
    QVERIFY(QTest::qWaitForWindowExposed(&card));
    {
        ModalAnswerer answerer;
        card.save();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text, QString("manca il nome"));
        QCOMPARE(card.focusWidget(), card.nome);
    }
    card.nome->setText("Anna");
    card.extraCheckFails = true;
    {
        ModalAnswerer answerer;
        card.save();
        QCOMPARE(answerer.seen.size(), 1);
        QCOMPARE(answerer.seen.first().text, QString("data non valida"));
    }
    QVERIFY(!folder.exists("piccolo.pro"));
    QVERIFY(card.calls.isEmpty());
}

void TestCardForm::duplicateThatOpensTheArchive() {
    testsupport::TestFolder folder;
    SmallCard card({});
    card.opensOnDuplicate = true;
    card.nome->setText("Anna");
    {
        ModalAnswerer answerer;
        card.save();
    }
    card.note->setText("12");
    QVERIFY(QFile::remove(folder.path("piccolo.pro")));
    QVERIFY(QDir(folder.folder()).mkdir("piccolo.pro"));
    ModalAnswerer answerer;
    card.duplicate();
    QCOMPARE(answerer.seen.size(), 1); // the failure, not the "now edit" box
    QCOMPARE(answerer.seen.first().text, common::kArchiveFailure);
    QCOMPARE(card.position(), 0); // the cursor is emptied before the archive is opened
    QCOMPARE(card.note->text(), QString("12"));
}

void TestCardForm::showRecordFromAList() {
    testsupport::TestFolder folder;
    SmallCard card({});
    common::Record r(smallLayout());
    r.set(0, "Luca");
    card.showRecord(r, 7);
    QCOMPARE(card.nome->text(), QString("Luca"));
    QCOMPARE(card.position(), 7);
    QCOMPARE(card.calls, QStringList{"load 7"});
    card.newCard();
    QCOMPARE(card.position(), 0);
    QCOMPARE(card.note->text(), QString("0,00"));
}

void TestCardForm::upperCaseKeepsTheCursor_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("cursor");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("after");
    QTest::newRow("at the end") << "ab1" << 3 << "AB1" << 3;
    QTest::newRow("in the middle") << "aB1" << 1 << "AB1" << 1;
    QTest::newRow("a blank trimmed before the cursor") << " ab" << 3 << "AB" << 2;
    QTest::newRow("cursor right after the trimmed blank") << " ab" << 1 << "AB" << 0;
    QTest::newRow("a blank trimmed at the end") << "ab " << 3 << "AB" << 2;
    QTest::newRow("inner blank kept") << "a b" << 2 << "A B" << 2;
    QTest::newRow("accented letters kept")
        << QString::fromUtf8("cittè") << 5 << QString::fromUtf8("CITTè") << 5;
    QTest::newRow("already so: untouched") << "AB" << 1 << "AB" << 1;
}

void TestCardForm::upperCaseKeepsTheCursor() {
    QFETCH(QString, typed);
    QFETCH(int, cursor);
    QFETCH(QString, shown);
    QFETCH(int, after);
    QLineEdit field;
    field.setText(typed);
    field.setCursorPosition(cursor);
    common::upperCaseTyped(&field);
    QCOMPARE(field.text(), shown);
    QCOMPARE(field.cursorPosition(), after);
}

// A digits-only field of four, as the cards filter theirs: keys through keyPasses, edits through filterField.
class DigitField : public QLineEdit {
public:
    DigitField() {
        setMaxLength(4);
        common::filterField(this, common::isDigitChar);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        if (common::keyPasses(event, common::isDigitChar))
            QLineEdit::keyPressEvent(event);
    }
};

void TestCardForm::filteredFieldKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<QString>("shown");
    // The field holds "12", cursor at the end.
    QTest::newRow("digit typed") << int(Qt::Key_7) << int(Qt::NoModifier) << ""
                                 << "127";
    QTest::newRow("letter refused") << int(Qt::Key_A) << int(Qt::NoModifier) << ""
                                    << "12";
    QTest::newRow("paste by key of digits that fit") << int(Qt::Key_V) << int(Qt::ControlModifier) << "34"
                                                     << "1234";
    QTest::newRow("paste by key holding letters, refused whole")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "3a4b"
        << "12";
    QTest::newRow("paste by key past the width, refused whole")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "345"
        << "12";
    QTest::newRow("paste by key with a line end") << int(Qt::Key_V) << int(Qt::ControlModifier) << "34\r\n"
                                                  << "1234";
    QTest::newRow("paste by key with blanks and a tab around")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << " \t34 "
        << "1234";
    QTest::newRow("paste by key with a blank inside, refused whole")
        << int(Qt::Key_V) << int(Qt::ControlModifier) << "3 4"
        << "12";
    QTest::newRow("paste by key fitting only without its blanks")
        << int(Qt::Key_Insert) << int(Qt::ShiftModifier) << " 34\n"
        << "1234";
    QTest::newRow("other control key refused") << int(Qt::Key_B) << int(Qt::ControlModifier) << ""
                                               << "12";
    QTest::newRow("select all, then a digit replaces") << int(Qt::Key_A) << int(Qt::ControlModifier) << ""
                                                       << "9";
    QTest::newRow("home, then a digit goes first") << int(Qt::Key_Home) << int(Qt::NoModifier) << ""
                                                   << "912";
}

void TestCardForm::filteredFieldKeys() {
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, clipboard);
    QFETCH(QString, shown);
    platform::setClipboardText(clipboard);
    DigitField field;
    field.setText(QStringLiteral("12"));
    QTest::keyClick(&field, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    if (key == Qt::Key_Home || (key == Qt::Key_A && modifiers == Qt::ControlModifier))
        QTest::keyClick(&field, Qt::Key_9);
    QCOMPARE(field.text(), shown);
}

// Each edit is checked, against the characters and the width: the text the program set may hold more; a
// refused edit leaves the text whole, the cursor and the selection as they were.
void TestCardForm::filteredFieldEdits_data() {
    QTest::addColumn<QString>("before"); // set by the program
    QTest::addColumn<int>("from");       // the selection the edit replaces
    QTest::addColumn<int>("length");
    QTest::addColumn<QString>("inserted"); // empty: Backspace
    QTest::addColumn<QString>("after");
    QTest::addColumn<int>("cursor");
    QTest::newRow("digits inserted in the middle") << "14" << 1 << 0 << "23"
                                                   << "1234" << 3;
    QTest::newRow("a selection replaced by as many digits") << "1234" << 1 << 2 << "99"
                                                            << "1994" << 3;
    QTest::newRow("a letter among digits refused") << "12" << 1 << 0 << "3a"
                                                   << "12" << 1;
    QTest::newRow("a selection kept when the paste is refused") << "1234" << 1 << 2 << "9x"
                                                                << "1234" << 3;
    QTest::newRow("past the width refused") << "123" << 3 << 0 << "45"
                                            << "123" << 3;
    QTest::newRow("a longer program text: a deletion taken") << "123456" << 6 << 0 << ""
                                                             << "12345" << 5;
    QTest::newRow("a longer program text: a digit refused") << "123456" << 0 << 0 << "7"
                                                            << "123456" << 0;
    QTest::newRow("a program letter stays, a digit taken") << "1a" << 2 << 0 << "2"
                                                           << "1a2" << 3;
    QTest::newRow("a repeated letter refused") << "1a" << 2 << 0 << "a"
                                               << "1a" << 2;
}

void TestCardForm::filteredFieldEdits() {
    QFETCH(QString, before);
    QFETCH(int, from);
    QFETCH(int, length);
    QFETCH(QString, inserted);
    QFETCH(QString, after);
    QFETCH(int, cursor);
    DigitField field;
    common::showWhole(&field, before);
    if (length > 0)
        field.setSelection(from, length);
    else
        field.setCursorPosition(from);
    if (inserted.isEmpty())
        field.backspace();
    else
        field.insert(inserted);
    QCOMPARE(field.text(), after);
    QCOMPARE(field.cursorPosition(), cursor);
    if (length > 0 && after == before)
        QCOMPARE(field.selectedText(), before.mid(from, length));
}

// After typing "12": a paste is one undo step of its own, and a refused one leaves the steps as they were.
void TestCardForm::filteredFieldUndoSteps_data() {
    QTest::addColumn<QString>("clipboard");
    QTest::addColumn<bool>("overAll"); // pasted over the whole text selected
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("undone");
    QTest::newRow("taken after the typing") << " 34\n"
                                            << false << "1234"
                                            << "12";
    QTest::newRow("taken over the typing") << "9" << true << "9"
                                           << "12";
    QTest::newRow("refused for a letter") << "3a" << false << "12"
                                          << "";
    QTest::newRow("refused past the width") << "345" << false << "12"
                                            << "";
    QTest::newRow("refused over the typing") << "1 2" << true << "12"
                                             << "";
}

void TestCardForm::filteredFieldUndoSteps() {
    QFETCH(QString, clipboard);
    QFETCH(bool, overAll);
    QFETCH(QString, shown);
    QFETCH(QString, undone);
    platform::setClipboardText(clipboard);
    DigitField field;
    QTest::keyClicks(&field, "12");
    if (overAll)
        field.selectAll();
    QTest::keySequence(&field, QKeySequence::Paste);
    QCOMPARE(field.text(), shown);
    QTest::keySequence(&field, QKeySequence::Undo);
    QCOMPARE(field.text(), undone);
    QTest::keySequence(&field, QKeySequence::Redo);
    QCOMPARE(field.text(), shown);
}

// A program's text longer than the width is shown whole and can be shortened, never lengthened; the
// program's next text that fits brings the width back.
void TestCardForm::longerProgramText() {
    DigitField field;
    common::showWhole(&field, QStringLiteral("123456"));
    QCOMPARE(field.text(), QString("123456"));
    field.setCursorPosition(3);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QTest::keyClick(&field, Qt::Key_End);
    QTest::keyClick(&field, Qt::Key_Backspace);
    QCOMPARE(field.text(), QString("1245"));
    QTest::keyClick(&field, Qt::Key_7);
    QCOMPARE(field.text(), QString("1245"));
    QTest::keySequence(&field, QKeySequence::Undo);
    QCOMPARE(field.text(), QString("12456"));
    QTest::keyClick(&field, Qt::Key_7);
    QCOMPARE(field.text(), QString("12456"));
    QTest::keySequence(&field, QKeySequence::Undo);
    QCOMPARE(field.text(), QString("123456"));
    QTest::keySequence(&field, QKeySequence::Redo);
    QCOMPARE(field.text(), QString("12456"));
    field.setText(QStringLiteral("12"));
    QCOMPARE(field.maxLength(), 4);
    field.insert(QStringLiteral("345"));
    QCOMPARE(field.text(), QString("12"));
}

// The small card under the contract every card keeps.
testsupport::CardSpec smallCardSpec() {
    testsupport::CardSpec spec;
    spec.make = [] {
        auto* card = new SmallCard({});
        card->noteRequired = true;
        return card;
    };
    spec.archive = "piccolo.pro";
    spec.record = [](const QStringList& required) {
        common::Record r(smallLayout());
        r.set(0, required.at(0));
        r.set(1, required.at(1));
        return r.bytes();
    };
    spec.required = {{"txtNome", "manca il nome"}, {"txtNote", "manca la nota"}};
    spec.sample = {"Mario", "12"};
    return spec;
}

// What an input method commits is judged as a paste is, at the cursor of "12".
void TestCardForm::inputMethodCommitJudged_data() {
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("shown");
    QTest::newRow("digits that fit") << "34"
                                     << "1234";
    QTest::newRow("past the width, refused whole") << "345"
                                                   << "12";
    QTest::newRow("a letter, refused whole") << "3a"
                                             << "12";
}

void TestCardForm::inputMethodCommitJudged() {
    QFETCH(QString, commit);
    QFETCH(QString, shown);
    DigitField field;
    field.setText(QStringLiteral("12"));
    QInputMethodEvent event;
    event.setCommitString(commit);
    QApplication::sendEvent(&field, &event);
    QCOMPARE(field.text(), shown);
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    TestCardForm test;
    testsupport::CardContract contract(smallCardSpec());
    const int failed = QTest::qExec(&test, argc, argv);
    return failed | QTest::qExec(&contract, argc, argv);
}
#include "tst_cardform.moc"
