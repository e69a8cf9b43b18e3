#include "mileage/SchedaChilometrico.h"

#include <QtTest>

using namespace mileage;
namespace F = mileage::SchedaChilometrico;

class TestMileageRules : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void layoutOffsets_data();
    void layoutOffsets();
    void rules_data();
    void rules();
    void normaliser_data();
    void normaliser();
    void lines_data();
    void lines();
};

void TestMileageRules::layoutOffsets_data() {
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("offset");
    QTest::newRow("Veicolo") << int(F::Veicolo) << 50 << 0;
    QTest::newRow("Targa") << int(F::Targa) << 30 << 255;
    QTest::newRow("CodiceFiscale") << int(F::CodiceFiscale) << 16 << 337;
    QTest::newRow("Dettagli") << int(F::Dettagli) << 250 << 456;
    QTest::newRow("Costo") << int(F::Costo) << 15 << 828;
    QTest::newRow("KmRil") << int(F::KmRil) << 10 << 855;
    QTest::newRow("Prossima") << int(F::Prossima) << 15 << 888;
    QTest::newRow("DataAtt") << int(F::DataAtt) << 10 << 920;
    QTest::newRow("StatoManutenzione") << int(F::StatoManutenzione) << 7 << 931;
    QTest::newRow("Effettuata") << int(F::Effettuata) << 2 << 939;
    QTest::newRow("Note") << int(F::Note) << 250 << 942;
}

void TestMileageRules::layoutOffsets() {
    QFETCH(int, field);
    QFETCH(int, width);
    QFETCH(int, offset);
    QCOMPARE(F::layout().count(), 23);
    QCOMPARE(F::layout().size(), 1193);
    QCOMPARE(F::layout().width(field), width);
    QCOMPARE(F::layout().offset(field), offset);
}

// Each row: the readings before (initial, interval, due, current, status), then after the due-mileage
// rule and the status rule in turn, as the status button runs them.
void TestMileageRules::rules_data() {
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<bool>("dueOk");
    QTest::addColumn<bool>("statusOk");
    QTest::addColumn<QStringList>("after");
    const QString v = kValida, s = kScaduta;
    QTest::newRow("due mileage is the sum") << QStringList{"12000", "10000", "0", "0", v} << true << true
                                            << QStringList{"12000", "10000", "22000", "0", v};
    QTest::newRow("equal reading is in order") << QStringList{"12000", "10000", "", "22000", s} << true
                                               << true << QStringList{"12000", "10000", "22000", "22000", v};
    QTest::newRow("one past is overdue") << QStringList{"12000", "10000", "", "22001", v} << true << true
                                         << QStringList{"12000", "10000", "22000", "22001", s};
    QTest::newRow("numbers, not texts") << QStringList{"10000", "0", "", "9000", s} << true << true
                                        << QStringList{"10000", "0", "10000", "9000", v};
    QTest::newRow("all empty become zero")
        << QStringList{"", " ", "", "", s} << true << true << QStringList{"0", "0", "0", "0", v};
    QTest::newRow("decimals kept") << QStringList{"1000,5", "0", "", "1000", s} << true << true
                                   << QStringList{"1000,5", "0", "1000,5", "1000", v};
    QTest::newRow("typed due mileage is overwritten")
        << QStringList{"5", "5", "999", "11", v} << true << true << QStringList{"5", "5", "10", "11", s};
    QTest::newRow("bad initial reading")
        << QStringList{"12a", "10000", "5", "3", s} << false << true << QStringList{"0", "0", "0", "3", s};
    QTest::newRow("bad interval") << QStringList{"100", "x", "5", "0", v} << false << true
                                  << QStringList{"0", "0", "0", "0", v};
    QTest::newRow("bad current reading keeps the status")
        << QStringList{"100", "50", "", "1.000", s} << true << false << QStringList{"100", "50", "0", "0", s};
}

