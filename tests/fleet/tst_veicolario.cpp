#include "Boxes.h"
#include "CardContract.h"
#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "SmallDisk.h"
#include "TestFolder.h"
#include "common/Archive.h"
#include "common/CardForm.h"
#include "common/Clock.h"
#include "common/Help.h"
#include "common/TfrmGuida.h"
#include "common/WindowRegistry.h"
#include "fleet/Plate.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/VehiclePhoto.h"
#include "platform/FileDialogs.h"
#include "platform/Files.h"
#include "platform/ProgramFolder.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmCalendario.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QDialog>
#include <QDir>
#include <QImageWriter>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

#include <memory>
#include <optional>

#include <sys/stat.h>

using testsupport::child;

using testsupport::ModalAnswerer;
namespace SV = fleet::SchedaVeicolo;

namespace {

constexpr int kSize = fleet::kVehicleRecordSize;

const QStringList kEditNames{
    "txtTipo",       "txtDestinazione", "txtMarca",         "txtModello",       "txtTarga",
    "txtAnno",       "txtColore",       "txtTelaio",        "txtPneumatici",    "txtStato",
    "txtChilometri", "txtLettura",      "txtAlimentazione", "txtCilindrata",    "txtKW",
    "txtAmbiente",   "txtPosti",        "txtPortata",       "txtCompagnia",     "txtTelAssicuratore",
    "txtPolizza",    "txtIncidenti",    "txtProprietario",  "txtAutista",       "txtTelAutista",
    "txtMeccanico",  "txtTelMeccanico", "txtScadRevisione", "txtScadTagliando", "txtScadAssicurazione",
    "txtScadBollo",  "txtNote"};
const QStringList kHiddenNames{"lblFile01", "lblFile02", "lblFile03", "lblDesc01", "lblDesc02", "lblDesc03"};

// A vehicle record as the card stores it.
QByteArray vehicle(const QString& tipo, const QString& marca = "Fiat", const QString& modello = "Panda",
                   const QString& targa = "AB123CD") {
    common::Record r(SV::layout());
    r.set(SV::Tipo, tipo);
    r.set(SV::Marca, marca);
    r.set(SV::Modello, modello);
    r.set(SV::Targa, targa);
    return r.bytes();
}

QByteArray archiveOf(int records) {
    QByteArray bytes;
    for (int i = 1; i <= records; ++i)
        bytes += vehicle("V" + QString::number(i));
    return bytes;
}

QByteArray jpegOf(const QColor& colour, QSize size = QSize(64, 48), int quality = 75) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    writer.write(image);
    return bytes;
}

} // namespace

class TestVeicolario : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asCreated();
    void helpText();
    void loadFillsEveryField();
    void saveAppendsThenOverwrites();
    void saveFailures_data();
    void saveFailures();
    void duplicate();
    void plateTyping_data();
    void plateTyping();
    void plateInnerBlank();
    void plateRefusesFiftyCharacters();
    void enterOrder();
    void dateFieldKeys_data();
    void dateFieldKeys();
    void datePickerWritesIntoField();
    void focusColours();
    void statusHints();
    void showAndClose();
    void startMenuTileOpensCard();
    void photoSavedUnderNumber();
    void photoFollowsNavigation();
    void photoBoxShowsThePicture();
    void photoLoadButton();
    void photoSaveAsButton();
    void photoSaveFailureKeepsPicture();
    void unchangedPhotoNotReencoded();
    void duplicatePhotoIsPlaceholder();
    void photoOnFullDiskKeepsOldFile_data();
    void photoOnFullDiskKeepsOldFile();
    void oddPhotoFiles_data();
    void oddPhotoFiles();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    TfrmVeicolario* card = nullptr;
    QWidget* menu = nullptr;

    QLineEdit* edit(const QString& name) const {
        auto* e = card->findChild<QLineEdit*>(name);
        if (!e)
            qFatal("edit %s missing", qPrintable(name));
        return e;
    }
    QLabel* label(const QString& name) const {
        auto* l = card->findChild<QLabel*>(name);
        if (!l)
            qFatal("label %s missing", qPrintable(name));
        return l;
    }
    QAbstractButton* button(const QString& name) const {
        auto* b = card->findChild<QAbstractButton*>(name);
        if (!b)
            qFatal("button %s missing", qPrintable(name));
        return b;
    }
    // Clicks a command and returns the boxes it showed.
    QList<testsupport::SeenBox> click(const QString& name) {
        ModalAnswerer answerer;
        button(name)->click();
        QCoreApplication::processEvents();
        return answerer.seen;
    }
    QString position() const { return label("lblPosizione")->text(); }
    void fillRequired() {
        edit("txtTipo")->setText("Autovettura");
        edit("txtMarca")->setText("Fiat");
        edit("txtModello")->setText("Punto");
        edit("txtTarga")->setText("ZZ999ZZ");
    }
    QImage shownPhoto() const { return card->photo().picture(); }
};

void TestVeicolario::init() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::setTodayForTests(QDate(2026, 3, 5));
    card = new TfrmVeicolario();
    menu = new QWidget();
    menu->setObjectName("frmAvvio");
    common::WindowRegistry::instance().add(card);
    common::WindowRegistry::instance().add(menu);
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    QApplication::setActiveWindow(card);
}

void TestVeicolario::cleanup() {
    platform::setFileDialogAnswerForTests({});
    common::WindowRegistry::instance().destroyAll();
    common::setTodayForTests(QDate());
    folder.reset();
}

