// The export of the costs year file open in the cost card as a spreadsheet.
#pragma once

#include "common/ExportWindow.h"

class TfrmExpCosti : public common::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpCosti(QWidget* owner = nullptr);

protected:
    void readRows(QList<QString>& cells) override;
};
