#include "Boxes.h"
#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "fleet/SchedaVeicolo.h"
#include "fleet/TfrmSlideshow_Automezzi.h"
#include "fleet/TfrmZoom.h"
#include "fleet/VehiclePhoto.h"

#include <QDir>
#include <QScreen>
#include <QTimer>
#include <QtTest>

#include <memory>

using testsupport::child;

using testsupport::ModalAnswerer;

namespace {

const QString kArchiveFailed =
    QStringLiteral("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\r"
                   "Accertarsi di possedere i privilegi di scrittura nella cartella di "
                   "installazione del programma.");

void addVehicles(int n) {
    common::ArchiveFile archive = fleet::openVehicleArchive();
    for (int i = 0; i < n; ++i) {
        common::Record r(fleet::SchedaVeicolo::layout());
        r.set(fleet::SchedaVeicolo::Targa, QStringLiteral("AA%1").arg(i));
        archive.append(r);
    }
}

void writePhoto(int number, const QColor& colour) {
    QDir().mkpath(fleet::photoFolder());
    QImage image(120, 80, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(fleet::photoPath(QString::number(number)), "JPG"));
}

// The colour at the middle of a picture, as a letter: r, g, b, or '-' for anything else.
char tone(const QImage& image) {
    if (image.isNull())
        return '?';
    const QColor c = image.pixelColor(image.width() / 2, image.height() / 2);
    if (c.red() > 200 && c.green() < 60 && c.blue() < 60)
        return 'r';
    if (c.green() > 200 && c.red() < 60 && c.blue() < 60)
        return 'g';
    if (c.blue() > 200 && c.red() < 60 && c.green() < 60)
        return 'b';
    return '-';
}

} // namespace

class TestSlideshow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void zoomShowsPictureAndClickCloses();
    void windowAsShown();
    void stepsAndLoop();
    void timerDrivesSteps();
    void emptyArchive();
    void failureHoldsTimer();
    void clickClosesDuringFirstStep();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
    std::unique_ptr<TfrmSlideshow_Automezzi> show;
    void open() {
        show = std::make_unique<TfrmSlideshow_Automezzi>();
        show->show();
        QVERIFY(QTest::qWaitForWindowExposed(show.get()));
    }
    QString position() const { return child<QLabel>(show, "lblPosizione")->text(); }
    bool placeholder() const { return show->picture() == fleet::placeholderPicture(); }
};

void TestSlideshow::init() {
    folder = std::make_unique<testsupport::TestFolder>();
}

void TestSlideshow::cleanup() {
    show.reset();
    folder.reset();
}

void TestSlideshow::zoomShowsPictureAndClickCloses() {
    TfrmZoom zoom;
    QImage picture(400, 200, QImage::Format_RGB32);
    picture.fill(Qt::green);
    zoom.setPicture(picture);
    zoom.show();
    QVERIFY(QTest::qWaitForWindowExposed(&zoom));
    QCOMPARE(zoom.objectName(), QStringLiteral("frmZoom"));
    QCOMPARE(zoom.windowTitle(), QStringLiteral(" Fai clic sulla foto per chiudere questa finestra"));
    QVERIFY(zoom.windowState() & Qt::WindowMaximized);
    const QSize expected = zoom.screen()->size() - QSize(60, 90);
    QCOMPARE(child<QFrame>(&zoom, "panContainer")->size(), expected);
    QCOMPARE(child<QLabel>(&zoom, "imgFoto")->size(), expected);
    QCOMPARE(zoom.picture(), picture);
    // Scaled to fit, proportions kept.
    const QSize shown = child<QLabel>(&zoom, "imgFoto")->pixmap().size();
    QVERIFY(shown.width() == expected.width() || shown.height() == expected.height());
    QVERIFY(qAbs(shown.width() - 2 * shown.height()) <= 2);
    QTest::mouseClick(child<QLabel>(&zoom, "imgFoto"), Qt::LeftButton);
    QVERIFY(!zoom.isVisible());
}

