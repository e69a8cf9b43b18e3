// The windows without title-bar buttons ask the window system for a title bar with none, and keep asking
// once shown as their callers show them.
#include "TestFolder.h"
#include "app/Program.h"
#include "common/WindowRegistry.h"

#include <QWidget>
#include <QWindow>
#include <QtTest>

#include <memory>

class TestTitleButtons : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void noButtons_data();
    void noButtons();

private:
    std::unique_ptr<testsupport::TestFolder> folder;
};

void TestTitleButtons::initTestCase() {
    folder = std::make_unique<testsupport::TestFolder>();
    common::WindowRegistry::instance().createAll(app::creationTable());
}

void TestTitleButtons::cleanupTestCase() {
    common::WindowRegistry::instance().destroyAll();
    folder.reset();
}

void TestTitleButtons::noButtons_data() {
    QTest::addColumn<QString>("window");
    QTest::addColumn<bool>("modal");
    // The app windows are shown as they stand, the per-use ones modally.
    for (const char* name : {"frmPassword", "frmCambiaPassword"})
        QTest::newRow(name) << name << false;
    for (const char* name : {"frmGuida",
                             "frmInfo",
                             "frmSplash",
                             "frmCalendario",
                             "frmCodFisc",
                             "frmPartitaIva",
                             "frmExpVeicolario",
                             "frmStampaAutomezzo",
                             "frmAnteprimaAutomezzo",
                             "frmScadRevisione",
                             "frmScadTagliando",
                             "frmScadAssicurazione",
                             "frmScadBollo",
                             "frmGiorno",
                             "frmIntervallo",
                             "frmStampaPlanning",
                             "frmAnteprimaPlanning",
                             "frmRiepPrenotazioni",
                             "frmExpImminenti",
                             "frmExpGiornaliere",
                             "frmExpMensili",
                             "frmExpScadenzario",
                             "frmConfermati",
                             "frmNonConfermati",
                             "frmDaConfermare",
                             "frmTrovaScadenzario",
                             "frmExpChilometrico",
                             "frmExpCosti",
                             "frmDaSaldare",
                             "frmTrovaCosti"})
        QTest::newRow(name) << name << true;
}

void TestTitleButtons::noButtons() {
    QFETCH(QString, window);
    QFETCH(bool, modal);
    QWidget* w = common::sharedWindow(window);
    QVERIFY(w);
    if (modal)
        w->setWindowModality(Qt::ApplicationModal);
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w));
    constexpr Qt::WindowFlags kButtons = Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                         Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint |
                                         Qt::WindowContextHelpButtonHint | Qt::WindowFullscreenButtonHint;
    constexpr Qt::WindowFlags kTitleAlone = Qt::CustomizeWindowHint | Qt::WindowTitleHint;
    // What the window asks for, and what its native window hands to the window system.
    for (const Qt::WindowFlags flags : {w->windowFlags(), w->windowHandle()->flags()}) {
        QCOMPARE(flags & kButtons, Qt::WindowFlags());
        QCOMPARE(flags & kTitleAlone, kTitleAlone);
        QVERIFY(!(flags & Qt::FramelessWindowHint));
    }
    w->hide();
    w->setWindowModality(Qt::NonModal);
}

QTEST_MAIN(TestTitleButtons)
#include "tst_titlebuttons.moc"
