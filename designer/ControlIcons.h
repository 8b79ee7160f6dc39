// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

class QWidget;

namespace maskwell::designer {

// A widget box icon: the sample control drawn by itself, scaled into a square.
// Takes ownership of the sample and deletes it.
QIcon IconOf(QWidget* sample);

} // namespace maskwell::designer
