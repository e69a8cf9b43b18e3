#include "manual/Manual.h"

#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>

namespace {

common::HelpText text(const QString& chapter, const QString& title, const QStringList& paragraphs) {
    return {QStringLiteral("k"), chapter, title, paragraphs};
}

// The manual's text as a reader sees it, one block a line.
QString plain(const QString& html) {
    QTextDocument doc;
    doc.setHtml(html);
    return doc.toPlainText();
}

} // namespace

class TestManual : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void chaptersInOrderWithoutRepeats();
    void writesPdfOfTheHelpTexts();
    void unwritablePathFails();
};

void TestManual::chaptersInOrderWithoutRepeats() {
    const QString doc = plain(manual::manualHtml({
        text("Introduzione", "Uno sguardo", {"Primo <a> & b."}),
        text("Costi", "App Costi sostenuti", {"C1", "C2"}),
        text("Costi", "App Costi sostenuti", {"C1", "C2"}), // the same text from a second window
        text("Costi", "Esportazione", {"E1"}),
        text("Introduzione", "Altro", {"I2"}),
    }));
    const QStringList lines = doc.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    const QStringList expected{"Veicolario",
                               "Guida all'utilizzo del software",
                               "1. Introduzione",
                               "2. Costi",
                               "1. Introduzione",
                               "Uno sguardo",
                               "Primo <a> & b.",
                               "Altro",
                               "I2",
                               "2. Costi",
                               "App Costi sostenuti",
                               "C1",
                               "C2",
                               "Esportazione",
                               "E1"};
    QCOMPARE(lines, expected);
}

void TestManual::writesPdfOfTheHelpTexts() {
    QTemporaryDir dir;
    const QString path = dir.filePath("Guida.pdf");
    QVERIFY(manual::writeManual(path));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("%PDF-"));
    QVERIFY(bytes.size() > 10000);
}

void TestManual::unwritablePathFails() {
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkdir("Guida.pdf"));
    QVERIFY(!manual::writeManual(dir.filePath("Guida.pdf")));
}

QTEST_MAIN(TestManual)
#include "tst_manual.moc"
