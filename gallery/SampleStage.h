// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace maskwell::gallery {

// The place one sample control lives on a page. The controls place and size
// themselves as on a form (a 3D label sizes itself to its text, an address
// edit grows to its minimum, an advanced edit puts its label beside itself in
// its parent), so they are not laid out: the stage holds the control at a
// margin from its top-left and sizes itself to whatever the control and its
// companions cover, following every move and resize. A press anywhere on it
// selects the sample.
class SampleStage : public QWidget {
    Q_OBJECT

public:
    explicit SampleStage(QWidget* parent = nullptr);

    // The control shown: the first widget made on the stage.
    QWidget* Control() const { return control_; }

    // The least room kept for the control, for one that grows for a while
    // (a field wider while it has the focus): its neighbours then stay put.
    void SetRoom(QSize room);

    bool Selected() const { return selected_; }
    void SetSelected(bool selected);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override { return sizeHint(); }

signals:
    void Pressed();
    // The control or one of its companions moved or changed size.
    void Reshaped();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void childEvent(QChildEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void Watch(QObject* object);
    // Moves the control so that everything it shows starts at the margin.
    void Fit();

    QWidget* control_ = nullptr;
    QSize room_;
    bool selected_ = false;
    bool fitting_ = false;
};

} // namespace maskwell::gallery
