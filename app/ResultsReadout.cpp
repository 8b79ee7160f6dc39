// SPDX-License-Identifier: MIT
#include "app/ResultsReadout.h"

#include <QLineEdit>

namespace maskwell {

QString ResultsSentence(const QString& hostRange, const QString& subnetId,
                        const QString& broadcast) {
    if (hostRange.isEmpty() && subnetId.isEmpty() && broadcast.isEmpty())
        return QStringLiteral("No mask chosen");
    return QStringLiteral("Host range %1, subnet ID %2, broadcast %3")
        .arg(hostRange, subnetId, broadcast);
}

TResultsReadout::TResultsReadout(QLineEdit& hostRange, QLineEdit& subnetId, QLineEdit& broadcast,
                                 const QList<QWidget*>& readers, QObject* parent)
    : QObject(parent), hostRange_(hostRange), subnetId_(subnetId), broadcast_(broadcast) {
    for (QWidget* reader : readers)
        readers_ << reader;
    for (QLineEdit* field : {&hostRange_, &subnetId_, &broadcast_})
        connect(field, &QLineEdit::textChanged, this, &TResultsReadout::UpdateSoon);
    Update();
}

// The three fields change one after the other: the sentence is written once
// they all have, so that a screen reader hears it once, whole.
void TResultsReadout::UpdateSoon() {
    if (pending_)
        return;
    pending_ = true;
    QMetaObject::invokeMethod(this, &TResultsReadout::Update, Qt::QueuedConnection);
}

void TResultsReadout::Update() {
    pending_ = false;
    const QString sentence =
        ResultsSentence(hostRange_.text(), subnetId_.text(), broadcast_.text());
    if (sentence == sentence_)
        return;
    sentence_ = sentence;
    for (QWidget* reader : readers_)
        if (reader)
            reader->setAccessibleDescription(sentence);
}

} // namespace maskwell
