// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace maskwell {

// An event slot of a control: at most one handler, which receives the sender.
// Controls keep such slots as public members named after the event (OnClick,
// OnChange, ...); an unassigned slot is skipped.
using TNotifyEvent = std::function<void(QObject* sender)>;

inline void Fire(const TNotifyEvent& event, QObject* sender) {
    if (event)
        event(sender);
}

} // namespace maskwell
