#include "common/Failure.h"
#include "platform/IniFile.h"
#include "shell/Crypt.h"

#include <QtTest>

using namespace shell;

class TestCrypt : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void vectors_data();
    void vectors();
    void decrypt_data();
    void decrypt();
    void badPairFails_data();
    void badPairFails();
    void everyByteRoundTrips();
    void shippedFileHoldsInitialPassword();
};

void TestCrypt::vectors_data() {
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QString>("stored");
    QTest::newRow("initial password") << "CHIAVEINIZIALE"
                                      << "5310E8AD736BDD949A9D70EE28FC";
    QTest::newRow("empty") << ""
                           << "";
    QTest::newRow("one char") << "A"
                              << "51";
}

void TestCrypt::vectors() {
    QFETCH(QString, plain);
    QFETCH(QString, stored);
    QCOMPARE(EncryptPassword(plain), stored);
    QCOMPARE(DecryptPassword(stored), plain);
}

void TestCrypt::decrypt_data() {
    QTest::addColumn<QString>("stored");
    QTest::addColumn<QString>("plain");
    QTest::newRow("lower-case digits") << "5310e8ad736bdd949a9d70ee28fc"
                                       << "CHIAVEINIZIALE";
    QTest::newRow("odd last digit ignored") << "5310E8AD736BDD949A9D70EE28FC7"
                                            << "CHIAVEINIZIALE";
    QTest::newRow("single digit") << "5"
                                  << "";
}

void TestCrypt::decrypt() {
    QFETCH(QString, stored);
    QFETCH(QString, plain);
    QCOMPARE(DecryptPassword(stored), plain);
}

void TestCrypt::badPairFails_data() {
    QTest::addColumn<QString>("stored");
    QTest::newRow("letter") << "5G";
    QTest::newRow("blank") << "53 0";
    QTest::newRow("sign") << "+1";
}

void TestCrypt::badPairFails() {
    QFETCH(QString, stored);
    QVERIFY_THROWS_EXCEPTION(common::Failure, DecryptPassword(stored));
}

void TestCrypt::everyByteRoundTrips() {
    QString all;
    for (int i = 0; i < 256; ++i)
        all.append(QChar(char16_t(i)));
    const QString stored = EncryptPassword(all);
    QCOMPARE(stored.size(), 512);
    QCOMPARE(DecryptPassword(stored), all);
}

void TestCrypt::shippedFileHoldsInitialPassword() {
    const QString path = QStringLiteral(VEICOLARIO_SOURCE_DIR "/data/unins000.dll");
    QCOMPARE(DecryptPassword(platform::readProfileString(path, "Accesso", "Valore", "")),
             QString("CHIAVEINIZIALE"));
}

QTEST_APPLESS_MAIN(TestCrypt)
#include "tst_crypt.moc"