void TestVeicolario::asCreated() {
    QCOMPARE(card->objectName(), QString("frmVeicolario"));
    QCOMPARE(card->windowTitle(), QString(" Veicolario - Parco Automezzi"));
    QVERIFY(card->windowState() & Qt::WindowMaximized);
    QCOMPARE(card->findChild<QWidget*>("panScheda")->size(), QSize(996, 692));
    QCOMPARE(label("panInfo")->text(), QString("Pronto per registrare una nuova scheda..."));
    QCOMPARE(position(), QString());
    const QList<int> maxLengths{50, 50, 50,  50, 12, 20,  50, 50, 120, 50, 50, 10, 50, 50, 50, 50,
                                50, 50, 120, 50, 50, 250, 50, 50, 50,  50, 50, 10, 10, 10, 10, 250};
    QList<QWidget*> controls = card->recordControls();
    QCOMPARE(controls.size(), 38);
    for (int i = 0; i < kEditNames.size(); ++i) {
        QCOMPARE(controls.at(i), edit(kEditNames.at(i)));
        QCOMPARE(edit(kEditNames.at(i))->maxLength(), maxLengths.at(i));
        QCOMPARE(edit(kEditNames.at(i))->font().family(), QString("Verdana"));
        const bool date = i == SV::Lettura || (i >= SV::ScadenzaRevisione && i <= SV::ScadenzaBollo);
        QCOMPARE(edit(kEditNames.at(i))->isReadOnly(), date);
    }
    for (int i = 0; i < kHiddenNames.size(); ++i) {
        QCOMPARE(controls.at(32 + i), label(kHiddenNames.at(i)));
        QVERIFY(label(kHiddenNames.at(i))->isHidden());
    }
    QVERIFY(label("imgBianco")->isHidden());
    QCOMPARE(label("imgBianco")->pixmap().size(), QSize(308, 173));
    QCOMPARE(label("imgFoto")->size(), QSize(308, 173));
    for (const char* name : {"cmdNuovo",      "cmdDuplica",   "cmdSalva",     "cmdTrova",    "cmdFile",
                             "cmdAnteprima",  "cmdStampa",    "cmdPrimo",     "cmdIndietro", "cmdAvanti",
                             "cmdUltimo",     "cmdEsporta",   "cmdSlideshow", "cmdGuida",    "cmdEsci",
                             "btnCaricaFoto", "btnSalvaFoto", "btnCancFoto",  "btnZoomFoto", "btnFocus"})
        QVERIFY2(!button(name)->isHidden(), name);
    QVERIFY(card->photo().isPlaceholder());
    QCOMPARE(card->focusWidget(), edit("txtTipo"));
}

void TestVeicolario::helpText() {
    testsupport::SeenHelp seen;
    ModalAnswerer answerer;
    testsupport::captureHelp(answerer, seen);
    click("cmdGuida");
    QCOMPARE(seen.title, QString("App Parco Automezzi"));
    QCOMPARE(seen.owner, card);
    const QStringList paragraphs = seen.text.split("\n\n");
    QCOMPARE(paragraphs.size(), 11);
    for (const QString& p : paragraphs)
        QVERIFY(!p.trimmed().isEmpty() && !p.contains('\n'));
    QVERIFY(paragraphs.at(2).contains(QString::fromUtf8("sono a compilazione obbligatoria")));
    QVERIFY(paragraphs.at(4).contains("Carica foto"));
    QVERIFY(paragraphs.at(5).contains("ad intervalli di sei secondi"));
}

void TestVeicolario::loadFillsEveryField() {
    common::Record r(SV::layout());
    for (int i = 0; i < SV::FieldCount; ++i)
        r.set(i, QString::fromUtf8("  F%1 € è  ").arg(i));
    QByteArray bytes = r.bytes();
    // A length byte past the field reads as the width.
    bytes.replace(SV::layout().offset(SV::Targa), 13,
                  QByteArray("\xc8"
                             "ABCDEFGHIJKL"));
    folder->write(fleet::kVehicleArchive, vehicle("first") + bytes);
    click("cmdUltimo");
    QCOMPARE(position(), QString("2"));
    QList<QWidget*> controls = card->recordControls();
    for (int i = 0; i < SV::FieldCount; ++i) {
        if (i == SV::Targa)
            continue;
        QCOMPARE(controls.at(i)->property("text").toString(), QString::fromUtf8("F%1 € è").arg(i));
    }
    QCOMPARE(edit("txtTarga")->text(), QString("ABCDEFGHIJKL"));
    // Every one-line field shows the beginning of its value, not its end.
    for (QWidget* control : controls)
        if (auto* field = qobject_cast<QLineEdit*>(control))
            QVERIFY2(field->cursorPosition() == 0, qPrintable(field->objectName()));
}

