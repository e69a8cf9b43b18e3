// Base of the two full-screen photo windows (zoom and slide show): a maximised window on a gradient with a
// centred panel holding the picture, scaled to fit; a click on the picture or the panel closes it.
#pragma once

#include "common/Dialog.h"

#include <QImage>

class QLabel;

namespace fleet {

class PhotoViewer : public common::Dialog {
    Q_OBJECT
public:
    // The picture on show, at its own resolution.
    QImage picture() const { return picture_; }
    void setPicture(const QImage& picture);

protected:
    explicit PhotoViewer(QWidget* owner);
    // The panel and the picture inside it, from the window's layout.
    void setUpViewer(QWidget* panContainer, QLabel* imgFoto);

    void FormShow() override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void placePanel();
    void showScaled();
    QWidget* panel_ = nullptr;
    QLabel* image_ = nullptr;
    QImage picture_;
};

} // namespace fleet
