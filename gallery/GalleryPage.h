// SPDX-License-Identifier: MIT
#pragma once

#include "gallery/PropertyPanel.h"
#include "gallery/SampleStage.h"

#include <QList>
#include <QWidget>

class QComboBox;
class QGridLayout;
class QPlainTextEdit;
class QVBoxLayout;

namespace maskwell::gallery {

// One page of the gallery: a control shown in several configurations, in
// titled groups on the left, and on the right the property panel bound to the
// sample selected (by a press on it or in the list above the panel) and a log
// of the events the samples fire.
//
// A page builds its samples with AddSample() under BeginGroup(), fills the
// panel with rows that reach the selected sample through Selected<T>(), and
// ends with FinishSamples().
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
    static SampleStage& StageOf(QWidget* sample) {
        return *static_cast<SampleStage*>(sample->parentWidget());
    }
    // Lists the samples for selection and selects the first.
    void FinishSamples();
    // A line in the event log, prefixed with the sample's name.
    void Log(const QObject* sender, const QString& what);

private:
    SampleStage* NewStage(const QString& caption);
    void Register(QWidget* control, const QString& name);

    QVBoxLayout* groups_;
    QGridLayout* group_ = nullptr;
    int columns_ = 1;
    QComboBox* chooser_;
    PropertyPanel* properties_;
    QPlainTextEdit* log_;
    QList<QWidget*> samples_;
    QList<SampleStage*> stages_;
    QWidget* selected_ = nullptr;
};

} // namespace maskwell::gallery