void TestVeicolario::saveAppendsThenOverwrites() {
    folder->write(fleet::kVehicleArchive, archiveOf(5));
    edit("txtTipo")->setText("Autovettura");
    edit("txtMarca")->setText("Fiat");
    edit("txtModello")->setText("Panda");
    edit("txtTarga")->setFocus();
    QTest::keyClicks(edit("txtTarga"), "ab-123cd");
    edit("txtColore")->setText("  Bianco  ");
    edit("txtTelaio")->setText("WVWZZZ1JZXW000001");
    edit("txtNote")->setText(QString::fromUtf8("Costo 5 € – ok"));
    auto seen = click("cmdSalva");
    COMPARE_ONE_BOX(seen, QString::fromUtf8("La scheda corrente è stata inserita in archivio."),
                    QMessageBox::Information);
    QCOMPARE(position(), QString("6"));
    QByteArray bytes = folder->read(fleet::kVehicleArchive);
    QCOMPARE(bytes.size(), 6 * kSize);
    const QByteArray stored = bytes.mid(5 * kSize); // record 6 at byte 16850
    QCOMPARE(5 * kSize, 16850);
    QCOMPARE(stored.mid(204, 13), QByteArray("\x08"
                                             "AB-123CD\0\0\0\0",
                                             13));
    QCOMPARE(stored.mid(238, 7), QByteArray("\x06"
                                            "Bianco"));
    QCOMPARE(stored.mid(289, 11), QByteArray("\x0a"
                                             "WVWZZZ1JZX"));
    QCOMPARE(stored.mid(1613, 15), QByteArray("\x0e"
                                              "Costo 5 \x80 \x96 ok"));
    QCOMPARE(stored.mid(1864), QByteArray(kSize - 1864, '\0')); // attachment fields empty, zeros
    QCOMPARE(bytes.left(5 * kSize), archiveOf(5));
    // The card keeps its texts; a second save writes over the same record.
    QCOMPARE(edit("txtColore")->text(), QString("  Bianco  "));
    edit("txtModello")->setText("Panda 4x4");
    seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, common::kSavedOver);
    QCOMPARE(position(), QString("6"));
    bytes = folder->read(fleet::kVehicleArchive);
    QCOMPARE(bytes.size(), 6 * kSize);
    QCOMPARE(bytes.mid(5 * kSize + 153, 10), QByteArray("\x09"
                                                        "Panda 4x4"));
    // Loaded again, the chassis number shows its ten stored characters.
    click("cmdNuovo");
    click("cmdUltimo");
    QCOMPARE(edit("txtTelaio")->text(), QString("WVWZZZ1JZX"));
    QCOMPARE(edit("txtColore")->text(), QString("Bianco"));
}

void TestVeicolario::saveFailures_data() {
    QTest::addColumn<QString>("failure");
    QTest::newRow("archive is a folder") << "folder";
    QTest::newRow("record past the end of a shrunken file") << "shrunk";
}

void TestVeicolario::saveFailures() {
    QFETCH(QString, failure);
    QByteArray before;
    if (failure == "folder") {
        QVERIFY(QDir(folder->folder()).mkdir(fleet::kVehicleArchive));
    } else {
        before = archiveOf(2);
        folder->write(fleet::kVehicleArchive, before);
        label("lblPosizione")->setText("5");
    }
    const QString position0 = position();
    fillRequired();
    const auto seen = click("cmdSalva");
    COMPARE_ONE_BOX(seen, common::kArchiveFailure, QMessageBox::Critical, "OK", "Annulla");
    QCOMPARE(position(), position0);
    QVERIFY(!QFileInfo::exists(folder->path("Veicolario/Scheda_Veicolo_5.jpg")));
    if (failure == "shrunk")
        QCOMPARE(folder->read(fleet::kVehicleArchive), before); // no record written into a gap
    // The navigation reports the same failure.
    const auto nav = click("cmdPrimo");
    if (failure == "folder") {
        QCOMPARE(nav.size(), 1);
        QCOMPARE(nav.first().text, common::kArchiveFailure);
    }
}

void TestVeicolario::duplicate() {
    auto seen = click("cmdDuplica");
    COMPARE_ONE_BOX(seen, common::kDuplicateRefused, QMessageBox::Warning);

    common::Record r(SV::layout());
    for (int i = 0; i < SV::FieldCount; ++i)
        r.set(i, "F" + QString::number(i));
    folder->write(fleet::kVehicleArchive, archiveOf(3) + r.bytes());
    click("cmdUltimo");
    QCOMPARE(position(), QString("4"));
    QCOMPARE(label("lblFile01")->text(), QString("F32"));
    seen = click("cmdDuplica");
    COMPARE_ONE_BOX(seen,
                    QString("E' ora possibile apportare le proprie modifiche alla scheda corrente."
                            "\n\r\n\rAl termine premere Salva per inserire la scheda in archivio."),
                    QMessageBox::Information);
    QCOMPARE(position(), QString());
    for (const QString& name : kHiddenNames)
        QCOMPARE(label(name)->text(), QString());
    QCOMPARE(edit("txtNote")->text(), QString("F31"));
    QCOMPARE(card->focusWidget(), edit("txtTipo"));
    seen = click("cmdSalva");
    QCOMPARE(seen.first().text, common::kAppendedInserita);
    QCOMPARE(position(), QString("5"));
    const QByteArray bytes = folder->read(fleet::kVehicleArchive);
    QCOMPARE(bytes.size(), 5 * kSize);
    QCOMPARE(bytes.mid(3 * kSize, kSize), r.bytes()); // record 4 unchanged
    common::Record expected(SV::layout());
    for (int i = 0; i < SV::File01; ++i)
        expected.set(i, "F" + QString::number(i));
    QCOMPARE(bytes.mid(4 * kSize), expected.bytes());
}

void TestVeicolario::plateTyping_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::newRow("lower case upper-cased") << "ab-123cd"
                                            << "AB-123CD";
    QTest::newRow("accented letter refused") << QString::fromUtf8("aéb") << "AB";
    QTest::newRow("slash refused") << "ab/12"
                                   << "AB12";
    QTest::newRow("signs refused") << QString::fromUtf8("a&<>£°b") << "AB";
    QTest::newRow("blank at the ends vanishes") << " ab "
                                                << "AB";
    QTest::newRow("tilde and ring pass, not upper-cased")
        << QString::fromUtf8("ãå") << QString::fromUtf8("ãå");
    QTest::newRow("euro and hyphen pass") << QString::fromUtf8("€-1") << QString::fromUtf8("€-1");
    QTest::newRow("cut at 12") << "abcdefghijklmnop"
                               << "ABCDEFGHIJKL";
}

