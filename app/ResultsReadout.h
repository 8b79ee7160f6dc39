// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QString>

class QLineEdit;
class QWidget;

namespace maskwell {

// The subnet results as one sentence for a screen reader: "Host range
// 10.1.2.1 - 10.1.2.254, subnet ID 10.1.2.0, broadcast 10.1.2.255", or
// "No mask chosen" while there are none.
QString ResultsSentence(const QString& hostRange, const QString& subnetId,
                        const QString& broadcast);

// Makes new results heard where the user is. The results sit in fields the
// focus does not visit, and a screen reader speaks no change of a field
// without the focus. So the controls a user changes the mask from (and the
// page that shows the results) carry the results sentence as their
// accessible description. Once per round of events that changed a result,
// each reader's description is rewritten; a screen reader speaks a
// description change of the control with the focus, so the new results
// follow the picked mask, and reaching one of those controls reads them too.
class TResultsReadout : public QObject {
    Q_OBJECT

public:
    TResultsReadout(QLineEdit& hostRange, QLineEdit& subnetId, QLineEdit& broadcast,
                    const QList<QWidget*>& readers, QObject* parent = nullptr);

    // Writes the current results into the readers' descriptions at once.
    void Update();

private:
    void UpdateSoon();

    QLineEdit& hostRange_;
    QLineEdit& subnetId_;
    QLineEdit& broadcast_;
    QList<QPointer<QWidget>> readers_;
    QString sentence_;
    bool pending_ = false;
};

} // namespace maskwell
