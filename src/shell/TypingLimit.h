// A maximum length that limits typing only: a longer text set by the program stays whole.
#pragma once

#include <QValidator>

#include <limits>

class QLineEdit;

namespace shell {

class TypingLimit : public QValidator {
    Q_OBJECT
public:
    TypingLimit(QLineEdit* edit, int limit);
    State validate(QString& input, int& pos) const override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* edit_;
    int limit_;
    // The text's size when the user's key press began; no bound outside a key press, so a text the
    // program sets is never refused.
    qsizetype sizeBefore_ = std::numeric_limits<qsizetype>::max();
};

} // namespace shell
