// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace maskwell {

// A modal message box with one OK button, titled with the application's name.
// Returns when the user has closed it.
void ShowNotice(QWidget* parent, const QString& text);

} // namespace maskwell
