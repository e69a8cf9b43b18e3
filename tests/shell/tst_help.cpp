#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/Help.h"
#include "common/Link.h"
#include "common/Misc.h"
#include "common/TfrmGuida.h"
#include "platform/Shell.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using testsupport::child;
using testsupport::textColour;

namespace {} // namespace

class TestHelp : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void joining_data();
    void joining();
    void parsing();
    void everyTextIsWellFormed();
    void startMenuText();
    void helpCommandFillsWindow();
    void helpWindowAsCreated();
    void pdfLinkOpensQuotedManual();
    void linkColours();
    void shellUrl_data();
    void shellUrl();
    void enterAndEscapeDoNothing();

private:
    QList<QUrl> opened;
};

void TestHelp::init() {
    opened.clear();
    platform::setShellOpenRecorder([this](const QUrl& url) { opened.append(url); });
}

void TestHelp::cleanup() {
    platform::setShellOpenRecorder({});
}

void TestHelp::joining_data() {
    QTest::addColumn<QStringList>("paragraphs");
    QTest::addColumn<QString>("text");
    QTest::newRow("none") << QStringList() << QString();
    QTest::newRow("one, no break") << QStringList{"Uno."} << QString("Uno.");
    QTest::newRow("two") << QStringList{"Uno.", "Due."} << QString("Uno.\r\n\r\nDue.");
    QTest::newRow("three, no trailing break") << QStringList{"A", "B", "C"} << QString("A\r\n\r\nB\r\n\r\nC");
}

void TestHelp::joining() {
    QFETCH(QStringList, paragraphs);
    QFETCH(QString, text);
    QCOMPARE(common::joinHelpParagraphs(paragraphs), text);
}

void TestHelp::parsing() {
    const auto text =
        common::parseHelpText(QStringLiteral("k"), QStringLiteral("Capitolo: Costi\r\n"
                                                                  "Titolo: App Costi sostenuti\r\n"
                                                                  "\r\n"
                                                                  "Prima riga\r\n"
                                                                  "  seguito.\r\n"
                                                                  "\r\n\r\n"
                                                                  "Secondo.\r\n"));
    QCOMPARE(text.key, QString("k"));
    QCOMPARE(text.chapter, QString("Costi"));
    QCOMPARE(text.title, QString("App Costi sostenuti"));
    QCOMPARE(text.paragraphs, (QStringList{"Prima riga seguito.", "Secondo."}));
}

void TestHelp::everyTextIsWellFormed() {
    const auto texts = common::allHelpTexts();
    QVERIFY(!texts.isEmpty());
    QStringList keys;
    for (const auto& t : texts) {
        QVERIFY2(!keys.contains(t.key), qPrintable(t.key));
        keys.append(t.key);
        QVERIFY2(!t.chapter.isEmpty() && !t.title.isEmpty() && !t.paragraphs.isEmpty(), qPrintable(t.key));
        for (const QString& p : t.paragraphs)
            QVERIFY2(!p.contains(QLatin1Char('\n')) && !p.contains(QLatin1String("  ")), qPrintable(t.key));
    }
}

void TestHelp::startMenuText() {
    const auto text = common::helpText(QStringLiteral("avvio"));
    QCOMPARE(text.title, QString("Uno sguardo ad Veicolario"));
    QCOMPARE(text.paragraphs.size(), 58);
    const QStringList& p = text.paragraphs;
    QVERIFY(p[3].contains(
        "Si tenga presente che i campi riguardanti il tipo di veicolo, la marca, il modello e il "
        "numero di targa sono a compilazione obbligatoria."));
    QVERIFY(
        p[6].startsWith("Il pulsante Slide Show mostra in sequenza ad intervalli di sei secondi e a schermo "
                        "intero tutte le foto dei veicoli presenti nel parco automezzi."));
    QVERIFY(p[13].contains("nei prossimi 7 giorni"));
    QVERIFY(p[55].contains("\"chiaveiniziale\""));
    // Spot checks that the topics keep their order.
    QVERIFY(p[1].contains("Parco Automezzi"));
    QVERIFY(p[12].contains("Scadenze Imminenti"));
    QVERIFY(p[15].contains("Costi sostenuti"));
    QVERIFY(p[25].contains("Planner Prenotazioni"));
    QVERIFY(p[32].contains("Scadenzario Manutenzioni"));
    QVERIFY(p[42].contains("Scadenzario Chilometrico"));
    QVERIFY(p[56].contains("USB"));
}

void TestHelp::helpCommandFillsWindow() {
    QWidget owner;
    testsupport::SeenHelp seen;
    testsupport::ModalAnswerer answerer;
    testsupport::captureHelp(answerer, seen);
    common::showHelp(&owner, QStringLiteral("Titolo"), {"Uno.", "Due."});
    QCOMPARE(seen.title, QString("Titolo"));
    QCOMPARE(seen.text, QString("Uno.\n\nDue."));
    QCOMPARE(seen.owner, &owner);
    // The window is destroyed when closed.
    QVERIFY(owner.findChildren<TfrmGuida*>().isEmpty());
}

