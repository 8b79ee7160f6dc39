// SPDX-License-Identifier: MIT
#pragma once

#include "core/Fields.h"
#include "core/Selector.h"

#include <QComboBox>
#include <QString>
#include <functional>

class QWidget;

namespace maskwell {

// The main window's widgets as the calculator sees them. Each adapter is a thin
// view of one widget: the widget's text and selection are the state.

// A drop-down list. Only the user's pick runs a handler (the window binds
// handlers to QComboBox::activated), so selecting from here never does.
class ComboBoxSelector final : public Selector {
public:
    explicit ComboBoxSelector(QComboBox& comboBox) : combo_(comboBox) {}

    void Clear() override { combo_.clear(); }
    void AddItems(std::span<const std::string_view> items) override;
    int Count() const override { return combo_.count(); }
    std::string Item(int row) const override { return combo_.itemText(row).toStdString(); }
    int ItemIndex() const override { return combo_.currentIndex(); }
    void SetItemIndex(int row) override;
    bool Holds(std::span<const std::string_view> items) const override;

private:
    QComboBox& combo_;
};

// Any widget with Text() and SetText(QString): the address control, the
// result fields.
template <typename Widget> class WidgetTextField final : public TextField {
public:
    explicit WidgetTextField(Widget& widget) : widget_(widget) {}
    std::string Text() const override { return widget_.Text().toStdString(); }
    void SetText(std::string_view text) override {
        widget_.SetText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    Widget& widget_;
};

// A label's caption.
template <typename Label> class CaptionField final : public TextField {
public:
    explicit CaptionField(Label& label) : label_(label) {}
    std::string Text() const override { return label_.Caption().toStdString(); }
    void SetText(std::string_view text) override {
        label_.SetCaption(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
    }

private:
    Label& label_;
};

// A check box's checked state.
template <typename CheckBox> class CheckBoxField final : public CheckField {
public:
    explicit CheckBoxField(const CheckBox& checkBox) : checkBox_(checkBox) {}
    bool Checked() const override { return checkBox_.Checked(); }

private:
    const CheckBox& checkBox_;
};

// The calculator's notice as a modal box over the window, unless holdBack
// says that no box may open now: then nothing is shown and the notice counts
// as not given.
class NoticeBoxSink final : public NoticeSink {
public:
    NoticeBoxSink(QWidget& window, std::function<bool()> holdBack)
        : window_(window), holdBack_(std::move(holdBack)) {}
    bool Notice(std::string_view text) override;

private:
    QWidget& window_;
    std::function<bool()> holdBack_;
};

} // namespace maskwell
