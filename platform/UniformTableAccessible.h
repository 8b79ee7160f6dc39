// SPDX-License-Identifier: MIT
#pragma once

namespace maskwell {

// For assistive technologies a TUniformTableView is a table: its children are
// the column headers, then the cells row by row. A cell's name is the model's
// Qt::AccessibleTextRole where it gives one (a model names the column there,
// "Subnet ID 10.4.0.0"), else its text; its description is the model's
// Qt::AccessibleDescriptionRole. Cells are made when asked for, never one per
// row in advance.

// The child index of a cell among those children; row -1 is the header.
int UniformTableChildIndex(int row, int column, int columns);

// Installs the interface for every TUniformTableView; once, later calls do nothing.
void InstallUniformTableAccessibility();

} // namespace maskwell
