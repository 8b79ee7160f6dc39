// SPDX-License-Identifier: MIT
#pragma once

// Maskwell's main window.
//
// How a typed address becomes results:
//  1. The user types into the address control IPE. When a field is left (or the
//     last one fills up) IPE repairs its octets and calls RebindCheckbox. The
//     multicast notice waits while the focus only moves from octet to octet:
//     it comes at the rebuild that completes the address (HoldsNoticesBack).
//  2. RebindCheckbox decides the address class, refills the four mask selectors
//     CB1..CB4 with that class's masks, carries the chosen mask over and runs
//     CB1Change.
//  3. A selector's change handler moves the other three to its row and runs
//     StartCalc, which writes the host range, subnet ID and broadcast into
//     E1..E3 and refreshes the Address Info page (CBA1, L10, EA1..EA3; held
//     by the calculator until the page is first shown and built).
//  4. A copy button (or its Ctrl+1..Ctrl+5) puts one of those texts on the
//     clipboard; Edit > Copy All puts all of them, one "label: value" line each.
//  5. For a screen reader the new results are the description of the mask
//     lists and of the Subnet Info tab (ResultsReadout.h); F6 takes the
//     keyboard to the results and back (ResultsFocus.h).
//  6. View > Subnet List opens the Subnets window, which lists every subnet
//     of the address's network at the mask and follows each new result
//     (SubnetListLink.h).
// A paste into the address control, Edit > Paste Address and an address named
// on the command line skip step 1: the text is read as a whole address (and
// mask) by the window-free reader, written into the fields, repaired, rebuilt
// once, and the given mask is selected (core/AddressEntry.h).
// The calculator itself is window-free (core/); this window builds the
// controls, shows them to the calculator through thin adapters and binds the
// user's events to the calculator's operations.

#include "app/SettingsFile.h"
#include "core/AddressInput.h"
#include "core/CalculatorState.h"

#include <QWidget>
#include <memory>
#include <optional>

class QAction;
class QClipboard;
class QComboBox;
class QFrame;
class QMenu;
class QMenuBar;
class QMouseEvent;
class QToolButton;

namespace maskwell {

class TAboutF;
class TAdvEdit;
class TBevel;
class TIniFile;
class TIPEdit;
class TLabel3D;
class TPageControl;
class TQlCheckBox;
class TResultsFocus;
class TResultsReadout;
class TSubnetListLink;
class TSubnetsWindow;
class TTabSheet;

class TMaskwellForm : public QWidget {
    Q_OBJECT

public:
    // settingsPath: where maskwell.ini is read at the first activation and
    // written when the window closes (File > Exit closes it too).
    explicit TMaskwellForm(QString settingsPath = SettingsFilePath(), QWidget* parent = nullptr);
    ~TMaskwellForm() override;

    // The window the About menu item shows while this one is hidden.
    void SetAboutWindow(TAboutF* about) { aboutWindow_ = about; }

    // An address (and mask) from the command line, taken at the first
    // activation after the stored settings, as a paste would take it.
    void SetStartAddress(const AddressInput& input) { startAddress_ = input; }

    CalculatorState& State();

    // Builds the Address Info page's controls, which otherwise wait until the
    // page is first shown; once only. Until then CBA1, L10, EA1.. are null.
    void BuildAddressInfoPage();
    bool Activated() const { return activated_; }
    // The Subnets window, null until first opened.
    TSubnetsWindow* SubnetsWindow() const;

    // The calculator's operations on this window's controls.
    void RebindCheckbox();
    void StartCalc();
    // Reads text as an address (and mask) and takes it, or says what it expects.
    void PasteAddress(const QString& text);
    // The results as one plain text, as Copy All puts them on the clipboard.
    QString ResultSummary();

    // Event handlers, named after their control and event.
    void FormActivate();
    void FormClose();
    void FormDestroy();
    void Exit1Click();
    void CopyAll1Click();
    void PasteAddress1Click();
    void UseInversedMask1Click();
    void GoToResults1Click();
    void SubnetList1Click();
    void About1Click();
    void TabSheet1MouseDown(QMouseEvent* event);
    void CB1Change();
    void CB2Change();
    void CB3Change();
    void CB4Change();
    void ChB1Click();
    void CBA1Change();
    void SpeedButton1Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton8Click();