void TestMileageRules::rules() {
    QFETCH(QStringList, before);
    QFETCH(bool, dueOk);
    QFETCH(bool, statusOk);
    QFETCH(QStringList, after);
    Readings r{before[0], before[1], before[2], before[3], before[4]};
    QCOMPARE(dueMileageRule(r), dueOk);
    QCOMPARE(statusRule(r), statusOk);
    QCOMPARE((QStringList{r.kmRil, r.ogni, r.prossima, r.kmAttuali, r.stato}), after);
}

void TestMileageRules::normaliser_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("left");
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("empty") << ""
                           << "0";
    QTest::newRow("blanks") << "   "
                            << "0";
    QTest::newRow("half up") << "1234,5"
                             << "1235";
    QTest::newRow("below half") << "1234,4"
                                << "1234";
    QTest::newRow("not a number") << "12x"
                                  << "0";
    QTest::newRow("ten digits") << "9999999999"
                                << "9999999999";
    QTest::newRow("zero") << "0"
                          << "0";
}

void TestMileageRules::normaliser() {
    QFETCH(QString, typed);
    QFETCH(QString, left);
    QCOMPARE(normaliseKm(typed), left);
}

void TestMileageRules::lines_data() {
    QTest::addColumn<QStringList>(
        "fields"); // make, model, plate, maintenance, work date, initial, due, current
    QTest::addColumn<QString>("done");
    QTest::addColumn<QString>("toDo");
    QTest::newRow("short values")
        << QStringList{"Fiat", "Panda", "AB123CD", "Tagliando", "01/02/2025", "1000", "16000", "17000"}
        << QString("Fiat Panda                        Targa: AB123CD       Tagliando" + QString(36, ' ') +
                   "  Data: 01/02/2025  Km attuali: 17000")
        << QString("Fiat Panda                      Targa: AB123CD       Tagliando" + QString(31, ' ') +
                   "  Km iniziali: 1000          Scadenza a km: 16000");
    QTest::newRow("long values are cut")
        << QStringList{QString(40, 'M'),
                       "X",
                       QString(20, 'T'),
                       QString(60, 'W'),
                       "",
                       "123456789012345",
                       "7",
                       ""}
        << QString(QString(32, 'M') + "  Targa: " + QString(12, 'T') + "  " + QString(45, 'W') +
                   "  Data:             Km attuali: ")
        << QString(QString(30, 'M') + "  Targa: " + QString(12, 'T') + "  " + QString(40, 'W') +
                   "  Km iniziali: 1234567890    Scadenza a km: 7");
    QTest::newRow("empty make starts with a blank")
        << QStringList{"", "Punto", "P", "M", "", "", "", ""}
        << QString(" Punto" + QString(26, ' ') + "  Targa: P" + QString(11, ' ') + "  M" + QString(44, ' ') +
                   "  Data:             Km attuali: ")
        << QString(" Punto" + QString(24, ' ') + "  Targa: P" + QString(11, ' ') + "  M" + QString(39, ' ') +
                   "  Km iniziali:               Scadenza a km: ");
}

void TestMileageRules::lines() {
    QFETCH(QStringList, fields);
    QFETCH(QString, done);
    QFETCH(QString, toDo);
    common::Record r(F::layout());
    r.set(F::Marca, fields[0]);
    r.set(F::Modello, fields[1]);
    r.set(F::Targa, fields[2]);
    r.set(F::Manutenzione, fields[3]);
    r.set(F::DataInt, fields[4]);
    r.set(F::KmRil, fields[5]);
    r.set(F::Prossima, fields[6]);
    r.set(F::KmAttuali, fields[7]);
    QCOMPARE(lineDone(r), done);
    QCOMPARE(lineToDo(r), toDo);
    QCOMPARE(lineDone(r).left(132).size(), 132);
    QCOMPARE(lineDone(r).mid(132), r.get(F::KmAttuali));
    QCOMPARE(lineToDo(r).mid(137), r.get(F::Prossima));
}

QTEST_MAIN(TestMileageRules)
#include "tst_mileagerules.moc"
