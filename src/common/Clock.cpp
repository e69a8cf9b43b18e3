#include "common/Clock.h"

namespace common {

namespace {
QDateTime& fixedNow() {
    static QDateTime when;
    return when;
}
} // namespace

QDateTime now() {
    return fixedNow().isValid() ? fixedNow() : QDateTime::currentDateTime();
}

QDate today() {
    return now().date();
}

void setNowForTests(const QDateTime& when) {
    fixedNow() = when;
}

void setTodayForTests(const QDate& date) {
    fixedNow() = date.isValid() ? QDateTime(date, QTime(0, 0)) : QDateTime();
}

QString printedOnText(const QDateTime& when) {
    // Date and time read from one moment, so they cannot straddle midnight.
    return QStringLiteral("Stampa eseguita in data ") + when.date().toString(QStringLiteral("dd/MM/yyyy")) +
           QStringLiteral(" alle ore ") + when.time().toString(QStringLiteral("HH:mm:ss"));
}

QString printedOnText() {
    return printedOnText(now());
}

} // namespace common
