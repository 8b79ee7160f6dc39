// SPDX-License-Identifier: MIT
#include "app/SubnetsWindow.h"

#include "app/SubnetListModel.h"
#include "core/ClassTables.h"
#include "core/SubnetListText.h"
#include "platform/ErrorBox.h"
#include "platform/IniFile.h"
#include "platform/UniformTableView.h"

#include <QClipboard>
#include <QFileDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QScrollBar>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <vector>

namespace maskwell {

namespace {

const QString goToHint = QStringLiteral("Enter selects the subnet that holds it");

QString Latin1(const std::string& text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

// "Class B network 172.16.0.0, mask bits 20: 16 subnets, 14 without subnet
// zero and the all-ones subnet", or why there are none.
QString SummaryOf(const SubnetList& list) {
    if (list.Count() == 0)
        return QStringLiteral("No subnets: %1.").arg(Latin1(list.Why()));
    const std::optional<AddressClassInfo> info = ClassOfFirstOctet(list.Network() >> 24);
    const QString network =
        QStringLiteral("Class %1 network %2, mask bits %3: ")
            .arg(info ? QString(QChar(info->Letter.front())).toUpper() : QString(u'?'))
            .arg(Latin1(DottedText(list.Network())))
            .arg(list.MaskBits());
    if (list.SubnetBits() == 0)
        return network + QStringLiteral("the network itself, not subnetted.");
    return network + QStringLiteral("%1 subnets, %2 without subnet zero and the all-ones subnet.")
                         .arg(list.Count())
                         .arg(list.Count() - 2);
}

} // namespace

TSubnetsWindow::TSubnetsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    CreateControls();
    BindEvents();
}

void TSubnetsWindow::CreateControls() {
    setObjectName("SubnetsWindow");
    setWindowTitle(QStringLiteral("Subnets"));
    // The program ends with its main window, whether this one is open or not.
    setAttribute(Qt::WA_QuitOnClose, false);
    setAccessibleDescription(QStringLiteral(
        "Every subnet of the main window's network at its mask; Ctrl+L goes back to it"));

    summary_ = new QLabel(this);
    summary_->setWordWrap(true);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* goToLabel = new QLabel(QStringLiteral("&Go to:"), this);
    goTo_ = new QLineEdit(this);
    goTo_->setPlaceholderText(QStringLiteral("an address, such as 10.4.0.1"));
    goTo_->setAccessibleName(QStringLiteral("Go to address"));
    goTo_->setAccessibleDescription(goToHint);
    goTo_->setMaximumWidth(goTo_->fontMetrics().horizontalAdvance(goTo_->placeholderText()) + 24);
    goToLabel->setBuddy(goTo_);
    goToResult_ = new QLabel(this);

    model_ = new TSubnetListModel(this);
    view_ = new TUniformTableView(this);
    view_->setModel(model_);
    view_->setAlternatingRowColors(true);
    view_->setAccessibleName(QStringLiteral("Subnets"));
    const QFontMetrics metrics = view_->fontMetrics();
    const int address = metrics.horizontalAdvance(QStringLiteral("255.255.255.255")) + 24;
    const int widths[] = {metrics.horizontalAdvance(QStringLiteral("4194303")) + 24,
                          address,
                          address,
                          address,
                          address,
                          metrics.horizontalAdvance(QStringLiteral("all-ones")) + 24};
    for (int column = 0; column < static_cast<int>(std::size(widths)); ++column)
        view_->Header()->resizeSection(column, widths[column]);

    copy_ = new QPushButton(QStringLiteral("&Copy"), this);
    copy_->setToolTip(QStringLiteral("Copy the selected rows as tab-separated text (Ctrl+C)"));
    export_ = new QPushButton(QStringLiteral("&Export CSV..."), this);
    export_->setToolTip(QStringLiteral("Write every subnet to a CSV file"));
    close_ = new QPushButton(QStringLiteral("Close"), this);
    close_->setToolTip(QStringLiteral("Close the list (Escape)"));

    auto* goToLine = new QHBoxLayout;
    goToLine->addWidget(goToLabel);
    goToLine->addWidget(goTo_, 1);
    goToLine->addWidget(goToResult_, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copy_);
    buttons->addWidget(export_);
    buttons->addStretch(1);
    buttons->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(summary_);
    layout->addLayout(goToLine);
    layout->addWidget(view_, 1);
    layout->addLayout(buttons);

    setTabOrder(goTo_, view_);
    setTabOrder(view_, copy_);
    setTabOrder(copy_, export_);
    setTabOrder(export_, close_);
    setMinimumSize(360, 220);
    // Wide enough for every column beside the scroll bar.
    const QMargins margins = layout->contentsMargins();
    int width = margins.left() + margins.right() + 2 * view_->frameWidth() +
                view_->verticalScrollBar()->sizeHint().width();
    for (const int column : widths)
        width += column;
    resize(width, 440);
}

void TSubnetsWindow::BindEvents() {
    connect(goTo_, &QLineEdit::returnPressed, this, [this] { GoTo(goTo_->text()); });
    connect(view_, &QAbstractItemView::activated, this, &TSubnetsWindow::ChooseRow);
    connect(copy_, &QPushButton::clicked, this, &TSubnetsWindow::CopySelectedRows);
    connect(export_, &QPushButton::clicked, this, &TSubnetsWindow::Export);
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(Qt::Key_Escape, this), &QShortcut::activated, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), this), &QShortcut::activated, this,
            &TSubnetsWindow::BackToMainWindow);
    view_->installEventFilter(this);
}

