// SPDX-License-Identifier: MIT
#include "platform/WindowDrag.h"

#include <QMouseEvent>
#include <QPointer>
#include <QWidget>
#include <QWindow>
#include <utility>

namespace maskwell {

namespace {

// Follows the pointer on behalf of a window manager that is not there. Lives
// on the pressed widget from the press to the release.
class PointerWindowMove : public QObject {
public:
    PointerWindowMove(QWidget* source, QPoint pressGlobal)
        : QObject(source), window_(source->window()), offset_(pressGlobal - window_->pos()) {
        source->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::MouseMove:
            if (window_)
                window_->move(GlobalPoint(event) - offset_);
            return true;
        case QEvent::MouseButtonRelease:
            watched->removeEventFilter(this);
            deleteLater();
            return true;
        default:
            return false;
        }
    }

private:
    static QPoint GlobalPoint(QEvent* event) {
        return static_cast<QMouseEvent*>(event)->globalPosition().toPoint();
    }

    QPointer<QWidget> window_;
    QPoint offset_;
};

SystemMoveStarter& SystemMove() {
    static SystemMoveStarter starter;
    return starter;
}

bool StartSystemMove(QWindow& window) {
    if (const SystemMoveStarter& starter = SystemMove())
        return starter(window);
    return window.startSystemMove();
}

} // namespace

SystemMoveStarter SetSystemMoveStarter(SystemMoveStarter starter) {
    return std::exchange(SystemMove(), std::move(starter));
}

void StartWindowDrag(QWidget* source, const QMouseEvent& press) {
    QWidget* window = source->window();
    if (QWindow* handle = window->windowHandle();
        handle && press.button() == Qt::LeftButton && StartSystemMove(*handle))
        return;
    // A second press before the release (another button) restarts the move.
    for (auto* running : source->findChildren<PointerWindowMove*>(Qt::FindDirectChildrenOnly)) {
        source->removeEventFilter(running);
        running->deleteLater();
    }
    new PointerWindowMove(source, press.globalPosition().toPoint());
}

} // namespace maskwell
