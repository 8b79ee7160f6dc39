// SPDX-License-Identifier: MIT
#pragma once

#include <QMetaMethod>
#include <QObject>
#include <QPointer>
#include <QString>
#include <functional>
#include <vector>

namespace maskwell::gallery {

// Hears every signal a control's own classes declare, except the change
// signals of its properties (the property panel follows those), and tells
// each emission as a line: the signal's name, and its arguments in brackets
// when it has any. A signal a control gains later is heard without a line of
// code here.
//
// It takes the emissions as QSignalSpy does: each signal is connected by its
// index to a method index of this object that no class declares, which Qt
// delivers through qt_metacall, with the arguments as they are.
class SignalLog : public QObject {
public:
    // Receives the control that emitted, the signal and the line telling it.
    using Sink =
        std::function<void(const QObject& control, const QMetaMethod& signal, const QString& line)>;

    SignalLog(Sink sink, QObject* parent);

    void Watch(QObject* control);

    // The signals Watch() connects for a control.
    static std::vector<QMetaMethod> HeardSignals(const QObject& control);

    int qt_metacall(QMetaObject::Call call, int id, void** arguments) override;

private:
    struct Heard {
        QPointer<QObject> control;
        QMetaMethod signal;
    };

    void Tell(const Heard& heard, void** arguments) const;

    Sink sink_;
    std::vector<Heard> heard_;
};

} // namespace maskwell::gallery