    // The controls, named as in the window's form.
    QMenuBar* MainMenu1 = nullptr;
    QMenu* Quit1 = nullptr;
    QAction* Exit1 = nullptr;
    QMenu* Edit1 = nullptr;
    QAction* CopyAll1 = nullptr;
    QAction* PasteAddress1 = nullptr;
    QAction* UseInversedMask1 = nullptr;
    QAction* GoToResults1 = nullptr;
    QMenu* View1 = nullptr;
    QAction* SubnetList1 = nullptr;
    QAction* About1 = nullptr;
    QFrame* Panel1 = nullptr;
    QFrame* Panel2 = nullptr;
    TLabel3D* Label3D2 = nullptr;
    TIPEdit* IPE = nullptr;
    QToolButton* SpeedButton8 = nullptr;
    QFrame* Panel3 = nullptr;
    TPageControl* PageControl1 = nullptr;
    TTabSheet* TabSheet1 = nullptr;
    TQlCheckBox* ChB1 = nullptr;
    TBevel* Bevel1 = nullptr;
    TBevel* Bevel2 = nullptr;
    QFrame* Panel4 = nullptr;
    TLabel3D* Label3D1 = nullptr;
    TLabel3D* Label3D3 = nullptr;
    QComboBox* CB1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QComboBox* CB2 = nullptr;
    TLabel3D* Label3D4 = nullptr;
    TLabel3D* Label3D5 = nullptr;
    QComboBox* CB3 = nullptr;
    QComboBox* CB4 = nullptr;
    TLabel3D* Label3D6 = nullptr;
    TAdvEdit* E1 = nullptr;
    QToolButton* SpeedButton3 = nullptr;
    TLabel3D* Label3D7 = nullptr;
    TLabel3D* Label3D8 = nullptr;
    TAdvEdit* E2 = nullptr;
    QToolButton* SpeedButton4 = nullptr;
    TAdvEdit* E3 = nullptr;
    QToolButton* SpeedButton5 = nullptr;
    TTabSheet* TabSheet2 = nullptr;
    TBevel* Bevel3 = nullptr;
    TLabel3D* Label3D9 = nullptr;
    QComboBox* CBA1 = nullptr;
    TLabel3D* L10 = nullptr;
    TAdvEdit* EA1 = nullptr;
    TLabel3D* Label3D11 = nullptr;
    TAdvEdit* EA2 = nullptr;
    TLabel3D* Label3D12 = nullptr;
    TAdvEdit* EA3 = nullptr;
    TBevel* Bevel4 = nullptr;
    TBevel* Bevel5 = nullptr;
    TBevel* Bevel6 = nullptr;
    TBevel* Bevel7 = nullptr;

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    class Calculator;

    // The form: every control with its box, texts, lists and looks (MainLayout.cpp).
    void CreateControls();
    void CreateAddressLine();
    void CreateSubnetInfoPage();
    void CreateAddressInfoPage();
    void CreateMenu();
    void BindEvents();
    void BindCopyButton(QToolButton* button, int digit, void (TMaskwellForm::*handler)());
    void BindResults();

    void CopyToClipboard(const QString& text);
    bool HoldsNoticesBack() const;
    void RepairStoredAddress();
    void RepairTakenAddress();

    QString settingsPath_;
    std::unique_ptr<Calculator> calculator_;
    TResultsReadout* resultsReadout_ = nullptr;
    TResultsFocus* resultsFocus_ = nullptr;
    TSubnetListLink* subnetList_ = nullptr;
    TAboutF* aboutWindow_ = nullptr;
    std::optional<AddressInput> startAddress_;
    bool activated_ = false;
    bool activating_ = false;
    bool loadingReplacedAddress_ = false;
    bool shownOnce_ = false;
    QClipboard* Clip = nullptr;
    std::unique_ptr<TIniFile> Ini;
};

} // namespace maskwell