void TestVeicolario::plateTyping() {
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QLineEdit* plate = edit("txtTarga");
    plate->setFocus();
    for (const QChar ch : typed) {
        if (ch.unicode() < 128)
            QTest::keyClick(plate, char(ch.unicode()));
        else
            QTest::sendKeyEvent(QTest::Click, plate, Qt::Key_unknown, QString(ch), Qt::NoModifier);
    }
    QCOMPARE(plate->text(), shown);
}

void TestVeicolario::plateRefusesFiftyCharacters() {
    int refused = 0;
    for (int u = 0; u <= 0xFFFF; ++u)
        refused += fleet::plateRefuses(QChar(char16_t(u))) ? 1 : 0;
    QCOMPARE(refused, 50);
    for (char16_t u : {u'&', u'/', u'<', u'>', char16_t(0xA3), char16_t(0xB0), char16_t(0xC0), char16_t(0xC4),
                       char16_t(0xC7), char16_t(0xCF), char16_t(0xD1), char16_t(0xD6), char16_t(0xDC),
                       char16_t(0xE0), char16_t(0xE9), char16_t(0xF1), char16_t(0xFC)})
        QVERIFY(fleet::plateRefuses(QChar(u)));
    for (char16_t u : {u' ', u'-', char16_t(0x20AC), char16_t(0xC3), char16_t(0xC5), char16_t(0xD0),
                       char16_t(0xD7), char16_t(0xDD), char16_t(0xE3), char16_t(0xE5), char16_t(0xF7)})
        QVERIFY(!fleet::plateRefuses(QChar(u)));
}

void TestVeicolario::enterOrder() {
    ModalAnswerer answerer;
    int pickers = 0;
    answerer.onOther = [&](QWidget* w) {
        ++pickers;
        w->close();
        return true;
    };
    for (int i = 0; i < kEditNames.size(); ++i) {
        QLineEdit* from = edit(kEditNames.at(i));
        from->setFocus();
        QTest::keyClick(from, i % 2 ? Qt::Key_Return : Qt::Key_Enter);
        QCOMPARE(card->focusWidget(), edit(kEditNames.at((i + 1) % kEditNames.size())));
    }
    // Tab follows the same order, also through the date fields.
    for (int i = 0; i < kEditNames.size(); ++i) {
        edit(kEditNames.at(i))->setFocus();
        QTest::keyClick(edit(kEditNames.at(i)), Qt::Key_Tab);
        QCOMPARE(card->focusWidget(), edit(kEditNames.at((i + 1) % kEditNames.size())));
    }
    QCoreApplication::processEvents(); // what the keys queued has run
    QCOMPARE(pickers, 0);
}

void TestVeicolario::dateFieldKeys_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("picker"); // the tag the picker opened with; empty: no picker
    QTest::addColumn<QString>("text");   // the field's text afterwards
    QTest::addColumn<QString>("focus");
    QTest::newRow("letter opens") << "txtLettura" << int(Qt::Key_A) << 0 << "veicolario_lettura"
                                  << "01/01/2020"
                                  << "txtLettura";
    QTest::newRow("arrow opens") << "txtScadRevisione" << int(Qt::Key_Down) << 0 << "veicolario_scadrevisione"
                                 << "01/01/2020"
                                 << "txtScadRevisione";
    QTest::newRow("F2 opens") << "txtScadTagliando" << int(Qt::Key_F2) << 0 << "veicolario_scadtagliando"
                              << "01/01/2020"
                              << "txtScadTagliando";
    QTest::newRow("space opens") << "txtScadAssicurazione" << int(Qt::Key_Space) << 0
                                 << "veicolario_scadassicurazione"
                                 << "01/01/2020"
                                 << "txtScadAssicurazione";
    QTest::newRow("digit opens") << "txtScadBollo" << int(Qt::Key_5) << 0 << "veicolario_scadbollo"
                                 << "01/01/2020"
                                 << "txtScadBollo";
    QTest::newRow("delete empties") << "txtScadBollo" << int(Qt::Key_Delete) << 0 << ""
                                    << ""
                                    << "txtScadBollo";
    QTest::newRow("backspace empties") << "txtLettura" << int(Qt::Key_Backspace) << 0 << ""
                                       << ""
                                       << "txtLettura";
    QTest::newRow("enter moves on") << "txtLettura" << int(Qt::Key_Return) << 0 << ""
                                    << "01/01/2020"
                                    << "txtAlimentazione";
    QTest::newRow("shift alone does nothing")
        << "txtLettura" << int(Qt::Key_Shift) << int(Qt::ShiftModifier) << ""
        << "01/01/2020"
        << "txtLettura";
    QTest::newRow("ctrl alone does nothing")
        << "txtLettura" << int(Qt::Key_Control) << int(Qt::ControlModifier) << ""
        << "01/01/2020"
        << "txtLettura";
    QTest::newRow("alt alone does nothing") << "txtLettura" << int(Qt::Key_Alt) << int(Qt::AltModifier) << ""
                                            << "01/01/2020"
                                            << "txtLettura";
    QTest::newRow("shift+tab goes back")
        << "txtLettura" << int(Qt::Key_Backtab) << int(Qt::ShiftModifier) << ""
        << "01/01/2020"
        << "txtChilometri";
    QTest::newRow("tab goes on") << "txtScadRevisione" << int(Qt::Key_Tab) << 0 << ""
                                 << "01/01/2020"
                                 << "txtScadTagliando";
}

