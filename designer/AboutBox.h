// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace maskwell::designer {

// The about box of a control, as the designer shows it from the task menu or
// from the check box's About property.
void ShowAboutBox(QWidget* control);

} // namespace maskwell::designer
