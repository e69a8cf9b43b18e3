#include "Controls.h"
#include "HelpCapture.h"
#include "ModalAnswerer.h"
#include "common/TfrmGuida.h"
#include "common/WindowRegistry.h"
#include "platform/Program.h"
#include "platform/Shell.h"
#include "shell/TfrmAvvio.h"
#include "shell/TfrmInfo.h"
#include "shell/TfrmSplash.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using testsupport::child;
using testsupport::textColour;

namespace {

// A stand-in app window with the hidden label through which callers pass their tag.
QWidget* makeApp(const QString& instance) {
    auto* app = new QWidget();
    app->setObjectName(instance);
    auto* memory = new QLabel(app);
    memory->setObjectName(QStringLiteral("lblMemory"));
    memory->setText(QStringLiteral("riepspese"));
    common::WindowRegistry::instance().add(app);
    return app;
}

} // namespace

class TestAvvio : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();
    void asCreated();
    void tilesOpenTheirApp_data();
    void tilesOpenTheirApp();
    void tileOfMissingAppDoesNothing();
    void exitAndCloseEndTheProgram();
    void siteBannerOpensSite();
    void helpIconShowsProgramHelp();
    void aboutWindow();
    void creditsWindow();

private:
    TfrmAvvio* menu = nullptr;
    int ended = 0;
    QList<QUrl> opened;

    void click(const char* name) {
        QTest::mouseClick(child<QWidget>(menu, QString::fromLatin1(name)), Qt::LeftButton);
    }
};

void TestAvvio::init() {
    menu = new TfrmAvvio();
    common::WindowRegistry::instance().add(menu);
    ended = 0;
    opened.clear();
    platform::setEndProgramHandler([this] { ++ended; });
    platform::setShellOpenRecorder([this](const QUrl& url) { opened.append(url); });
    menu->show();
    QVERIFY(QTest::qWaitForWindowExposed(menu));
}

void TestAvvio::cleanup() {
    common::WindowRegistry::instance().destroyAll();
    platform::setEndProgramHandler({});
    platform::setShellOpenRecorder({});
}

void TestAvvio::asCreated() {
    QCOMPARE(menu->objectName(), QString("frmAvvio"));
    QCOMPARE(menu->windowTitle(), QString(" Veicolario"));
    QVERIFY(menu->windowState() & Qt::WindowMaximized);
    // The costs tag goes into the costs menu's label; the start menu has none of its own.
    QVERIFY(!menu->findChild<QLabel*>(QStringLiteral("lblMemory")));
    for (const char* name : {"imgInfo", "imgGuida", "imgCrediti", "imgSito", "imgEsci", "imgApp02",
                             "btnApp02", "imgApp03", "btnApp03", "imgApp04", "btnApp04", "imgApp06",
                             "btnApp06", "imgApp07", "btnApp07", "imgApp08", "btnApp08"})
        QVERIFY2(!child<QLabel>(menu, QString::fromLatin1(name))->pixmap().isNull(), name);
}

void TestAvvio::tilesOpenTheirApp_data() {
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("app");
    QTest::addColumn<QString>("tag"); // what the app's lblMemory holds afterwards
    const struct {
        const char* number;
        const char* app;
        const char* tag;
    } rows[] = {{"02", "frmVeicolario", "riepspese"},  {"03", "frmMenuScadenze", "riepspese"},
                {"04", "frmMenuCosti", "avvio"},       {"06", "frmMenuDisponibili", "riepspese"},
                {"07", "frmScadenzario", "riepspese"}, {"08", "frmChilometrico", "riepspese"}};
    for (const auto& r : rows)
        for (const char* kind : {"img", "btn"}) {
            const QString control = QString::fromLatin1(kind) + "App" + r.number;
            QTest::newRow(qPrintable(control)) << control << QString(r.app) << QString(r.tag);
        }
}

void TestAvvio::tilesOpenTheirApp() {
    QFETCH(QString, control);
    QFETCH(QString, app);
    QFETCH(QString, tag);
    QList<QWidget*> apps;
    for (const char* name : {"frmVeicolario", "frmMenuScadenze", "frmMenuCosti", "frmMenuDisponibili",
                             "frmScadenzario", "frmChilometrico"})
        apps.append(makeApp(QString::fromLatin1(name)));
    QTest::mouseClick(child<QWidget>(menu, control), Qt::LeftButton);
    QVERIFY(menu->isHidden());
    for (QWidget* w : apps) {
        QCOMPARE(w->isVisible(), w->objectName() == app);
        const QString memory = child<QLabel>(w, "lblMemory")->text();
        QCOMPARE(memory, w->objectName() == app ? tag : QString("riepspese"));
    }
    QCOMPARE(ended, 0);
}

void TestAvvio::tileOfMissingAppDoesNothing() {
    for (const char* name : {"imgApp02", "btnApp04", "imgApp08"}) {
        click(name);
        QVERIFY(menu->isVisible());
    }
    QCOMPARE(ended, 0);
}

void TestAvvio::exitAndCloseEndTheProgram() {
    click("imgEsci");
    QCOMPARE(ended, 1);
    menu->close();
    QCOMPARE(ended, 2);
}