void TestHelp::helpWindowAsCreated() {
    TfrmGuida help;
    QCOMPARE(help.objectName(), QString("frmGuida"));
    QCOMPARE(help.windowTitle(), QString(" Guida all'utilizzo del software"));
    QCOMPARE(help.size(), QSize(670, 572));
    QCOMPARE(child<QLabel>(&help, "lblTitolo")->text(), QString("Argomento della guida."));
    QCOMPARE(textColour(child<QLabel>(&help, "lblTitolo")), QColor(0xDC, 0x14, 0x3C));
    QVERIFY(child<QPlainTextEdit>(&help, "txtGuida")->isReadOnly());
    QCOMPARE(child<QLabel>(&help, "lnkWeb")->text(), QString("Visualizza guida in formato PDF"));
    QCOMPARE(textColour(child<QLabel>(&help, "lnkWeb")), QColor::fromRgba(0xFF00008B));
    QVERIFY(child<QLabel>(&help, "lnkWeb")->font().underline());
    // The pictures are drawn when the window is first shown.
    QVERIFY(child<QLabel>(&help, "imgPDF")->pixmap().isNull());
    help.show();
    QVERIFY(!child<QLabel>(&help, "imgPDF")->pixmap().isNull());
}

void TestHelp::pdfLinkOpensQuotedManual() {
    testsupport::TestFolder folder;
    TfrmGuida help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    QTest::mouseClick(child<QLabel>(&help, "lnkWeb"), Qt::LeftButton);
    QTest::mouseClick(child<QLabel>(&help, "imgPDF"), Qt::LeftButton);
    const QUrl manual = QUrl::fromLocalFile(folder.path("Guida.pdf"));
    QCOMPARE(opened, (QList<QUrl>{manual, manual}));
    QVERIFY(help.isVisible());
}

void TestHelp::linkColours() {
    TfrmGuida help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    for (QWidget* pressed : {static_cast<QWidget*>(child<QLabel>(&help, "lnkWeb")),
                             static_cast<QWidget*>(child<QLabel>(&help, "imgPDF"))}) {
        QTest::mousePress(pressed, Qt::LeftButton);
        QCOMPARE(textColour(child<QLabel>(&help, "lnkWeb")), QColor::fromRgba(0xFFFFA500));
        // Released outside: dark blue again and nothing opened.
        QTest::mouseRelease(pressed, Qt::LeftButton, {}, QPoint(-20, -20));
        QCOMPARE(textColour(child<QLabel>(&help, "lnkWeb")), QColor::fromRgba(0xFF00008B));
    }
    QVERIFY(opened.isEmpty());
}

void TestHelp::shellUrl_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QUrl>("url");
    QTest::newRow("quoted path with blanks")
        << "\"/home/ufficio/Programma Veicoli/Guida.pdf\""
        << QUrl::fromLocalFile("/home/ufficio/Programma Veicoli/Guida.pdf");
    QTest::newRow("bare path") << "/tmp/Veicoli.xls" << QUrl::fromLocalFile("/tmp/Veicoli.xls");
    QTest::newRow("web address") << "https://www.example.org/veicolario"
                                 << QUrl("https://www.example.org/veicolario");
    QTest::newRow("quoted mail with blanks")
        << "\"mailto:assistenza@example.org?subject=Software Veicolario&body=Salve, desidererei:\""
        << QUrl("mailto:assistenza@example.org?subject=Software%20Veicolario&body=Salve,%20desidererei:");
    QTest::newRow("one quote only is kept") << "\"/tmp/a" << QUrl::fromLocalFile("\"/tmp/a");
    QTest::newRow("inner quotes are kept") << "\"/tmp/\"a\".pdf\"" << QUrl::fromLocalFile("/tmp/\"a\".pdf");
}

void TestHelp::shellUrl() {
    QFETCH(QString, command);
    QFETCH(QUrl, url);
    QCOMPARE(platform::shellUrl(command), url);
    TMisc::Open(command);
    QCOMPARE(opened, QList<QUrl>{url});
}

void TestHelp::enterAndEscapeDoNothing() {
    TfrmGuida help;
    help.show();
    QVERIFY(QTest::qWaitForWindowExposed(&help));
    child<QPlainTextEdit>(&help, "txtGuida")->setFocus();
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape})
        QTest::keyClick(child<QPlainTextEdit>(&help, "txtGuida"), key);
    child<QPushButton>(&help, "btnChiudi")->setFocus();
    QTest::keyClick(child<QPushButton>(&help, "btnChiudi"), Qt::Key_Escape);
    QVERIFY(help.isVisible());
    QVERIFY(opened.isEmpty());
    // Enter on the focused button presses it, as Space does.
    QTest::keyClick(child<QPushButton>(&help, "btnChiudi"), Qt::Key_Return);
    QVERIFY(!help.isVisible());
}

QTEST_MAIN(TestHelp)
#include "tst_help.moc"
