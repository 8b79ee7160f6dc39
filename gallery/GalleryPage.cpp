// SPDX-License-Identifier: MIT
#include "gallery/GalleryPage.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

namespace maskwell::gallery {

namespace {

constexpr int kSideWidth = 360;
constexpr int kLogLines = 200;

} // namespace

GalleryPage::GalleryPage(const QString& summary, QWidget* parent)
    : QWidget(parent), chooser_(new QComboBox), properties_(new PropertyPanel),
      log_(new QPlainTextEdit),
      signalLog_(new SignalLog([this](const QObject& sender, const QMetaMethod& signal,
                                      const QString& line) { LogSignal(sender, signal, line); },
                               this)) {
    // The summary stays out of the scrolled showcase, which can be wider than
    // the page shows: it wraps to the width in view.
    auto* about = new QLabel(summary);
    about->setObjectName("Summary");
    about->setWordWrap(true);
    auto* showcase = new QWidget;
    auto* column = new QVBoxLayout(showcase);
    column->setContentsMargins(0, 0, 0, 0); // the groups line up with the summary
    groups_ = new QVBoxLayout;
    column->addLayout(groups_);
    column->addStretch(1);

    auto* scroll = new QScrollArea;
    scroll->setObjectName("Showcase");
    scroll->setWidget(showcase);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);

    chooser_->setObjectName("Sample");
    connect(chooser_, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0 && index < samples_.size())
            Select(samples_[index]);
    });
    // As many rows as the control has properties: they scroll.
    auto* propertyScroll = new QScrollArea;
    propertyScroll->setObjectName("PropertyScroll");
    propertyScroll->setWidget(properties_);
    propertyScroll->setWidgetResizable(true);
    propertyScroll->setFrameShape(QFrame::NoFrame);
    propertyScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* propertyBox = new QGroupBox("Properties of");
    auto* propertyColumn = new QVBoxLayout(propertyBox);
    propertyColumn->addWidget(chooser_);
    propertyColumn->addWidget(propertyScroll, 1);

    log_->setObjectName("EventLog");
    log_->setReadOnly(true);
    log_->setMaximumBlockCount(kLogLines);
    log_->setLineWrapMode(QPlainTextEdit::NoWrap);
    auto* logBox = new QGroupBox("Events");
    auto* logColumn = new QVBoxLayout(logBox);
    logColumn->addWidget(log_);

    auto* side = new QWidget;
    side->setFixedWidth(kSideWidth);
    auto* sideColumn = new QVBoxLayout(side);
    sideColumn->setContentsMargins(0, 0, 0, 0);
    sideColumn->addWidget(propertyBox, 2);
    sideColumn->addWidget(logBox, 1);

    auto* main = new QVBoxLayout;
    main->addWidget(about);
    main->addWidget(scroll, 1);
    auto* row = new QHBoxLayout(this);
    row->addLayout(main, 1);
    row->addWidget(side);
}

void GalleryPage::BeginGroup(const QString& title, int columns) {
    auto* box = new QGroupBox(title);
    group_ = new QGridLayout(box);
    group_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    group_->setHorizontalSpacing(12);
    columns_ = columns;
    groups_->addWidget(box);
}

SampleStage* GalleryPage::NewStage(const QString& caption) {
    Q_ASSERT(group_); // BeginGroup() comes first
    auto* cell = new QWidget;
    auto* cellColumn = new QVBoxLayout(cell);
    cellColumn->setContentsMargins(0, 0, 0, 0);
    cellColumn->setSpacing(2);
    auto* stage = new SampleStage;
    cellColumn->addWidget(stage);
    auto* label = new QLabel(caption); // one line unless it says otherwise
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, palette.color(QPalette::PlaceholderText));
    label->setPalette(palette);
    cellColumn->addWidget(label);
    cellColumn->addStretch(1);

    const int index = group_->count();
    group_->addWidget(cell, index / columns_, index % columns_, Qt::AlignLeft | Qt::AlignTop);
    stages_.append(stage);
    return stage;
}

void GalleryPage::Register(QWidget* control, const QString& name) {
    control->setObjectName(name);
    auto* stage = stages_.last();
    samples_.append(control);
    signalLog_->Watch(control);
    connect(stage, &SampleStage::Pressed, this, [this, control] { Select(control); });
    // A control that sizes itself (to its text, to its minimum, to its
    // largest size) shows its new size in the panel.
    connect(stage, &SampleStage::Reshaped, this, [this, control] {
        if (control == selected_)
            properties_->Refresh();
    });
}

void GalleryPage::FinishSamples() {
    for (QWidget* sample : samples_)
        chooser_->addItem(sample->objectName());
    if (!samples_.isEmpty())
        Select(samples_.first());
}

void GalleryPage::Select(QWidget* sample) {
    const auto index = samples_.indexOf(sample);
    if (index < 0)
        return;
    selected_ = sample;
    for (int i = 0; i < stages_.size(); ++i)
        stages_[i]->SetSelected(i == index);
    chooser_->setCurrentIndex(static_cast<int>(index));
    properties_->Show(sample);
}

void GalleryPage::Log(const QObject* sender, const QString& what) {
    lastSender_ = nullptr;
    log_->appendPlainText(sender->objectName() + ": " + what);
}

void GalleryPage::LogSignal(const QObject& sender, const QMetaMethod& signal, const QString& line) {
    const QString text = sender.objectName() + ": " + line;
    if (&sender == lastSender_ && signal.methodIndex() == lastSignal_) {
        ++repeats_;
        QTextCursor last(log_->document()->lastBlock());
        last.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        last.insertText(text + QStringLiteral(" (%1 times)").arg(repeats_));
        return;
    }
    Log(&sender, line);
    lastSender_ = &sender;
    lastSignal_ = signal.methodIndex();
    repeats_ = 1;
}

} // namespace maskwell::gallery
