#include "Controls.h"
#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/WindowRegistry.h"
#include "fleet/TfrmVeicolario.h"
#include "fleet/TfrmZoom.h"

#include <QAbstractButton>
#include <QtTest>

#include <memory>

using testsupport::child;

using testsupport::ModalAnswerer;

// The vehicle card's commands open their windows modally, with the card as owner.
class TestCardCommands : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void commandOpensWindow_data();
    void commandOpensWindow();
    void zoomShowsCardPhoto();
};

void TestCardCommands::commandOpensWindow_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("window");
    QTest::newRow("export") << "cmdEsporta"
                            << "frmExpVeicolario";
    QTest::newRow("preview") << "cmdAnteprima"
                             << "frmAnteprimaAutomezzo";
    QTest::newRow("print") << "cmdStampa"
                           << "frmStampaAutomezzo";
    QTest::newRow("attach") << "cmdFile"
                            << "frmAllegaCartella";
    QTest::newRow("slide show") << "cmdSlideshow"
                                << "frmSlideshow_Automezzi";
    QTest::newRow("zoom") << "btnZoomFoto"
                          << "frmZoom";
}

void TestCardCommands::commandOpensWindow() {
    QFETCH(QString, command);
    QFETCH(QString, window);
    testsupport::TestFolder folder;
    TfrmVeicolario card;
    common::WindowRegistry::instance().add(&card);
    card.show();
    QStringList opened;
    QWidget* owner = nullptr;
    ModalAnswerer modal;
    modal.onOther = [&](QWidget* w) {
        opened.append(w->objectName());
        owner = w->parentWidget();
        w->close();
        return true;
    };
    auto* button = card.findChild<QAbstractButton*>(command);
    QVERIFY(button);
    button->click();
    QCOMPARE(opened, QStringList{window});
    QCOMPARE(owner, &card);
}

void TestCardCommands::zoomShowsCardPhoto() {
    testsupport::TestFolder folder;
    TfrmVeicolario card;
    QImage photo(500, 300, QImage::Format_RGB32);
    photo.fill(Qt::darkGreen);
    card.photo().setPicture(photo);
    QImage shown;
    ModalAnswerer modal;
    modal.onOther = [&](QWidget* w) {
        if (auto* zoom = qobject_cast<TfrmZoom*>(w))
            shown = zoom->picture();
        w->close();
        return true;
    };
    child<QPushButton>(&card, "btnZoomFoto")->click();
    QCOMPARE(shown, photo);
}

QTEST_MAIN(TestCardCommands)
#include "tst_cardcommands.moc"
