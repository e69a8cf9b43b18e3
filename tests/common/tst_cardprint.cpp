#include "ModalAnswerer.h"
#include "RecordingDevice.h"
#include "common/CardPrint.h"
#include "common/Clock.h"
#include "platform/Dialogs.h"
#include "platform/PrintJob.h"
#include "platform/Report.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using testsupport::ModalAnswerer;
using testsupport::RecordedText;
using testsupport::RecordingDevice;

namespace {

const QString kQuestion = QStringLiteral("Si vuole stampare la presente scheda?");

common::CardPrintContent twentyRows() {
    common::CardPrintContent card{QStringLiteral("SCHEDA DI PROVA"), {}};
    for (int i = 1; i <= 20; ++i)
        card.rows.push_back({QStringLiteral("Etichetta %1:").arg(i), QStringLiteral("valore %1").arg(i)});
    return card;
}

QFont font(int points, bool bold, bool underline) {
    QFont f(QStringLiteral("Courier New"), points);
    f.setStyleHint(QFont::TypeWriter);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

int heightOf(const QFont& f, QPaintDevice* device, const QString& text) {
    return int(std::nearbyint(QFontMetricsF(f, device).size(Qt::TextSingleLine, text).height()));
}

// The top of the line a recorded text stands on.
double topOf(const RecordedText& t, QPaintDevice* device) {
    return t.baseline.y() - QFontMetricsF(t.font, device).ascent();
}

} // namespace

class TestCardPrint : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void copiesFromAnswer_data();
    void copiesFromAnswer();
    void geometryFollowsMeasuredUnits();
    void longValueStaysOnItsRow();
    void stopsWhereTheUserStops_data();
    void stopsWhereTheUserStops();
    void answerPresetsTheDialog_data();
    void answerPresetsTheDialog();
    void oneDocumentPerCopy();
    void printsOnARealPrinter();

private:
    QStringList prompts_;
    QString promptAnswer_;
    bool promptCancels_ = false;
};

void TestCardPrint::init() {
    common::setNowForTests(QDateTime(QDate(2026, 3, 9), QTime(14, 5, 9)));
    prompts_.clear();
    promptAnswer_ = QStringLiteral("1");
    promptCancels_ = false;
    platform::setTextPromptAnswerForTests([this](const platform::TextPrompt& p) -> std::optional<QString> {
        prompts_ << (p.caption + "|" + p.label + "|" + p.preset);
        if (promptCancels_)
            return std::nullopt;
        return promptAnswer_;
    });
}

void TestCardPrint::cleanup() {
    platform::setTextPromptAnswerForTests({});
    platform::setPrintDialogForTests({});
    platform::setPrintTargetForTests({});
    common::setTodayForTests(QDate());
}

void TestCardPrint::copiesFromAnswer_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("copies");
    QTest::newRow("preset") << "1" << 1;
    QTest::newRow("three") << "3" << 3;
    QTest::newRow("leading zeros") << "007" << 7;
    QTest::newRow("zero") << "0" << 0;
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("blanks only") << "   " << 1;
    QTest::newRow("letters") << "tre" << 1;
    QTest::newRow("blank before") << " 2" << 1;
    QTest::newRow("blank after") << "2 " << 1;
    QTest::newRow("minus") << "-2" << 1;
    QTest::newRow("largest int") << "2147483647" << 2147483647;
    QTest::newRow("too large for an int") << "2147483648" << 1;
    QTest::newRow("far too large") << "99999999999999999999" << 1;
}

void TestCardPrint::copiesFromAnswer() {
    QFETCH(QString, answer);
    QFETCH(int, copies);
    QCOMPARE(common::copiesFromAnswer(answer), copies);
}

void TestCardPrint::geometryFollowsMeasuredUnits() {
    RecordingDevice device;
    const common::CardPrintContent card = twentyRows();
    common::printCardDocuments(device, 1, card);
    QCOMPARE(device.documents.size(), 1);

    const QFont title = font(14, true, true);
    const int u = heightOf(title, &device, "X");
    const int L = heightOf(title, &device, "Y");
    QVERIFY(u > 100 && L > 100); // 14 points at 1200 dpi

    const auto one = [&](const QString& text) {
        const QList<RecordedText> hits = device.find(0, text);
        if (hits.size() != 1)
            qFatal("%s drawn %d times", qPrintable(text), int(hits.size()));
        return hits.first();
    };
    const RecordedText head = one(card.title);
    QCOMPARE(head.baseline.x(), double(u));
    QCOMPARE(topOf(head, &device), double(L));
    QCOMPARE(head.font.pointSize(), 14);
    QVERIFY(head.font.bold() && head.font.underline());
    QCOMPARE(head.colour, QColor(Qt::black));

    for (int k = 1; k <= 20; ++k) {
        const RecordedText label = one(card.rows[size_t(k - 1)].label);
        const RecordedText value = one(card.rows[size_t(k - 1)].value);
        QCOMPARE(label.baseline.x(), double(u));
        QCOMPARE(value.baseline.x(), double(15 * u));
        QCOMPARE(topOf(label, &device), double((2 * k + 1) * L));
        QCOMPARE(topOf(value, &device), double((2 * k + 1) * L));
        QCOMPARE(label.font.pointSize(), 12);
        QVERIFY(!label.font.bold() && !label.font.underline());
        QVERIFY(value.font.bold() && !value.font.underline());
    }

    const RecordedText footer =
        one("Stampa eseguita in data 09/03/2026 alle ore " + device.documents[0].texts.last().text.right(8));
    QCOMPARE(topOf(footer, &device), double(43 * L));
    QCOMPARE(footer.baseline.x(), double(u));
    QVERIFY(footer.font.bold() && footer.font.underline());
    QCOMPARE(footer.font.pointSize(), 12);
    QVERIFY(QTime::fromString(footer.text.right(8), "HH:mm:ss").isValid());
    QCOMPARE(footer.text.right(8), QString("14:05:09")); // the program's clock
}