void TestVeicolario::dateFieldKeys() {
    QFETCH(QString, field);
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, picker);
    QFETCH(QString, text);
    QFETCH(QString, focus);
    QLineEdit* date = edit(field);
    date->setText("01/01/2020");
    date->setFocus();
    QStringList opened;
    ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        if (auto* cal = qobject_cast<TfrmCalendario*>(w)) {
            opened.append(child<QLabel>(cal, "lblMemory")->text());
            child<QPushButton>(cal, "btnAnnulla")->click();
            return true;
        }
        return false;
    };
    QTest::keyClick(date, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
    QCoreApplication::processEvents(); // what the key queued has run
    QTRY_COMPARE(opened, picker.isEmpty() ? QStringList() : QStringList{picker});
    QCOMPARE(date->text(), text);
    QCOMPARE(card->focusWidget(), edit(focus));
}

void TestVeicolario::datePickerWritesIntoField() {
    QLineEdit* date = edit("txtScadAssicurazione");
    date->setText("01/01/2020");
    date->setFocus();
    ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        if (auto* cal = qobject_cast<TfrmCalendario*>(w)) {
            child<QPushButton>(cal, "btnImportaData")->click();
            return true;
        }
        return false;
    };
    QTest::keyClick(date, Qt::Key_X);
    QCOMPARE(date->text(), QString("05/03/2026"));
    QCOMPARE(position(), QString()); // nothing is saved by the picker
    QVERIFY(!folder->exists(fleet::kVehicleArchive));
}

void TestVeicolario::focusColours() {
    const QColor alice(0xF0, 0xF8, 0xFF);
    const QColor yellow(0xFF, 0xFF, 0x00);
    const QColor skyBlue(0x87, 0xCE, 0xEB);
    // What the user sees: the fill of the field and its frame.
    auto fill = [](QLineEdit* field) {
        const QImage look = field->grab().toImage();
        return QColor(look.pixel(look.width() - 4, look.height() / 2));
    };
    auto frame = [](QLineEdit* field) {
        const QImage look = field->grab().toImage();
        return QColor(look.pixel(0, look.height() / 2));
    };
    for (int i = 0; i < kEditNames.size(); ++i) {
        QLineEdit* field = edit(kEditNames.at(i));
        const QColor own = i < 23 ? alice : QColor(Qt::white);
        field->setFocus();
        QCOMPARE(fill(field), yellow);
        QCOMPARE(frame(field), skyBlue);
        button("btnFocus")->setFocus();
        QCOMPARE(fill(field), own);
        QCOMPARE(frame(field), skyBlue);
    }
    // A window the card owns keeps its own look: its fields turn neither yellow nor sky blue.
    QDialog owned(card);
    auto* other = new QLineEdit(&owned);
    other->resize(120, 24);
    owned.show();
    QVERIFY(QTest::qWaitForWindowExposed(&owned));
    QApplication::setActiveWindow(&owned);
    other->setFocus();
    QTRY_VERIFY(other->hasFocus());
    QVERIFY(fill(other) != yellow);
    QVERIFY(frame(other) != skyBlue);
}

void TestVeicolario::plateInnerBlank() {
    QLineEdit* plate = edit("txtTarga");
    plate->setFocus();
    QTest::keyClicks(plate, "ab 12"); // the blank vanishes as soon as it is typed at the end
    QCOMPARE(plate->text(), QString("AB12"));
    QTest::keyClick(plate, Qt::Key_Left);
    QTest::keyClick(plate, Qt::Key_Left);
    QTest::keyClick(plate, ' '); // between two characters it stays
    QTest::keyClick(plate, 'x');
    QCOMPARE(plate->text(), QString("AB X12"));
}

