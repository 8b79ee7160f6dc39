// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <vector>

namespace maskwell {

// Takes a keyboard user to the results and back. The result fields are out
// of the tab order (Tab goes through the address and the lists); instead
// GoToResults moves the focus to the first result of the page shown, Up and
// Down move between that page's results, and Escape, or GoToResults again,
// returns the focus to the control it came from.
class TResultsFocus : public QObject {
    Q_OBJECT

public:
    // The result fields of the page shown, first to last.
    using ShownResults = std::function<std::vector<QWidget*>()>;

    explicit TResultsFocus(ShownResults shownResults, QObject* parent = nullptr);

    // Fields given here hear Up, Down and Escape; every result field is.
    void Watch(QWidget* field);

    void GoToResults();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void GoBack();

    ShownResults shownResults_;
    QPointer<QWidget> cameFrom_;
};

} // namespace maskwell
