// SPDX-License-Identifier: MIT
#include "gallery/SampleStage.h"

#include <QChildEvent>
#include <QPainter>

namespace maskwell::gallery {

namespace {

constexpr int kMargin = 6;
constexpr QSize kSmallest(48, 28);

} // namespace

SampleStage::SampleStage(QWidget* parent) : QWidget(parent) {
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, palette.color(QPalette::Button));
    setPalette(palette);
}

void SampleStage::SetSelected(bool selected) {
    if (selected_ == selected)
        return;
    selected_ = selected;
    update();
}

void SampleStage::SetRoom(QSize room) {
    room_ = room;
    updateGeometry();
}

QSize SampleStage::sizeHint() const {
    // The size alone counts: the control may not have been moved to the
    // margin yet (that waits for its first move or resize event).
    const QSize covered = childrenRect().size().expandedTo(room_);
    return (covered + QSize(2 * kMargin, 2 * kMargin)).expandedTo(kSmallest);
}

void SampleStage::childEvent(QChildEvent* event) {
    QWidget::childEvent(event);
    if (event->added() && event->child()->isWidgetType()) {
        if (!control_)
            control_ = static_cast<QWidget*>(event->child());
        Watch(event->child());
    }
}

// The companions of a control (an edit's label, an address edit's fields)
// are made later or deeper down: every descendant is watched as it comes.
void SampleStage::Watch(QObject* object) {
    object->installEventFilter(this);
    for (QObject* child : object->children())
        if (child->isWidgetType())
            Watch(child);
}

bool SampleStage::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::ChildAdded: {
        QObject* child = static_cast<QChildEvent*>(event)->child();
        if (child->isWidgetType())
            Watch(child);
        break;
    }
    case QEvent::MouseButtonPress:
        emit Pressed();
        break;
    case QEvent::Move:
    case QEvent::Resize:
    case QEvent::ShowToParent:
    case QEvent::HideToParent:
        if (watched->parent() == this)
            Fit();
        break;
    default:
        break;
    }
    return false;
}

void SampleStage::Fit() {
    if (fitting_ || !control_)
        return;
    fitting_ = true;
    const QRect covered = childrenRect();
    if (!covered.isEmpty() && covered.topLeft() != QPoint(kMargin, kMargin))
        control_->move(control_->pos() + QPoint(kMargin, kMargin) - covered.topLeft());
    fitting_ = false;
    updateGeometry();
    emit Reshaped();
}

void SampleStage::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    emit Pressed();
}

void SampleStage::paintEvent(QPaintEvent*) {
    if (!selected_)
        return;
    QPainter painter(this);
    QPen pen(palette().color(QPalette::Highlight), 2);
    painter.setPen(pen);
    painter.drawRect(rect().adjusted(1, 1, -1, -1));
}

} // namespace maskwell::gallery
