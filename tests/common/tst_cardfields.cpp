#include "common/CardFields.h"

#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>

// The one style sheet of a card's fields, set when the window is polished, beside the window's own rules.
class TestCardFields : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void sheetJoinsTheWindowsOwnRules();
};

namespace {

QColor fillOf(QWidget* window, QWidget* control) {
    const QImage image = window->grab().toImage();
    return image.pixelColor(control->mapTo(window, QPoint(control->width() - 4, control->height() / 2)));
}

} // namespace

void TestCardFields::sheetJoinsTheWindowsOwnRules() {
    QWidget window;
    window.resize(300, 200);
    auto* first = new QLineEdit(&window);
    first->setGeometry(10, 10, 120, 24);
    auto* second = new QLineEdit(&window);
    second->setGeometry(10, 50, 120, 24);
    auto* mark = new QFrame(&window);
    mark->setObjectName("effMarca");
    mark->setGeometry(10, 90, 120, 24);
    auto* caption = new QLabel("Marca", &window);
    caption->setGeometry(10, 130, 120, 24);
    common::CardFields fields(&window);
    fields.add(first, QColor(0xF0, 0xF8, 0xFF));
    fields.add(second, QColor(0xE0, 0xFF, 0xE0));
    fields.addStyle("QFrame#effMarca { background: #FF8000; }\n");
    // A rule the window sets itself while it is built stays.
    window.setStyleSheet(window.styleSheet() + "QLabel { background: #0000FF; }\n");
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(fillOf(&window, second), QColor(0xE0, 0xFF, 0xE0));
    QCOMPARE(fillOf(&window, mark), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(fillOf(&window, caption), QColor(0x00, 0x00, 0xFF));
    first->setFocus();
    QTRY_COMPARE(fillOf(&window, first), common::kFieldFocus);
    // A colour added once the window is on show joins the same sheet, the other rules kept.
    auto* third = new QLineEdit(&window);
    third->setGeometry(150, 10, 120, 24);
    third->show();
    fields.add(third, QColor(0xFF, 0xE0, 0xE0));
    QCOMPARE(fillOf(&window, third), QColor(0xFF, 0xE0, 0xE0));
    QCOMPARE(fillOf(&window, mark), QColor(0xFF, 0x80, 0x00));
    QCOMPARE(fillOf(&window, caption), QColor(0x00, 0x00, 0xFF));
    QCOMPARE(window.styleSheet().count("QFrame#effMarca"), 1);
}

QTEST_MAIN(TestCardFields)
#include "tst_cardfields.moc"
