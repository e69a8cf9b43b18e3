// The grids of appointments written as spreadsheets: the imminent, day and month lists, chronological,
// and the export of the opened year in file order.
#pragma once

#include "common/Archive.h"
#include "common/ExportWindow.h"

#include <QDate>

namespace maintenance {

enum class ListKind { Imminent, Day, Month };

// The list's sort key: month, day, hour and minute as stored ("03150930").
QString sortKey(const common::Record& record);
// Whether a list of that kind shows the record: imminent on today, on the day, in day's month and year.
bool listedIn(ListKind kind, const common::Record& record, const QDate& today, const QDate& day);

class AppointmentList : public common::ExportWindow {
    Q_OBJECT
public:
    AppointmentList(ListKind kind, QWidget* owner);

protected:
    void readRows(QList<QString>& cells) override;

private:
    ListKind kind_;
};

} // namespace maintenance

class TfrmExpImminenti : public maintenance::AppointmentList {
    Q_OBJECT
public:
    explicit TfrmExpImminenti(QWidget* owner = nullptr);
};

class TfrmExpGiornaliere : public maintenance::AppointmentList {
    Q_OBJECT
public:
    explicit TfrmExpGiornaliere(QWidget* owner = nullptr);
};

class TfrmExpMensili : public maintenance::AppointmentList {
    Q_OBJECT
public:
    explicit TfrmExpMensili(QWidget* owner = nullptr);
};

class TfrmExpScadenzario : public common::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpScadenzario(QWidget* owner = nullptr);

protected:
    void readRows(QList<QString>& cells) override;
};