void TestAvvio::siteBannerOpensSite() {
    click("imgSito");
    QCOMPARE(opened, QList<QUrl>{QUrl("https://www.example.org/veicolario")});
}

void TestAvvio::helpIconShowsProgramHelp() {
    testsupport::SeenHelp seen;
    testsupport::ModalAnswerer answerer;
    testsupport::captureHelp(answerer, seen);
    click("imgGuida");
    QCOMPARE(seen.owner, menu);
    QCOMPARE(seen.title, QString("Uno sguardo ad Veicolario"));
    QCOMPARE(seen.text.split("\n\n").size(), 58);
    QVERIFY(menu->isVisible());
}

void TestAvvio::aboutWindow() {
    struct Seen {
        QWidget* owner = nullptr;
        QString title;
        QSize size;
        QString link;
        QList<QColor> colours; // at rest, held down, released outside
        bool openAfterKeys = false;
        bool closedByEnter = false;
    } seen;
    testsupport::ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        auto* info = qobject_cast<TfrmInfo*>(w);
        if (!info || seen.owner)
            return false;
        seen.owner = info->parentWidget();
        seen.title = info->windowTitle();
        seen.size = info->size();
        seen.link = child<QLabel>(info, "lnkWeb")->text();
        seen.colours.append(textColour(child<QLabel>(info, "lnkWeb")));
        QTest::mouseClick(child<QLabel>(info, "lnkWeb"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(info, "imgEmail"), Qt::LeftButton);
        QTest::mousePress(child<QLabel>(info, "imgEmail"), Qt::LeftButton);
        seen.colours.append(textColour(child<QLabel>(info, "lnkWeb")));
        QTest::mouseRelease(child<QLabel>(info, "imgEmail"), Qt::LeftButton, {}, QPoint(-5, -5));
        seen.colours.append(textColour(child<QLabel>(info, "lnkWeb")));
        // Escape does nothing; Enter on the focused Chiudi presses it.
        child<QPushButton>(info, "btnChiudi")->setFocus();
        QTest::keyClick(child<QPushButton>(info, "btnChiudi"), Qt::Key_Escape);
        seen.openAfterKeys = info->isVisible();
        QTest::keyClick(child<QPushButton>(info, "btnChiudi"), Qt::Key_Return);
        seen.closedByEnter = !info->isVisible();
        if (info->isVisible())
            child<QPushButton>(info, "btnChiudi")->click();
        return true;
    };
    click("imgInfo");
    QCOMPARE(seen.owner, menu);
    QCOMPARE(seen.title, QString(" Informazioni su Veicolario"));
    QCOMPARE(seen.size, QSize(473, 579));
    QCOMPARE(seen.link, QString("assistenza@example.org"));
    const QColor blue = QColor::fromRgba(0xFF00008B);
    QCOMPARE(seen.colours, (QList<QColor>{blue, QColor::fromRgba(0xFFFFA500), blue}));
    QVERIFY(seen.openAfterKeys);
    QVERIFY(seen.closedByEnter);
    const QUrl mail(
        "mailto:assistenza@example.org?subject=Software%20Veicolario&body=Salve,%20desidererei%20avere"
        "%20le%20seguenti%20informazioni%20sul%20software%20in%20oggetto:");
    QCOMPARE(opened, (QList<QUrl>{mail, mail}));
    QVERIFY(menu->findChildren<TfrmInfo*>().isEmpty());
}

void TestAvvio::creditsWindow() {
    QWidget* owner = nullptr;
    QSize size, logo;
    QString link;
    bool openAfterKeys = false;
    bool closedByEnter = false;
    testsupport::ModalAnswerer answerer;
    answerer.onOther = [&](QWidget* w) {
        auto* credits = qobject_cast<TfrmSplash*>(w);
        if (!credits || owner)
            return false;
        owner = credits->parentWidget();
        size = credits->size();
        logo = child<QLabel>(credits, "imgLogo")->size();
        link = child<QLabel>(credits, "lnkWeb")->text();
        QTest::mouseClick(child<QLabel>(credits, "lnkWeb"), Qt::LeftButton);
        QTest::mouseClick(child<QLabel>(credits, "imgWeb"), Qt::LeftButton);
        child<QPushButton>(credits, "btnChiudi")->setFocus();
        QTest::keyClick(child<QPushButton>(credits, "btnChiudi"), Qt::Key_Escape);
        openAfterKeys = credits->isVisible();
        QTest::keyClick(child<QPushButton>(credits, "btnChiudi"), Qt::Key_Return);
        closedByEnter = !credits->isVisible();
        if (credits->isVisible())
            child<QPushButton>(credits, "btnChiudi")->click();
        return true;
    };
    click("imgCrediti");
    QCOMPARE(owner, menu);
    QCOMPARE(size, QSize(661, 467));
    QCOMPARE(logo, QSize(625, 380));
    QCOMPARE(link, QString("www.example.org/veicolario"));
    QVERIFY(openAfterKeys);
    QVERIFY(closedByEnter);
    const QUrl site("https://www.example.org/veicolario");
    QCOMPARE(opened, (QList<QUrl>{site, site}));
}

QTEST_MAIN(TestAvvio)
#include "tst_avvio.moc"
