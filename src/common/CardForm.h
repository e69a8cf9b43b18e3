// The card form: one archive record on show at a time, known only by its 1-based number in lblPosizione;
// navigation, new card, duplicate and save, with their guards and messages.
#pragma once

#include "common/Archive.h"
#include "platform/Dialogs.h"

#include <QList>
#include <QString>

class QLabel;
class QWidget;

namespace common {

inline const QString kArchiveFailure =
    QString::fromUtf8("Attenzione: il sistema non permette di accedere all'archivio.\n\r\n\rAccertarsi di "
                      "possedere i privilegi di "
                      "scrittura nella cartella di installazione del programma.");
inline const QString kEmptyArchive = QStringLiteral("L'archivio non contiene nessuna scheda.");
inline const QString kDuplicateRefused =
    QString::fromUtf8("Attenzione: la duplicazione di una scheda può avvenire soltanto dopo che questa è "
                      "stata inserita in archivio.");
inline const QString kDuplicateDone = QStringLiteral("E' ora possibile apportare le proprie modifiche alla "
                                                     "scheda corrente.\n\r\n\rAl termine premere Salva per "
                                                     "inserire la scheda in archivio.");
inline const QString kSavedOver =
    QStringLiteral("Le modifiche apportate alla scheda corrente sono state salvate in archivio.");
inline const QString kAppendedInserita =
    QString::fromUtf8("La scheda corrente è stata inserita in archivio.");
inline const QString kAppendedSalvata = QString::fromUtf8("La scheda corrente è stata salvata in archivio.");

// What differs between the cards' messages; the defaults are the vehicle card's.
struct CardMessages {
    QString appended = kAppendedInserita;
    platform::MsgKind archiveFailure = platform::MsgKind::Error; // navigation and save
    platform::MsgKind duplicateFailure = platform::MsgKind::Error;
};

// A field that a save needs, with its warning; tested on its trimmed text.
struct RequiredField {
    QWidget* field;
    QString warning;
};

// The text of a field control (edit, drop-down, label), as the card tests it: trimmed.
QString trimmedText(const QWidget* field);

class CardForm {
public:
    enum class Step { First, Previous, Next, Last };

    CardForm(QWidget* window, QLabel* lblPosizione, CardMessages messages = {});
    virtual ~CardForm();
    CardForm(const CardForm&) = delete;
    CardForm& operator=(const CardForm&) = delete;

    // The commands, each a whole handler with its guard and messages.
    void navigate(Step step);
    void newCard(); // PulisciScheda; a failure is ignored without a message
    void duplicate();
    void save();

    // The command buttons' handlers, the same on every card.
    void cmdNuovoClick() { newCard(); }
    void cmdDuplicaClick() { duplicate(); }
    void cmdSalvaClick() { save(); }
    void cmdPrimoClick() { navigate(Step::First); }
    void cmdIndietroClick() { navigate(Step::Previous); }
    void cmdAvantiClick() { navigate(Step::Next); }
    void cmdUltimoClick() { navigate(Step::Last); }

    // Resets to a new card: the card's own fields, an empty lblPosizione, the focus on the first field.
    void PulisciScheda();
    // The number on show; 0 for a new card.
    qint64 position() const;
    // Puts record number of the archive into the card (fields, then lblPosizione), as navigation does,
    // then runs what follows a load. Lists and pickers that load a record use this.
    void showRecord(const Record& record, qint64 number);

protected:
    // The card's archive, opened or created; every command opens it anew and closes it.
    virtual ArchiveFile openArchive() = 0;
    // Empties the card's own fields (PulisciScheda without the cursor and the focus).
    virtual void clearFields() = 0;
    virtual QWidget* firstField() const = 0;
    virtual void recordToFields(const Record& record) = 0;
    virtual void fieldsToRecord(Record& record) const = 0;
    // After a record is loaded and the archive closed (the vehicle card loads its photo).
    virtual void afterLoad(qint64) {}
    // The start of a save, before any check.
    virtual void beforeSave() {}
    // The save's checks, in order: the first that fails shows its warning, moves the focus to its field
    // and stops the save. By default the required fields.
    virtual bool checkBeforeSave();
    virtual QList<RequiredField> requiredFields() const { return {}; }
    // After the record is on the disk and the archive closed, before the confirmation box. A failure thrown
    // here (the vehicle card's photo) shows the archive failure message instead of the confirmation.
    virtual void afterSave(qint64) {}
    // Duplicate: whether the card opens its archive while duplicating, and what it resets.
    virtual bool duplicateOpensArchive() const { return false; }
    virtual void duplicateFields() = 0;

    // For a window whose cursor label exists only once its form is set up.
    void setPositionLabel(QLabel* lblPosizione) { lblPosizione_ = lblPosizione; }
    QWidget* window() const { return window_; }
    QLabel* lblPosizione() const { return lblPosizione_; }
    const CardMessages& messages() const { return messages_; }

private:
    void load(ArchiveFile& file, qint64 number);
    QWidget* window_;
    QLabel* lblPosizione_;
    CardMessages messages_;
};

} // namespace common
