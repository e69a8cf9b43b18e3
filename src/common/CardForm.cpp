#include "common/CardForm.h"

#include "common/ControlText.h"
#include "common/Failure.h"
#include "common/Text.h"

#include <QLabel>

#include <exception>

namespace common {

using platform::MsgKind;
using platform::showKinded;

QString trimmedText(const QWidget* field) {
    return Trim(controlText(field));
}

CardForm::CardForm(QWidget* window, QLabel* lblPosizione, CardMessages messages)
    : window_(window)
    , lblPosizione_(lblPosizione)
    , messages_(std::move(messages)) {}

CardForm::~CardForm() = default;

qint64 CardForm::position() const {
    bool ok = false;
    const qint64 n = Trim(lblPosizione_->text()).toLongLong(&ok);
    return ok && n > 0 ? n : 0;
}

void CardForm::PulisciScheda() {
    clearFields();
    lblPosizione_->clear();
    if (QWidget* first = firstField())
        first->setFocus(Qt::OtherFocusReason);
}

void CardForm::load(ArchiveFile& file, qint64 number) {
    recordToFields(file.read(number));
    lblPosizione_->setText(QString::number(number));
}

void CardForm::showRecord(const Record& record, qint64 number) {
    recordToFields(record);
    lblPosizione_->setText(QString::number(number));
    afterLoad(number);
}

void CardForm::navigate(Step step) {
    try {
        qint64 loaded = 0;
        {
            ArchiveFile file = openArchive();
            const qint64 count = file.count();
            const qint64 p = position();
            switch (step) {
            case Step::First:
                if (count > 0)
                    loaded = 1;
                break;
            case Step::Last:
                if (count > 0)
                    loaded = count;
                break;
            case Step::Next:
                if (count == 0)
                    lblPosizione_->clear();
                else if (p < count)
                    loaded = p + 1;
                else
                    return; // the last record is on show
                break;
            case Step::Previous:
                if (Trim(lblPosizione_->text()) == QLatin1String("1"))
                    return;
                if (count > 0)
                    loaded = p <= 2 ? 1 : p - 1;
                break;
            }
            if (count == 0) {
                file.close();
                showKinded(window_, MsgKind::Information, kEmptyArchive);
                return;
            }
            load(file, loaded);
            file.close();
        }
        afterLoad(loaded);
    } catch (const std::exception&) {
        showKinded(window_, messages_.archiveFailure, kArchiveFailure);
    }
}

void CardForm::newCard() {
    try {
        PulisciScheda();
    } catch (const std::exception&) {
        // A new card that could not be fully prepared is still a new card.
    }
}

void CardForm::duplicate() {
    if (Trim(lblPosizione_->text()).isEmpty()) {
        showKinded(window_, MsgKind::Warning, kDuplicateRefused);
        return;
    }
    lblPosizione_->clear();
    try {
        if (duplicateOpensArchive()) {
            ArchiveFile file = openArchive();
            duplicateFields();
            file.close();
        } else {
            duplicateFields();
        }
    } catch (const std::exception&) {
        showKinded(window_, messages_.duplicateFailure, kArchiveFailure);
        return;
    }
    showKinded(window_, MsgKind::Information, kDuplicateDone);
}

bool CardForm::checkBeforeSave() {
    for (const RequiredField& required : requiredFields()) {
        if (trimmedText(required.field).isEmpty()) {
            showKinded(window_, MsgKind::Warning, required.warning);
            required.field->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void CardForm::save() {
    beforeSave();
    if (!checkBeforeSave())
        return;
    qint64 number = 0;
    bool appended = false;
    try {
        ArchiveFile file = openArchive();
        Record record(file.layout());
        fieldsToRecord(record);
        const qint64 shown = position();
        if (!Trim(lblPosizione_->text()).isEmpty() && shown > 0) {
            file.overwrite(shown, record);
            number = shown;
        } else {
            number = file.append(record);
            appended = true;
        }
        // Nothing is called saved before it is on the disk.
        file.flush();
        lblPosizione_->setText(QString::number(number));
        file.close();
    } catch (const std::exception&) {
        showKinded(window_, messages_.archiveFailure, kArchiveFailure);
        return;
    }
    try {
        afterSave(number);
    } catch (const std::exception&) {
        showKinded(window_, messages_.archiveFailure, kArchiveFailure);
        return;
    }
    showKinded(window_, MsgKind::Information, appended ? messages_.appended : kSavedOver);
}

} // namespace common