void TestCardPrint::longValueStaysOnItsRow() {
    RecordingDevice device;
    common::CardPrintContent card{"T", {{"Note:", QString(300, 'W')}, {"Dopo:", "x"}}};
    common::printCardDocuments(device, 1, card);
    const QList<RecordedText> texts = device.documents[0].texts;
    // title, two labels, two values, footer: the long value is one line, the next row keeps its place
    QCOMPARE(texts.size(), 6);
    const int L = heightOf(font(14, true, true), &device, "Y");
    QCOMPARE(topOf(device.find(0, "Dopo:").first(), &device), double(5 * L));
    QCOMPARE(topOf(device.find(0, "x").first(), &device), double(5 * L));
    QCOMPARE(topOf(texts.last(), &device), double(7 * L));
}

void TestCardPrint::stopsWhereTheUserStops_data() {
    QTest::addColumn<QString>("question");
    QTest::addColumn<bool>("promptCancels");
    QTest::addColumn<bool>("dialogCancels");
    QTest::addColumn<int>("prompts");
    QTest::addColumn<int>("dialogs");
    QTest::newRow("No at the question") << "No" << false << false << 0 << 0;
    QTest::newRow("cancel at the prompt") << QString::fromUtf8("Sì") << true << false << 1 << 0;
    QTest::newRow("cancel in the dialog") << QString::fromUtf8("Sì") << false << true << 1 << 1;
}

void TestCardPrint::stopsWhereTheUserStops() {
    QFETCH(QString, question);
    QFETCH(bool, promptCancels);
    QFETCH(bool, dialogCancels);
    QFETCH(int, prompts);
    QFETCH(int, dialogs);
    promptCancels_ = promptCancels;
    int dialogsShown = 0;
    platform::setPrintDialogForTests([&](QPrinter&) {
        ++dialogsShown;
        return !dialogCancels;
    });
    RecordingDevice device;
    platform::setPrintTargetForTests([&](QPrinter&) { return &device; });
    ModalAnswerer answerer({question});
    common::printCard(nullptr, kQuestion, twentyRows());
    QCOMPARE(answerer.seen.size(), 1);
    QCOMPARE(answerer.seen[0].text, kQuestion);
    QCOMPARE(answerer.seen[0].icon, QMessageBox::Question);
    QCOMPARE(answerer.seen[0].buttons, QStringList({QString::fromUtf8("Sì"), "No"}));
    QCOMPARE(prompts_.size(), prompts);
    if (prompts)
        QCOMPARE(prompts_[0], "Numero copie da stampare|Copie:|1");
    QCOMPARE(dialogsShown, dialogs);
    QCOMPARE(device.documents.size(), 0);
}

void TestCardPrint::answerPresetsTheDialog_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<int>("preset");
    QTest::newRow("empty") << "" << 1;
    QTest::newRow("letters") << "due" << 1;
    QTest::newRow("blank before digits") << " 2" << 1;
    QTest::newRow("two") << "2" << 2;
    QTest::newRow("too large") << "5000000000" << 1;
}

void TestCardPrint::answerPresetsTheDialog() {
    QFETCH(QString, answer);
    QFETCH(int, preset);
    promptAnswer_ = answer;
    int seen = -1;
    platform::setPrintDialogForTests([&](QPrinter& printer) {
        seen = printer.copyCount();
        return false;
    });
    ModalAnswerer answerer({QString::fromUtf8("Sì")});
    common::printCard(nullptr, kQuestion, twentyRows());
    QCOMPARE(seen, preset);
}

void TestCardPrint::oneDocumentPerCopy() {
    promptAnswer_ = "3";
    platform::setPrintDialogForTests([](QPrinter&) { return true; });
    RecordingDevice device;
    int printerCopies = -1;
    int printerDpi = -1;
    platform::setPrintTargetForTests([&](QPrinter& printer) {
        printerCopies = printer.copyCount();
        printerDpi = printer.resolution();
        return &device;
    });
    ModalAnswerer answerer({QString::fromUtf8("Sì")});
    common::printCard(nullptr, kQuestion, twentyRows());
    QCOMPARE(printerCopies, 1);
    QCOMPARE(printerDpi, 1200);
    QCOMPARE(device.documents.size(), 3);
    for (const auto& document : device.documents) {
        QVERIFY(document.ended);
        QCOMPARE(document.texts.first().text, "SCHEDA DI PROVA");
        QVERIFY(document.texts.last().text.startsWith("Stampa eseguita in data 09/03/2026 alle ore "));
        QCOMPARE(document.texts.size(), 42);
    }

    // Copies lowered to none in the dialog: nothing prints.
    device.documents.clear();
    platform::setPrintDialogForTests([](QPrinter& printer) {
        printer.setCopyCount(0);
        return true;
    });
    ModalAnswerer again({QString::fromUtf8("Sì")});
    common::printCard(nullptr, kQuestion, twentyRows());
    QCOMPARE(device.documents.size(), 0);
}

void TestCardPrint::printsOnARealPrinter() {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("scheda.pdf");
    promptAnswer_ = "2";
    platform::setPrintDialogForTests([&](QPrinter& printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
        return true;
    });
    ModalAnswerer answerer({QString::fromUtf8("Sì")});
    common::printCard(nullptr, kQuestion, twentyRows());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

QTEST_MAIN(TestCardPrint)
#include "tst_cardprint.moc"