void TSubnetsWindow::Follow(const AddressInput& address) {
    const SubnetList list = SubnetList::Of(address);
    model_->SetList(list);
    const QString summary = SummaryOf(list);
    summary_->setText(summary);
    view_->setAccessibleDescription(summary);
    view_->SetPlaceholderText(summary);
    export_->setEnabled(list.Count() > 0);
    SayWhyNot(QString());
    if (const std::optional<std::uint32_t> row = list.RowOf(AddressValue(address.Octets)))
        SelectRow(static_cast<int>(*row));
}

bool TSubnetsWindow::GoTo(const QString& text) {
    const std::string typed = text.toStdString();
    const std::optional<AddressInput> address = ParseAddressInput(typed);
    if (!address) {
        const std::string refusal = AddressInputRefusal(typed);
        SayWhyNot(Latin1(refusal.empty() ? std::string(kAddressInputHint) : refusal));
        return false;
    }
    const SubnetList& list = model_->List();
    const std::optional<std::uint32_t> row = list.RowOf(AddressValue(address->Octets));
    if (!row) {
        SayWhyNot(list.Count() == 0
                      ? QStringLiteral("the list is empty")
                      : QStringLiteral("%1 is not in %2/%3")
                            .arg(Latin1(address->Dotted()), Latin1(DottedText(list.Network())))
                            .arg(list.MaskBits() - list.SubnetBits()));
        return false;
    }
    SayWhyNot(QString());
    SelectRow(static_cast<int>(*row));
    view_->setFocus(Qt::OtherFocusReason);
    return true;
}

// Selected and current, in the middle of the view when it was out of sight.
void TSubnetsWindow::SelectRow(int row) {
    const int first = view_->FirstVisibleRow();
    const bool inSight = row >= first && row < first + view_->VisibleRowCount();
    const QModelIndex index = model_->index(row, 0);
    // Whatever keys are held (Ctrl, from Ctrl+L): the one row, not a toggle.
    view_->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect |
                                                        QItemSelectionModel::Rows);
    if (!inSight)
        view_->scrollTo(index, QAbstractItemView::PositionAtCenter);
}

QString TSubnetsWindow::SelectedRowsText() const {
    std::vector<std::pair<int, int>> ranges;
    for (const QItemSelectionRange& range : view_->selectionModel()->selection())
        ranges.emplace_back(range.top(), range.bottom());
    if (ranges.empty())
        return {};
    std::sort(ranges.begin(), ranges.end());
    std::string text;
    AppendSubnetHeader(text, '\t');
    int next = 0; // rows before it are written: overlapping ranges give each row once
    for (const auto& [top, bottom] : ranges) {
        for (int row = std::max(top, next); row <= bottom; ++row)
            AppendSubnetRow(text, model_->List().Row(static_cast<std::uint32_t>(row)), '\t');
        next = std::max(next, bottom + 1);
    }
    return Latin1(text);
}

void TSubnetsWindow::CopySelectedRows() {
    const QString text = SelectedRowsText();
    if (!text.isEmpty())
        QGuiApplication::clipboard()->setText(text);
}

void TSubnetsWindow::ExportTo(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw WriteError(path);
    std::string header;
    AppendSubnetHeader(header, ',');
    const auto write = [&file](std::string_view text) {
        const auto size = static_cast<qint64>(text.size());
        return file.write(text.data(), size) == size;
    };
    const SubnetList& list = model_->List();
    if (!write(header) || !WriteSubnetRows(list, 0, list.Count(), ',', write) || !file.commit())
        throw WriteError(path);
}

void TSubnetsWindow::Export() {
    const SubnetList& list = model_->List();
    const QString suggested = QStringLiteral("subnets-%1-%2.csv")
                                  .arg(Latin1(DottedText(list.Network())))
                                  .arg(list.MaskBits());
    const QString path =
        QFileDialog::getSaveFileName(this, QStringLiteral("Export Subnets"), suggested,
                                     QStringLiteral("CSV files (*.csv);;All files (*)"));
    if (!path.isEmpty())
        Guarded([&] { ExportTo(path); });
}

// Beside the field, and as its description, which a screen reader speaks
// when it changes on the field with the focus.
void TSubnetsWindow::SayWhyNot(const QString& reason) {
    goToResult_->setText(reason);
    goTo_->setAccessibleDescription(reason.isEmpty() ? goToHint : reason);
}

void TSubnetsWindow::ChooseRow(const QModelIndex& index) {
    if (index.isValid())
        emit SubnetChosen(
            Latin1(DottedText(model_->List().Row(static_cast<std::uint32_t>(index.row())).Id)));
}

void TSubnetsWindow::BackToMainWindow() {
    if (QWidget* main = parentWidget()) {
        main->window()->raise();
        main->window()->activateWindow();
    }
}

// Ctrl+C in the list copies the selected rows (the view alone would copy its
// current cell), and a digit typed there starts an address in the Go to field.
bool TSubnetsWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy)) {
            CopySelectedRows();
            return true;
        }
        const Qt::KeyboardModifiers held =
            key->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
        if (held == Qt::NoModifier && key->text().size() == 1 && key->text().front().isDigit()) {
            goTo_->setFocus(Qt::OtherFocusReason);
            goTo_->setText(key->text());
            SayWhyNot(QString());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace maskwell
