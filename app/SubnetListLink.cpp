// SPDX-License-Identifier: MIT
#include "app/SubnetListLink.h"

#include "app/SubnetsWindow.h"
#include "platform/ErrorBox.h"
#include "platform/WindowPlacement.h"

#include <QLineEdit>
#include <QScreen>
#include <algorithm>

namespace maskwell {

namespace {

// Beside the main window, its top level with it: on the right, else on the
// left; narrowed (when it may be) to the wider side's room rather than
// covering the main window, and on the screen in any case.
void PlaceBeside(QWidget& window, const QWidget& main, bool mayNarrow) {
    const QScreen* screen = main.screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const QRect frame = main.frameGeometry();
    const int roomRight = room.right() - frame.right();
    const int roomLeft = frame.left() - room.left();
    const bool right = window.width() <= roomRight || roomRight >= roomLeft;
    const int roomBeside = right ? roomRight : roomLeft;
    if (mayNarrow && window.width() > roomBeside)
        window.resize(std::max(roomBeside, window.minimumWidth()), window.height());
    const int beside = right ? frame.right() + 1 : frame.left() - window.width();
    const int left = std::min(beside, room.right() + 1 - window.width());
    const int top = std::min(frame.top(), room.bottom() + 1 - window.height());
    PlaceWindow(window, QPoint(std::max(room.left(), left), std::max(room.top(), top)));
}

} // namespace

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
    const bool sized = stored_ && stored_->Size.isValid();
    if (sized) {
        const QScreen* screen = mainWindow_.screen();
        window_->resize(screen ? stored_->Size.boundedTo(screen->availableGeometry().size())
                               : stored_->Size);
    }
    PlaceBeside(*window_, mainWindow_, !sized);
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
