// The query of the cost period summary: the year, the plate and cause filters and the interval of days.
#pragma once

#include "common/Form.h"
#include "common/VehicleReceiver.h"

#include <QHash>

#include <memory>

class QComboBox;

namespace Ui {
class frmMenuRiepSpese;
}

class TfrmMenuRiepSpese : public common::Form, public common::VehicleReceiver {
    Q_OBJECT
public:
    explicit TfrmMenuRiepSpese(QWidget* parent = nullptr);
    ~TfrmMenuRiepSpese() override;

    // What the summary reads.
    QString plateFilter() const;
    QString causeFilter() const;
    QString costFile() const;
    QString startDate() const;
    QString endDate() const;
    // The vehicle picker gives the chosen vehicle's plate alone.
    void setVehicle(const common::PickedVehicle& vehicle) override;
    // The summary closes.
    void hideWaiting();

public Q_SLOTS:
    void btnVisualizzaMouseDown();
    void btnVisualizzaClick();
    void btnEsciClick();
    void impClienteClick();

protected:
    void FormShow() override;
    void FormClose() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool stop(QWidget* focus, const QString& text, bool plain);
    void copyYear();
    std::unique_ptr<Ui::frmMenuRiepSpese> ui;
    QHash<QWidget*, QWidget*> highlights_;
};