void TestVeicolario::statusHints() {
    QLabel* info = label("panInfo");
    auto move = [](QWidget* w) {
        QMouseEvent event(QEvent::MouseMove, QPointF(2, 2), w->mapToGlobal(QPointF(2, 2)), Qt::NoButton,
                          Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(w, &event);
    };
    const QList<std::pair<const char*, const char*>> hints{
        {"cmdNuovo", "Prepara la schermata per l'inserimento di una nuova scheda."},
        {"cmdDuplica",
         "Prepara la schermata per l'inserimento di una nuova scheda duplicando i dati correnti."},
        {"cmdSalva", "Salva la scheda in archivio."},
        {"cmdTrova", "Trova una scheda in archivio."},
        {"cmdFile", "Allega file alla scheda."},
        {"cmdAnteprima", "Visualizza l'anteprima di stampa della scheda."},
        {"cmdStampa", "Stampa la scheda."},
        {"cmdPrimo", "Visualizza la prima scheda in archivio."},
        {"cmdIndietro", "Visualizza la scheda precedente in archivio."},
        {"cmdAvanti", "Visualizza la scheda successiva in archivio."},
        {"cmdUltimo", "Visualizza l'ultima scheda in archivio."},
        {"cmdEsporta", "Esporta archivio in Excel."},
        {"cmdSlideshow", "Esegui lo slide show del parco automezzi."},
        {"cmdGuida", "Visualizza la guida in linea."},
        {"cmdEsci", "Esci da questa schermata."},
        {"btnCaricaFoto", "Carica una foto."},
        {"btnSalvaFoto", "Salva la foto su disco."},
        {"btnCancFoto", "Cancella la foto."},
        {"btnZoomFoto", "Visualizza la foto nelle sue dimensioni reali."},
    };
    for (const auto& [name, text] : hints) {
        move(button(name));
        QCOMPARE(info->text(), QString::fromUtf8(text));
    }
    move(edit("txtMarca")); // a field has no hint and leaves it as it was
    QCOMPARE(info->text(), QString("Visualizza la foto nelle sue dimensioni reali."));
    move(label("lblMarca")); // a caption is part of the background
    QCOMPARE(info->text(), QString());
    for (const char* background : {"panScheda", "recConducente", "recNote", "imgIntestazione", "imgFoto"}) {
        move(button("cmdSalva"));
        move(card->findChild<QWidget*>(background));
        QCOMPARE(info->text(), QString());
    }
}

void TestVeicolario::showAndClose() {
    edit("txtMarca")->setText("Fiat");
    label("lblPosizione")->setText("3");
    button("cmdSalva")->setFocus();
    click("cmdEsci");
    QVERIFY(card->isHidden());
    QVERIFY(!menu->isHidden());
    card->show();
    QVERIFY(QTest::qWaitForWindowExposed(card));
    QCOMPARE(edit("txtMarca")->text(), QString());
    QCOMPARE(position(), QString());
    QCOMPARE(card->focusWidget(), edit("txtTipo"));
}

void TestVeicolario::startMenuTileOpensCard() {
    edit("txtMarca")->setText("Fiat");
    card->hide();
    TfrmAvvio start;
    start.show();
    QVERIFY(QTest::qWaitForWindowExposed(&start));
    QTest::mouseClick(child<QLabel>(&start, "btnApp02"), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!card->isHidden());
    QVERIFY(start.isHidden());
    QCOMPARE(edit("txtMarca")->text(), QString()); // the card opens on an empty new card
}

void TestVeicolario::photoSavedUnderNumber() {
    folder->write(fleet::kVehicleArchive, archiveOf(6));
    fillRequired();
    click("cmdSalva");
    QCOMPARE(position(), QString("7"));
    const QString path = folder->path("Veicolario/Scheda_Veicolo_7.jpg");
    QVERIFY(QFileInfo::exists(path));
    const QImage stored(path);
    QCOMPARE(stored.size(), QSize(308, 173)); // the placeholder, at its own size
    QCOMPARE(fleet::photoPath(" 12 "), folder->folder() + "/Veicolario/Scheda_Veicolo_12.jpg");
}

void TestVeicolario::photoFollowsNavigation() {
    folder->write(fleet::kVehicleArchive, archiveOf(2));
    QDir(folder->folder()).mkdir("Veicolario");
    folder->write("Veicolario/Scheda_Veicolo_1.jpg", jpegOf(Qt::red, QSize(640, 480)));
    folder->write("Veicolario/Scheda_Veicolo_2.jpg", "not a picture");
    auto seen = click("cmdPrimo");
    QCOMPARE(seen.size(), 0);
    QCOMPARE(shownPhoto().size(), QSize(640, 480)); // kept at its own resolution
    QVERIFY(!card->photo().isPlaceholder());
    seen = click("cmdAvanti");
    QCOMPARE(seen.size(), 0);
    QVERIFY(card->photo().isPlaceholder());
    // A picture loaded and not saved is gone after a navigation.
    const QString other = folder->path("blue.jpg");
    folder->write("blue.jpg", jpegOf(Qt::blue));
    platform::setFileDialogAnswerForTests([&](const platform::FileDialogRequest&) { return other; });
    click("btnCaricaFoto");
    QVERIFY(!card->photo().isPlaceholder());
    click("cmdIndietro");
    QCOMPARE(shownPhoto().size(), QSize(640, 480));
}

void TestVeicolario::photoBoxShowsThePicture() {
    // A box of its own: a picture set while its window is hidden is shown, fitted to the box, once the
    // window is shown; on show the box follows each new picture at once.
    QWidget window;
    auto* box = new QLabel(&window);
    box->setFrameShape(QFrame::Box);
    box->setGeometry(0, 0, 200, 120);
    auto* blank = new QLabel(&window);
    blank->hide();
    fleet::PhotoBox photo(box, blank);
    QImage red(640, 480, QImage::Format_RGB32);
    red.fill(Qt::red);
    photo.setPicture(red);
    auto middle = [box] {
        const QImage shown = box->pixmap().toImage();
        return shown.pixelColor(shown.width() / 2, shown.height() / 2);
    };
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(middle(), QColor(Qt::red));
    const QSize fitted = box->pixmap().size();
    const QSize room = box->contentsRect().size();
    QVERIFY(fitted.width() <= room.width() && fitted.height() <= room.height());
    QVERIFY(fitted.width() == room.width() || fitted.height() == room.height());
    photo.showPlaceholder();
    const QColor placeholder =
        fleet::placeholderPicture().pixelColor(fleet::kPhotoWidth / 2, fleet::kPhotoHeight / 2);
    QVERIFY(qAbs(middle().red() - placeholder.red()) <= 16 &&
            qAbs(middle().blue() - placeholder.blue()) <= 16);
}

void TestVeicolario::photoLoadButton() {
    QImage bmp(40, 30, QImage::Format_RGB32);
    bmp.fill(Qt::green);
    QVERIFY(bmp.save(folder->path("car.bmp"), "BMP"));
    folder->write("broken.jpg", "garbage");
    QList<platform::FileDialogRequest> asked;
    QString answer;
    platform::setFileDialogAnswerForTests([&](const platform::FileDialogRequest& r) {
        asked.append(r);
        return answer;
    });
    answer = folder->path("car.bmp");
    click("btnCaricaFoto");
    QCOMPARE(asked.size(), 1);
    QCOMPARE(asked.first().kind, platform::FileDialogRequest::Kind::Open);
    QCOMPARE(asked.first().title, QString("Selezionare un file di immagine in formato Jpeg o Bitmap."));
    QCOMPARE(asked.first().filter, QString("Immagine JPEG (*.jpg *.jpeg);;Immagine Bitmap (*.bmp)"));
    QCOMPARE(shownPhoto().size(), QSize(40, 30));
    answer.clear(); // cancelled: nothing changes
    click("btnCaricaFoto");
    QCOMPARE(shownPhoto().size(), QSize(40, 30));
    answer = folder->path("broken.jpg"); // a failed load keeps the picture on show
    const auto seen = click("btnCaricaFoto");
    QCOMPARE(seen.size(), 0);
    QCOMPARE(shownPhoto().size(), QSize(40, 30));
    QVERIFY(!card->photo().isPlaceholder());
    click("btnCancFoto");
    QVERIFY(card->photo().isPlaceholder());
    // Nothing is written by the load or clear buttons.
    QVERIFY(!folder->exists("Veicolario"));
    QVERIFY(!folder->exists(fleet::kVehicleArchive));
}

void TestVeicolario::photoSaveAsButton() {
    QImage bmp(40, 30, QImage::Format_RGB32);
    bmp.fill(Qt::green);
    QVERIFY(bmp.save(folder->path("car.bmp"), "BMP"));
    QString answer = folder->path("car.bmp");
    QList<platform::FileDialogRequest> asked;
    platform::setFileDialogAnswerForTests([&](const platform::FileDialogRequest& r) {
        asked.append(r);
        return answer;
    });
    click("btnCaricaFoto");
    answer = folder->path("foto"); // typed without extension
    click("btnSalvaFoto");
    const platform::FileDialogRequest& save = asked.last();
    QCOMPARE(save.kind, platform::FileDialogRequest::Kind::Save);
    QCOMPARE(save.title, QString("Selezionare la cartella in cui si desidera salvare il file Jpeg."));
    QCOMPARE(save.filter, QString("File Jpeg (*.jpg)"));
    QCOMPARE(save.fileName, QString("Foto.jpg"));
    QVERIFY(folder->exists("foto.jpg"));
    QCOMPARE(QImage(folder->path("foto.jpg")).size(), QSize(40, 30));
    QCOMPARE(folder->read("foto.jpg").left(2), QByteArray("\xff\xd8")); // a JPEG
    answer = folder->path("missing/folder/foto.jpg"); // a failed save keeps the picture on show
    const auto seen = click("btnSalvaFoto");
    QCOMPARE(seen.size(), 0);
    QCOMPARE(shownPhoto().size(), QSize(40, 30));
    QVERIFY(!card->photo().isPlaceholder());
}

void TestVeicolario::photoSaveFailureKeepsPicture() {
    folder->write("Veicolario", "a file where the photo folder should be");
    folder->write("red.jpg", jpegOf(Qt::red));
    platform::setFileDialogAnswerForTests(
        [&](const platform::FileDialogRequest&) { return folder->path("red.jpg"); });
    click("btnCaricaFoto");
    fillRequired();
    auto seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1); // the record is saved, but the photo is not: nothing says "saved"
    QCOMPARE(seen.first().text, common::kArchiveFailure);
    QCOMPARE(position(), QString("1"));
    QCOMPARE(folder->read(fleet::kVehicleArchive).size(), kSize);
    QVERIFY(!card->photo().isPlaceholder()); // and the picture stays, so the next save can store it
    QVERIFY(QFile::remove(folder->path("Veicolario")));
    seen = click("cmdSalva");
    QCOMPARE(seen.first().text, common::kSavedOver);
    QCOMPARE(folder->read("Veicolario/Scheda_Veicolo_1.jpg"), folder->read("red.jpg"));
}

