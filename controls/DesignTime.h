// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QWidget;

namespace maskwell {

// Whether a control sits on a form in a form designer rather than in a running
// program. The designer plugin marks every control it creates; nothing else
// does, so the design-time aids stay inert in a program.
void MarkDesignTime(QWidget* control);
bool IsDesignTime(const QWidget* control);

// The about box a designer shows for a control, installed by the designer
// plugin. ShowDesignTimeAbout does nothing while none is installed.
using DesignTimeAboutBox = std::function<void(QWidget* control)>;
void SetDesignTimeAboutBox(DesignTimeAboutBox show);
void ShowDesignTimeAbout(QWidget* control);

} // namespace maskwell