void TestSlideshow::windowAsShown() {
    open();
    QCOMPARE(show->objectName(), QStringLiteral("frmSlideshow_Automezzi"));
    QCOMPARE(show->windowTitle(), QStringLiteral(" Slide Show Parco Automezzi"));
    QVERIFY(show->Timer->isActive());
    QCOMPARE(show->Timer->interval(), 6000);
    QVERIFY(placeholder());
    QCOMPARE(position(), QString());
    QVERIFY(child<QLabel>(show, "lblPosizione")->isHidden() &&
            child<QToolButton>(show, "cmdAvanti")->isHidden() &&
            child<QLabel>(show, "imgBianco")->isHidden());
}

void TestSlideshow::stepsAndLoop() {
    addVehicles(3);
    writePhoto(1, Qt::red);
    writePhoto(3, Qt::blue); // record 2 has no photo
    open();
    show->Timer->stop();
    const QList<QPair<QString, char>> expected = {{"1", 'r'}, {"2", 'p'}, {"3", 'b'}, {"0", 'b'},
                                                  {"1", 'r'}, {"2", 'p'}, {"3", 'b'}, {"0", 'b'}};
    for (const auto& [number, picture] : expected) {
        show->cmdAvantiClick();
        QCOMPARE(position(), number);
        if (picture == 'p')
            QVERIFY(placeholder());
        else
            QCOMPARE(tone(show->picture()), picture);
    }
    // A record added while the show runs is reached at the next round.
    addVehicles(1);
    writePhoto(4, Qt::green);
    for (const char* number : {"1", "2", "3", "4", "0", "1"}) {
        show->cmdAvantiClick();
        QCOMPARE(position(), QString::fromLatin1(number));
    }
}

void TestSlideshow::timerDrivesSteps() {
    addVehicles(2);
    writePhoto(2, Qt::blue);
    open();
    show->Timer->setInterval(20);
    QTRY_COMPARE(position(), QStringLiteral("1"));
    QTRY_COMPARE(position(), QStringLiteral("2"));
    QCOMPARE(tone(show->picture()), 'b');
    QTRY_COMPARE(position(), QStringLiteral("0"));
    QTRY_COMPARE(position(), QStringLiteral("1"));
    QVERIFY(placeholder());
}

void TestSlideshow::emptyArchive() {
    open();
    show->Timer->setInterval(20);
    ModalAnswerer answers;
    QTRY_VERIFY(!show->isVisible());
    COMPARE_ONE_BOX(answers.seen, QStringLiteral("L'archivio non contiene nessuna scheda."),
                    QMessageBox::Information, "OK", "Annulla");
    QVERIFY(!show->Timer->isActive());
    QCOMPARE(position(), QString());
    // The missing archive was created empty.
    QVERIFY(folder->exists(QString::fromLatin1(fleet::kVehicleArchive)));
}

void TestSlideshow::failureHoldsTimer() {
    QVERIFY(QDir(folder->folder()).mkdir(QString::fromLatin1(fleet::kVehicleArchive)));
    open();
    show->Timer->setInterval(5);
    // Keep each box open for a while, noting whether the show's timer runs meanwhile.
    int boxes = 0, pollsWithBox = 0;
    bool tickedUnderBox = false;
    QString text;
    QPointer<QMessageBox> current;
    QTimer poll;
    poll.setInterval(10);
    connect(&poll, &QTimer::timeout, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (box != current) {
            if (current)
                tickedUnderBox = true; // a second box over the first
            current = box;
            ++boxes;
            text = box->text();
            pollsWithBox = 0;
        }
        tickedUnderBox = tickedUnderBox || show->Timer->isActive();
        if (++pollsWithBox == 5)
            box->button(QMessageBox::Ok)->click();
    });
    poll.start();
    QTRY_VERIFY(boxes >= 2);
    poll.stop();
    QTRY_VERIFY(!QApplication::activeModalWidget());
    QCOMPARE(text, kArchiveFailed);
    QVERIFY(!tickedUnderBox);
    QVERIFY(show->Timer->isActive()); // the next tick tries again
    QVERIFY(show->isVisible());
}

void TestSlideshow::clickClosesDuringFirstStep() {
    addVehicles(1);
    open();
    QTest::mouseClick(child<QFrame>(show, "panContainer"), Qt::LeftButton, {}, QPoint(2, 2));
    QVERIFY(!show->isVisible());
    QCOMPARE(position(), QString());
}

QTEST_MAIN(TestSlideshow)
#include "tst_slideshow.moc"
