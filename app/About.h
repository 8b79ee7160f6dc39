// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

class QFrame;

namespace maskwell {

class TBevel;
class TLabel3D;
class TQlFancyButton;

// The About window: product name, version, maker, copyright and the maker's
// web address as a link, with an OK button. While it is up the main window is
// hidden; OK, or closing it any way, brings the main window back as it was.
// OK has the focus when it opens; Tab moves between OK and the link.
class TAboutF : public QWidget {
    Q_OBJECT

public:
    // The maker's web address, shown by the link label and opened by a click.
    static const QString kWebAddress;

    explicit TAboutF(QWidget& mainWindow);

    // Shows this window over the centre of the main window, which it hides.
    // The controls below exist from the first showing on.
    void ShowInsteadOf(QWidget& mainWindow);

    void OkBClick();
    void Label3D5Click();
    void Label3D5MouseEnter();
    void Label3D5MouseExit();
    void Panel1MouseDown(QMouseEvent* event);

    QFrame* Panel1 = nullptr;
    TLabel3D* Label3D3 = nullptr;
    TBevel* Bevel1 = nullptr;
    TLabel3D* Label3D1 = nullptr;
    TLabel3D* Label3D4 = nullptr;
    TLabel3D* Label3D2 = nullptr;
    TLabel3D* Label3D5 = nullptr;
    TQlFancyButton* OkB = nullptr;

protected:
    // FormClose: a close is a hide that brings the main window back.
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();

    QWidget& mainWindow_;
};

} // namespace maskwell
