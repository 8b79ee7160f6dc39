// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/PropertyPanel.h"
#include "gallery/SampleStage.h"
#include "gallery/SignalLog.h"

#include <QList>
#include <QMetaEnum>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QPlainTextEdit;
class QVBoxLayout;

namespace maskwell::gallery {

// One page of the gallery: a control shown in several configurations, in
// titled groups on the left, and on the right the property panel showing the
// sample selected (by a press on it or in the list above the panel) and a log
// of the signals the samples emit. Both come from the control's meta-object,
// so they show what the form designer shows.
//
// A page builds its samples with AddSample() under BeginGroup() and ends with
// FinishSamples().
class GalleryPage : public QWidget {
    Q_OBJECT

public:
    // The sample controls in the order shown; each is named (objectName).
    const QList<QWidget*>& Samples() const { return samples_; }
    QWidget* SelectedSample() const { return selected_; }
    void Select(QWidget* sample);
    PropertyPanel& Properties() const { return *properties_; }

protected:
    GalleryPage(const QString& summary, QWidget* parent);

    // Starts a titled group whose samples fill rows of the given width.
    void BeginGroup(const QString& title, int columns);
    // A control of type T on a new stage in the current group, named name and
    // captioned below; configure it after this call.
    template <typename T> T* AddSample(const QString& name, const QString& caption) {
        auto* control = new T(NewStage(caption));
        Register(control, name);
        return control;
    }
    // A control made elsewhere (by a form from a .ui file), moved onto a new
    // stage in the current group and named by its object name.
    template <typename T> T* AdoptSample(T* control, const QString& caption) {
        control->setParent(NewStage(caption));
        Register(control, control->objectName());
        return control;
    }
    template <typename T> T* Selected() const { return static_cast<T*>(selected_); }
    // The name of an enumeration's value, as the meta-object holds it.
    template <typename Enum> static QString NameOf(Enum value) {
        return QString::fromLatin1(QMetaEnum::fromType<Enum>().valueToKey(value));
    }
    static SampleStage& StageOf(QWidget* sample) {
        return *static_cast<SampleStage*>(sample->parentWidget());
    }
    // Lists the samples for selection and selects the first.
    void FinishSamples();
    // A line in the event log, prefixed with the sample's name.
    void Log(const QObject* sender, const QString& what);

private:
    // A signal heard from a sample; the same signal again from the same
    // sample (a move after a move) takes over its line, with a count.
    void LogSignal(const QObject& sender, const QMetaMethod& signal, const QString& line);

    SampleStage* NewStage(const QString& caption);
    void Register(QWidget* control, const QString& name);

    QVBoxLayout* groups_;
    QGridLayout* group_ = nullptr;
    int columns_ = 1;
    QComboBox* chooser_;
    PropertyPanel* properties_;
    QPlainTextEdit* log_;
    SignalLog* signalLog_;
    // The sender and the signal of the last line, and how often it came.
    const QObject* lastSender_ = nullptr;
    int lastSignal_ = -1;
    int repeats_ = 0;
    QList<QWidget*> samples_;
    QList<SampleStage*> stages_;
    QWidget* selected_ = nullptr;
};

} // namespace maskwell::gallery
