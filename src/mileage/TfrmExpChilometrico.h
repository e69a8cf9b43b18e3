// The mileage export: the mileage archive in a grid, written as "Scadenzario_Chilometrico.xls".
#pragma once

#include "common/ExportWindow.h"

class TfrmExpChilometrico : public common::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpChilometrico(QWidget* owner = nullptr);

protected:
    void readRows(QList<QString>& cells) override;
};
