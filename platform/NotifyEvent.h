// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QObject;

namespace maskwell {

// An event slot of a control: at most one handler, which receives the sender;
// an unassigned slot is skipped. The controls report their events as Qt
// signals; the advanced edit still keeps some of its events in such slots.
using TNotifyEvent = std::function<void(QObject* sender)>;

inline void Fire(const TNotifyEvent& event, QObject* sender) {
    if (event)
        event(sender);
}

} // namespace maskwell