void TestVeicolario::unchangedPhotoNotReencoded() {
    folder->write(fleet::kVehicleArchive, archiveOf(1));
    QDir(folder->folder()).mkdir("Veicolario");
    const QByteArray original = jpegOf(QColor(200, 60, 30), QSize(300, 200), 60);
    folder->write("Veicolario/Scheda_Veicolo_1.jpg", original);
    click("cmdPrimo");
    for (int i = 0; i < 3; ++i) {
        const auto seen = click("cmdSalva");
        QCOMPARE(seen.first().text, common::kSavedOver);
    }
    QCOMPARE(folder->read("Veicolario/Scheda_Veicolo_1.jpg"), original);
    // Duplicated and saved again with the picture loaded anew from the file: the very same bytes.
    platform::setFileDialogAnswerForTests(
        [&](const platform::FileDialogRequest&) { return folder->path("Veicolario/Scheda_Veicolo_1.jpg"); });
    click("cmdDuplica");
    click("btnCaricaFoto");
    click("cmdSalva");
    QCOMPARE(position(), QString("2"));
    QCOMPARE(folder->read("Veicolario/Scheda_Veicolo_2.jpg"), original);
}

void TestVeicolario::duplicatePhotoIsPlaceholder() {
    folder->write(fleet::kVehicleArchive, archiveOf(8));
    QDir(folder->folder()).mkdir("Veicolario");
    const QByteArray own = jpegOf(Qt::red, QSize(100, 80));
    folder->write("Veicolario/Scheda_Veicolo_3.jpg", own);
    click("cmdPrimo");
    click("cmdAvanti");
    click("cmdAvanti");
    QCOMPARE(position(), QString("3"));
    QVERIFY(!card->photo().isPlaceholder());
    click("cmdDuplica");
    QVERIFY(card->photo().isPlaceholder());
    click("cmdSalva");
    QCOMPARE(position(), QString("9"));
    QCOMPARE(QImage(folder->path("Veicolario/Scheda_Veicolo_9.jpg")).size(), QSize(308, 173));
    QCOMPARE(folder->read("Veicolario/Scheda_Veicolo_3.jpg"), own);
}

