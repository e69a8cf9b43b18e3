// The behaviour every card shares (navigation, required fields in order, save with the bytes on disk, new
// card, duplicate), run as one QtTest object on any card.
//
// Usage, in a card's test executable:
//     testsupport::CardSpec spec;
//     spec.make = [] { return new TfrmX; };            // the harness shows it and deletes it
//     spec.archive = "Archivio.pro";
//     spec.record = [](const QStringList& required) {   // the record with these required texts
//         common::Record r(layout()); r.set(0, required.at(0)); ...; return r.bytes(); };
//     spec.required = {{"txtNome", "Attenzione: ..."}, ...};   // objectName and warning, in checking order
//     spec.sample = {"Mario", ...};                     // a valid text for each required field
//     spec.buttons = {"cmdPrimo", "cmdIndietro", "cmdAvanti", "cmdUltimo", "cmdNuovo", "cmdDuplica",
//     "cmdSalva"}; testsupport::CardContract contract(spec); status |= QTest::qExec(&contract, argc, argv);
// Records of the navigation archives hold "V<n>" in the marked required field and the samples in the others.
#pragma once

#include "ModalAnswerer.h"
#include "TestFolder.h"
#include "common/CardForm.h"

#include <QByteArray>
#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QStringList>

#include <functional>
#include <memory>
#include <utility>

namespace testsupport {

struct CardSpec {
    std::function<QWidget*()> make; // a new card window, also a common::CardForm
    QString archive;                // its archive's file name in the program folder
    // The stored bytes of the record whose required fields hold these texts, the rest as a new card has them.
    std::function<QByteArray(const QStringList& required)> record;
    QList<std::pair<QString, QString>> required; // control objectName and its warning, in checking order
    QStringList sample;                          // a valid text for each required field
    QString appended = common::kAppendedInserita;
    QMessageBox::Icon failureIcon = QMessageBox::Critical;
    // First, previous, next, last, new, duplicate and save buttons; none: the card form's own calls.
    QStringList buttons;
    bool hasDuplicate = true;
    // The required field that marks the navigation records with "V<n>"; it takes any text.
    int markedField = 0;
    // The field that a new card focuses; empty: the first required field.
    QString firstField;
    // The required fields a duplicate empties: checked empty, then filled with their samples again.
    QStringList duplicateClears;
    // Readies the shown card for work (a card behind a start panel opens it here).
    std::function<void(QWidget*)> shown;
};

class CardContract : public QObject {
    Q_OBJECT
public:
    explicit CardContract(CardSpec spec);
    ~CardContract() override;

    enum class Command { First, Previous, Next, Last, New, Duplicate, Save };

private Q_SLOTS:
    void init();
    void cleanup();
    void navigation_data();
    void navigation();
    void requiredFieldsInOrder_data();
    void requiredFieldsInOrder();
    void saveAppendsThenOverwrites();
    void saveOverwritesRecordOnShow();
    void saveFailures_data();
    void saveFailures();
    void duplicateThenSave();
    void newCardAfterDuplicate();

private:
    QList<SeenBox> run(Command command);
    QString position() const;
    void setPosition(const QString& text);
    QWidget* field(int required) const;
    QString fieldText(int required) const;
    int requiredIndex(const QString& name) const;
    void setFields(const QStringList& texts);
    QStringList marked(int n) const; // the required texts of navigation record n
    QByteArray archiveOf(int records) const;
    int recordSize() const;

    CardSpec spec_;
    std::unique_ptr<TestFolder> folder_;
    QWidget* card_ = nullptr;
};

} // namespace testsupport
