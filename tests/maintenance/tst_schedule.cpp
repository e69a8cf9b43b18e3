#include "ScheduleFixture.h"
#include "TestFolder.h"
#include "common/Archive.h"
#include "maintenance/SchedaScadenza.h"

#include <QtTest>

using namespace maintenance;
using testsupport::Appointment;

class TestSchedule : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void offsets_data();
    void offsets();
    void flagBytes();
    void imminence_data();
    void imminence();
    void badRecordsSkipped();
    void line();
    void months_data();
    void months();
};

void TestSchedule::offsets_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("offset");
    QTest::addColumn<int>("width");
    using namespace SchedaScadenza;
    QTest::newRow("GiornoMese") << int(GiornoMese) << 0 << 2;
    QTest::newRow("Mese") << int(Mese) << 3 << 10;
    QTest::newRow("Anno") << int(Anno) << 14 << 4;
    QTest::newRow("Data") << int(Data) << 19 << 10;
    QTest::newRow("Ora") << int(Ora) << 36 << 5;
    QTest::newRow("Avviso") << int(Avviso) << 42 << 3;
    QTest::newRow("CodiceFiscale") << int(CodiceFiscale) << 97 << 16;
    QTest::newRow("Targa") << int(Targa) << 420 << 30;
    QTest::newRow("Dettagli") << int(Dettagli) << 502 << 250;
    QTest::newRow("Ricambi") << int(Ricambi) << 753 << 250;
    QTest::newRow("Costo") << int(Costo) << 1004 << 15;
    QTest::newRow("Contatto") << int(Contatto) << 1020 << 50;
    QTest::newRow("Note") << int(Note) << 1071 << 250;
    QTest::newRow("AppDaConfermare") << int(AppDaConfermare) << 1322 << 2;
    QTest::newRow("Effettuata") << int(Effettuata) << 1325 << 2;
}

void TestSchedule::offsets() {
    QFETCH(int, field);
    QFETCH(int, offset);
    QFETCH(int, width);
    const common::RecordLayout& l = SchedaScadenza::layout();
    QCOMPARE(l.size(), 1328);
    QCOMPARE(l.count(), 25);
    QCOMPARE(l.offset(field), offset);
    QCOMPARE(l.width(field), width);
}

void TestSchedule::flagBytes() {
    Appointment a;
    a.daConfermare = kSi;
    a.effettuata = kNo;
    const QByteArray bytes = testsupport::appointmentBytes(a);
    QCOMPARE(bytes.mid(1322, 3), QByteArray("\x02\x53\xEC", 3));
    QCOMPARE(bytes.mid(1325, 3), QByteArray("\x02\x4E\x6F", 3));
}

void TestSchedule::imminence_data() {
    QTest::addColumn<QString>("data");
    QTest::addColumn<QString>("avviso");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<bool>("imminent");
    const QDate t(2025, 3, 10);
    QTest::newRow("today, no warning") << "10/03/2025"
                                       << "0" << t << true;
    QTest::newRow("yesterday") << "09/03/2025"
                               << "30" << t << false;
    QTest::newRow("ten days, warned ten") << "20/03/2025"
                                          << "10" << t << true;
    QTest::newRow("ten days, warned nine") << "20/03/2025"
                                           << "9" << t << false;
    QTest::newRow("ten days, warned more") << "20/03/2025"
                                           << "100" << t << true;
    QTest::newRow("across the year") << "02/01/2026"
                                     << "10" << QDate(2025, 12, 28) << true;
    QTest::newRow("empty warning") << "10/03/2025"
                                   << "" << t << false;
    QTest::newRow("letters as warning") << "10/03/2025"
                                        << "ab" << t << false;
    QTest::newRow("no date") << ""
                             << "5" << t << false;
    QTest::newRow("impossible date") << "31/02/2025"
                                     << "5" << t << false;
}

void TestSchedule::imminence() {
    QFETCH(QString, data);
    QFETCH(QString, avviso);
    QFETCH(QDate, today);
    QFETCH(bool, imminent);
    Appointment a;
    a.data = data;
    a.avviso = avviso;
    QCOMPARE(isImminentRecord(testsupport::appointmentRecord(a), today), imminent);
}

void TestSchedule::badRecordsSkipped() {
    testsupport::TestFolder folder;
    Appointment good, badWarning, badDate;
    good.data = "12/03/2025";
    badWarning.avviso = "x";
    badDate.data = "99/99/2025";
    folder.write("2025.sca", testsupport::appointmentBytes(badWarning) +
                                 testsupport::appointmentBytes(badDate) +
                                 testsupport::appointmentBytes(good) + testsupport::appointmentBytes(good));
    common::ArchiveFile file = openYearFile(yearFilePath("2025"));
    QCOMPARE(countImminent(file, QDate(2025, 3, 10)), 2);
}

void TestSchedule::line() {
    Appointment a;
    a.marca = "Fiat";
    a.modello = "Ducato Maxi con un nome lunghissimo";
    a.manutenzione = "Cambio olio e filtri";
    const QString line = appointmentLine(testsupport::appointmentRecord(a));
    QCOMPARE(
        line,
        QString("Fiat Ducato Maxi con un nome  Targa: AB123CD       Data: 15/03/2025  Ora: 09:30  Rossi Mario"
                "                   Tel. 0612345         Cambio olio e filtri"));
    QCOMPARE(line.indexOf("Cambio"), 132);
}

void TestSchedule::months_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("number");
    QTest::newRow("listed") << "Gennaio" << 1;
    QTest::newRow("lower case") << "dicembre" << 12;
    QTest::newRow("upper case") << "MARZO" << 3;
    QTest::newRow("not a month") << "Marz" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestSchedule::months() {
    QFETCH(QString, name);
    QFETCH(int, number);
    QCOMPARE(monthNumber(name), number);
}

QTEST_GUILESS_MAIN(TestSchedule)
#include "tst_schedule.moc"