void TestVeicolario::photoOnFullDiskKeepsOldFile_data() {
    QTest::addColumn<bool>("real");
    QTest::newRow("simulated") << false;
    QTest::newRow("small real disk") << true;
}

void TestVeicolario::photoOnFullDiskKeepsOldFile() {
    QFETCH(bool, real);
    testsupport::SmallDisk disk;
    if (real) {
        SKIP_UNLESS_MOUNTED(disk);
        platform::setProgramFolderForTests(disk.folder());
    }
    const auto write = [](const QString& name, const QByteArray& bytes) {
        QFile f(platform::programPath(name));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    };
    const auto read = [](const QString& name) {
        QFile f(platform::programPath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    };
    const QByteArray original = jpegOf(Qt::red, QSize(320, 240));
    write(fleet::kVehicleArchive, archiveOf(1));
    QVERIFY(QDir().mkpath(platform::programPath("Veicolario")));
    write("Veicolario/Scheda_Veicolo_1.jpg", original);
    write("blue.jpg", jpegOf(Qt::blue, QSize(320, 240)));
    click("cmdPrimo");
    platform::setFileDialogAnswerForTests(
        [](const platform::FileDialogRequest&) { return platform::programPath("blue.jpg"); });
    click("btnCaricaFoto");
    edit("txtNote")->setText("nuova nota");
    std::optional<platform::FullDiskForTests> simulated;
    if (real)
        QVERIFY(disk.fill());
    else
        simulated.emplace(kSize); // room for the record, none for the photo
    const auto seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, common::kArchiveFailure);
    QCOMPARE(seen.first().icon, QMessageBox::Critical);
    QCOMPARE(read("Veicolario/Scheda_Veicolo_1.jpg"), original);
    QCOMPARE(QDir(platform::programPath("Veicolario")).entryList(QDir::Files | QDir::Hidden),
             QStringList{"Scheda_Veicolo_1.jpg"});
    QVERIFY(card->photo().picture().pixelColor(10, 10).blue() > 200); // the new picture stays on show
}

void TestVeicolario::oddPhotoFiles_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("named pipe") << "pipe";
    QTest::newRow("link to /dev/zero") << "device";
}

void TestVeicolario::oddPhotoFiles() {
    QFETCH(QString, kind);
    folder->write(fleet::kVehicleArchive, archiveOf(1));
    QVERIFY(QDir(folder->folder()).mkdir("Veicolario"));
    const QString path = folder->path("Veicolario/Scheda_Veicolo_1.jpg");
    if (kind == "pipe")
        QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    else
        QVERIFY(QFile::link("/dev/zero", path));
    QElapsedTimer timer;
    timer.start();
    // Loading: no picture, so the placeholder, and no message.
    auto seen = click("cmdPrimo");
    QCOMPARE(seen.size(), 0);
    QVERIFY(card->photo().isPlaceholder());
    // Saving over it: refused and shown, the odd file left alone.
    seen = click("cmdSalva");
    QCOMPARE(seen.size(), 1);
    QCOMPARE(seen.first().text, common::kArchiveFailure);
    // A wait on a pipe would never end; the bound leaves room for the boxes on a loaded machine.
    QVERIFY(timer.elapsed() < 5000);
    QCOMPARE(
        QDir(folder->path("Veicolario")).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot),
        QStringList{"Scheda_Veicolo_1.jpg"});
    QVERIFY(!QFileInfo(path).isFile());
    QCOMPARE(QFileInfo(path).isSymLink(), kind == "device");
}

// The vehicle card under the contract every card keeps.
testsupport::CardSpec vehicleCardSpec() {
    testsupport::CardSpec spec;
    spec.make = [] { return new TfrmVeicolario; };
    spec.archive = fleet::kVehicleArchive;
    spec.record = [](const QStringList& required) {
        return vehicle(required.at(0), required.at(1), required.at(2), required.at(3));
    };
    const QString start = QString::fromUtf8("Attenzione: per salvare la scheda è necessario indicare ");
    spec.required = {{"txtTipo", start + "il tipo di veicolo."},
                     {"txtMarca", start + "la marca del veicolo."},
                     {"txtModello", start + "il modello del veicolo."},
                     {"txtTarga", start + "la targa del veicolo."}};
    spec.sample = {"Autovettura", "Fiat", "Panda", "AB123CD"};
    spec.buttons = {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo",
                    "cmdNuovo", "cmdDuplica",  "cmdSalva"};
    return spec;
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    TestVeicolario test;
    testsupport::CardContract contract(vehicleCardSpec());
    const int failed = QTest::qExec(&test, argc, argv);
    return failed | QTest::qExec(&contract, argc, argv);
}
#include "tst_veicolario.moc"
