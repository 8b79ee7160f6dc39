// SPDX-License-Identifier: MIT
#pragma once

#include "core/AddressInput.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace maskwell {

class TSubnetListModel;
class TUniformTableView;

// The "Subnets" window: every subnet of the address's classful network at the
// chosen mask, one row each, beside the main window. The main window feeds it
// each new address and mask (Follow); the row holding the address is selected
// and brought into view. "Go to" selects the row of any address typed there
// (a digit typed in the list starts it), Enter or a double-click on a row
// hands that subnet's ID back as SubnetChosen, Ctrl+C copies the selected rows
// as tab-separated text under a line of column names, and Export writes the
// whole list as CSV. Escape closes it; Ctrl+L goes back to the main window,
// its parent, which keeps it above itself and ends it with itself.
class TSubnetsWindow : public QWidget {
    Q_OBJECT

public:
    explicit TSubnetsWindow(QWidget* parent = nullptr);

    // Lists the subnets of the address's network at its mask bits (none
    // without a mask: the list says why) and selects the address's row.
    void Follow(const AddressInput& address);
    // Selects the row of the address in text; otherwise says why not, beside
    // the field. Returns whether a row was selected.
    bool GoTo(const QString& text);
    // The selected rows, in order, as tab-separated lines after the column names.
    QString SelectedRowsText() const;
    void CopySelectedRows();
    // Writes the whole list as CSV, the column names first; throws WriteError
    // and leaves an existing file as it was when the file cannot be written.
    void ExportTo(const QString& path) const;

    TUniformTableView* View() const { return view_; }
    QLineEdit* GoToField() const { return goTo_; }
    QLabel* Summary() const { return summary_; }

signals:
    // A row was chosen with Enter or a double-click: its subnet ID, dotted.
    void SubnetChosen(const QString& subnetId);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void BindEvents();
    void SelectRow(int row);
    void SayWhyNot(const QString& reason);
    void ChooseRow(const QModelIndex& index);
    void Export();
    void BackToMainWindow();

    TSubnetListModel* model_ = nullptr;
    TUniformTableView* view_ = nullptr;
    QLabel* summary_ = nullptr;
    QLineEdit* goTo_ = nullptr;
    QLabel* goToResult_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* export_ = nullptr;
    QPushButton* close_ = nullptr;
};

} // namespace maskwell
