// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractButton>
#include <QMouseEvent>
#include <QWidget>
#include <vector>

class QStackedWidget;

namespace maskwell {

// One page of a TPageControl; its free area (where no child control sits) can
// react to a mouse press.
class TTabSheet : public QWidget {
    Q_OBJECT

public:
    explicit TTabSheet(const QString& caption, QWidget* parent = nullptr);

    const QString& Caption() const { return caption_; }

signals:
    // Any mouse button going down on the page itself, not on a control on it.
    // Without a receiver the press goes on to the page's parent.
    void MousePressed(QMouseEvent* event);

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    QString caption_;
};

// A tab of the flat-button style: flat until it is the active page, then drawn
// pushed in.
class TFlatTabButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit TFlatTabButton(const QString& caption, QWidget* parent = nullptr);
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Pages behind a row of tabs drawn as flat buttons. Ctrl+Tab and Ctrl+Page
// Down/Up switch pages from anywhere in the window; Left and Right do when the
// control itself has the focus. For assistive technologies the active tab
// holds the focus while the control has it, and a switch says which tab is
// selected now.
class TPageControl : public QWidget {
    Q_OBJECT

public:
    explicit TPageControl(QWidget* parent = nullptr);

    TTabSheet* AddPage(const QString& caption);
    int PageCount() const { return static_cast<int>(pages_.size()); }
    TTabSheet* Page(int index) const { return pages_.at(static_cast<std::size_t>(index)); }
    QAbstractButton* Tab(int index) const { return tabs_.at(static_cast<std::size_t>(index)); }
    // The place of a tab or of a page, -1 for a widget that is none of them.
    int IndexOfTab(const QAbstractButton* tab) const;
    int IndexOfPage(const QWidget* page) const;

    int ActivePageIndex() const;
    void SetActivePageIndex(int index);

    // The area pages are shown in, within the control.
    QRect PageRect() const;

protected:
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void ArrangeTabs();
    void Step(int delta);
    void AnnouncePageSwitch(int previous, int index);
    void AnnounceFocusedTab();

    std::vector<TTabSheet*> pages_;
    std::vector<TFlatTabButton*> tabs_;
    QStackedWidget* stack_;
    bool tabFocusPending_ = false; // the focus on the active tab is told once it came in
};

} // namespace maskwell
