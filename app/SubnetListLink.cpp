// SPDX-License-Identifier: MIT
#include "app/SubnetListLink.h"

#include "app/SubnetsWindow.h"
#include "platform/ErrorBox.h"
#include "platform/WindowPlacement.h"

#include <QLineEdit>
#include <QScreen>
#include <algorithm>

namespace maskwell {

TSubnetListLink::TSubnetListLink(QWidget& mainWindow, const CalculatorState& state,
                                 const QList<QLineEdit*>& results,
                                 std::function<void(const AddressInput&)> takeAddress)
    : QObject(&mainWindow), mainWindow_(mainWindow), state_(state), results_(results),
      takeAddress_(std::move(takeAddress)) {}

// Shown before it follows, so that the address's row is centred in the
// window's real height; the first frame comes after both.
void TSubnetListLink::Open() {
    Build();
    window_->show();
    Follow();
    ActivateWindow(*window_);
}

void TSubnetListLink::Restore(const std::optional<SubnetListSettings>& stored) {
    stored_ = stored;
    if (!stored_ || !stored_->Open)
        return;
    Build();
    window_->setAttribute(Qt::WA_ShowWithoutActivating);
    window_->show();
    window_->setAttribute(Qt::WA_ShowWithoutActivating, false);
    Follow();
}

std::optional<SubnetListSettings> TSubnetListLink::Settings() const {
    if (window_)
        return SubnetListSettings{window_->isVisible(), window_->size()};
    if (stored_)
        return SubnetListSettings{false, stored_->Size};
    return std::nullopt;
}

void TSubnetListLink::Build() {
    if (window_)
        return;
    window_ = new TSubnetsWindow(&mainWindow_);
    const QRect screen = mainWindow_.screen() ? mainWindow_.screen()->availableGeometry()
                                              : QRect(QPoint(0, 0), window_->size());
    const bool sized = stored_ && stored_->Size.isValid();
    if (sized)
        window_->resize(stored_->Size.boundedTo(screen.size()));
    // Beside the main window, its top level with it: on the right, else on the
    // left; the first time, narrowed to the wider side's room rather than
    // covering it.
    const QRect main = mainWindow_.frameGeometry();
    const int roomRight = screen.right() - main.right();
    const int roomLeft = main.left() - screen.left();
    const bool right = window_->width() <= roomRight || roomRight >= roomLeft;
    const int room = right ? roomRight : roomLeft;
    if (!sized && window_->width() > room)
        window_->resize(std::max(room, window_->minimumWidth()), window_->height());
    const int left = right ? main.right() + 1 : main.left() - window_->width();
    const int top = std::min(main.top(), screen.bottom() - window_->height());
    PlaceWindow(*window_, QPoint(std::max(screen.left(), left), std::max(screen.top(), top)));
    for (QLineEdit* result : std::as_const(results_))
        connect(result, &QLineEdit::textChanged, this, &TSubnetListLink::FollowSoon);
    connect(window_, &TSubnetsWindow::SubnetChosen, this, [this](const QString& subnetId) {
        Guarded([&] {
            if (const std::optional<AddressInput> address =
                    ParseAddressInput(subnetId.toStdString()))
                takeAddress_(*address);
        });
    });
}

// The results change one after the other; the list follows once they all
// have, after the main window's own frame.
void TSubnetListLink::FollowSoon() {
    if (followPending_ || !window_->isVisible())
        return;
    followPending_ = true;
    QMetaObject::invokeMethod(this, &TSubnetListLink::Follow, Qt::QueuedConnection);
}

void TSubnetListLink::Follow() {
    followPending_ = false;
    std::optional<AddressInput> address = ParseAddressInput(state_.IPE.Text());
    if (!window_ || !address)
        return; // the address control holds a dotted address once repaired
    bool isNumber = false;
    const int bits = QString::fromStdString(state_.CB2.Text()).toInt(&isNumber);
    address->MaskBits = isNumber ? std::optional<int>(bits) : std::nullopt;
    window_->Follow(*address);
}

} // namespace maskwell
