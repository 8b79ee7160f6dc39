// SPDX-License-Identifier: MIT
#include "gallery/SignalLog.h"

#include <QDebug>
#include <QMetaEnum>
#include <QMetaProperty>
#include <QVariant>
#include <algorithm>
#include <utility>

namespace maskwell::gallery {

namespace {

bool IsOwnClass(const QMetaObject* meta) {
    return meta && QLatin1String(meta->className()).startsWith(QLatin1String("maskwell::"));
}

// The name of an enumeration's value (the names of a flag's values). The
// value types of Qt's own flags (Qt::MouseButton) carry no meta-object: their
// scope is Qt's.
QString EnumerationKeys(QMetaType type, int value) {
    const QMetaObject* scope = type.metaObject();
    const QByteArray name(type.name());
    if (!scope && name.startsWith("Qt::"))
        scope = &Qt::staticMetaObject;
    if (!scope)
        return {};
    const QByteArray shortName = name.split(':').last();
    for (int i = 0; i < scope->enumeratorCount(); ++i)
        if (const QMetaEnum values = scope->enumerator(i);
            shortName == values.name() || shortName == values.enumName())
            return QString::fromLatin1(values.isFlag() ? values.valueToKeys(value)
                                                       : QByteArray(values.valueToKey(value)));
    return {};
}

// An argument as a reader knows it: a text in quotes, an enumeration by its
// name, anything else as Qt writes it for debugging.
QString ArgumentText(QMetaType type, const void* value) {
    if (type == QMetaType::fromType<QString>())
        return QLatin1Char('"') + *static_cast<const QString*>(value) + QLatin1Char('"');
    const QVariant variant(type, value);
    if (type.flags().testFlag(QMetaType::IsEnumeration)) {
        if (QString name = EnumerationKeys(type, variant.toInt()); !name.isEmpty())
            return name;
    }
    if (QMetaType::canConvert(type, QMetaType::fromType<QString>()))
        return variant.toString();
    QString text;
    QDebug debug(&text);
    debug.nospace().noquote();
    if (!type.debugStream(debug, value))
        debug << type.name();
    return text;
}

} // namespace

SignalLog::SignalLog(Sink sink, QObject* parent) : QObject(parent), sink_(std::move(sink)) {}

std::vector<QMetaMethod> SignalLog::HeardSignals(const QObject& control) {
    const QMetaObject* meta = control.metaObject();
    std::vector<int> notifications;
    for (int i = 0; i < meta->propertyCount(); ++i)
        if (const QMetaProperty property = meta->property(i); property.hasNotifySignal())
            notifications.push_back(property.notifySignalIndex());
    std::vector<QMetaMethod> heard;
    for (const QMetaObject* cls = meta; IsOwnClass(cls); cls = cls->superClass())
        for (int i = cls->methodOffset(); i < cls->methodCount(); ++i)
            if (const QMetaMethod method = cls->method(i);
                method.methodType() == QMetaMethod::Signal &&
                std::find(notifications.begin(), notifications.end(), i) == notifications.end())
                heard.push_back(method);
    std::sort(heard.begin(), heard.end(), [](const QMetaMethod& one, const QMetaMethod& other) {
        return one.methodIndex() < other.methodIndex();
    });
    return heard;
}

void SignalLog::Watch(QObject* control) {
    for (const QMetaMethod& signal : HeardSignals(*control)) {
        const int slot = QObject::staticMetaObject.methodCount() + static_cast<int>(heard_.size());
        if (QMetaObject::connect(control, signal.methodIndex(), this, slot, Qt::DirectConnection))
            heard_.push_back({control, signal});
    }
}

int SignalLog::qt_metacall(QMetaObject::Call call, int id, void** arguments) {
    id = QObject::qt_metacall(call, id, arguments);
    if (id < 0 || call != QMetaObject::InvokeMetaMethod)
        return id;
    if (id < static_cast<int>(heard_.size()) && heard_[static_cast<std::size_t>(id)].control)
        Tell(heard_[static_cast<std::size_t>(id)], arguments);
    return -1;
}

void SignalLog::Tell(const Heard& heard, void** arguments) const {
    QString line = QString::fromLatin1(heard.signal.name());
    if (heard.signal.parameterCount() > 0) {
        QStringList texts;
        for (int i = 0; i < heard.signal.parameterCount(); ++i)
            texts << ArgumentText(heard.signal.parameterMetaType(i), arguments[i + 1]);
        line += QLatin1Char('(') + texts.join(QStringLiteral(", ")) + QLatin1Char(')');
    }
    sink_(*heard.control, heard.signal, line);
}

} // namespace maskwell::gallery
