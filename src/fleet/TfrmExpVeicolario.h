// The vehicle export: the vehicle archive in a grid, written as "Parco_Automezzi.xls".
#pragma once

#include "common/ExportWindow.h"

class TfrmExpVeicolario : public common::ExportWindow {
    Q_OBJECT
public:
    explicit TfrmExpVeicolario(QWidget* owner = nullptr);

protected:
    void readRows(QList<QString>& cells) override;
};
