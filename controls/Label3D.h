// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "platform/Color.h"
#include "platform/ControlTypes.h"

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

class QPainter;

namespace maskwell {

namespace Label3D {
Q_NAMESPACE

// The look of the text: flat, or drawn over one or two offset copies in the
// shadow and highlight colours.
enum TTextStyle { tsNone, tsRaised, tsLightRaised, tsRecessed, tsHeavyRecessed, tsShadow };
Q_ENUM_NS(TTextStyle)

// A plain rectangle in the border pen, or a one-pixel-style bevel.
enum TBorderType { btDefault, btRecessed, btRaised };
Q_ENUM_NS(TBorderType)

// The link styles turn the label into a web or e-mail address that opens on a
// click and lights up under the pointer.
enum TLabelStyle { lsDefault, lsWWWAddress, lsEMailAddress };
Q_ENUM_NS(TLabelStyle)

// Trimming of text that does not fit the label.
enum TEllipsesStyle { esNone, esEnd, esPath };
Q_ENUM_NS(TEllipsesStyle)

// An escapement brought into 0..360: -30 gives 330, -360 gives 0, 360 stays
// 360, 361 gives 1 and 720 gives 360.
int NormalizedEscapement(int degrees);

// Where text rotated counter-clockwise by angle degrees (0..360) starts inside
// its bounding box, and the size of that box, for text whose unrotated extent
// is extent. Every product is truncated toward zero on its own, as the
// label's layout always has been.
struct TRotatedTextBox {
    QPoint origin;
    QSize size;
};
TRotatedTextBox RotatedTextBox(int angle, QSize extent);

} // namespace Label3D

// A text label that adds raised, recessed and shadowed text, rotated text, a
// border, web and e-mail link styles and ellipsis trimming to the plain label.
// It paints only its text and border, so its parent shows through everywhere
// else unless Transparent is off.
//
// A label takes no focus unless given a focus policy: then it is a link the
// keyboard reaches, drawn with a focus frame while it has the focus and
// clicked by Return, Enter or Space.
class TLabel3D : public QWidget {
    Q_OBJECT
    // Published for forms, the label's own properties first. BorderWidth and
    // the plain label's AutoSize, Alignment, Layout, WordWrap and
    // ShowAccelChar have a default that a form leaves out (RESET); an empty
    // Address is left out as well.
    Q_PROPERTY(QColor BorderColor READ BorderColorRgb WRITE setBorderColor)
    Q_PROPERTY(maskwell::ControlTypes::TPenStyle BorderPenStyle READ BorderPenStyle WRITE
                   setBorderPenStyle)
    Q_PROPERTY(int BorderWidth READ BorderWidth WRITE setBorderWidth RESET ResetBorderWidth)
    Q_PROPERTY(bool Border READ Border WRITE setBorder)
    Q_PROPERTY(maskwell::Label3D::TBorderType BorderType READ BorderType WRITE setBorderType)
    Q_PROPERTY(int Escapement READ Escapement WRITE setEscapement)
    Q_PROPERTY(maskwell::Label3D::TTextStyle TextStyle READ TextStyle WRITE setTextStyle)
    Q_PROPERTY(maskwell::Label3D::TLabelStyle LabelStyle READ LabelStyle WRITE setLabelStyle)
    Q_PROPERTY(QString Address READ Address WRITE setAddress RESET ResetAddress)
    Q_PROPERTY(
        maskwell::Label3D::TEllipsesStyle EllipsesStyle READ EllipsesStyle WRITE setEllipsesStyle)
    Q_PROPERTY(int Shift READ Shift WRITE setShift)
    Q_PROPERTY(maskwell::ControlTypes::TAlignment Alignment READ Alignment WRITE setAlignment RESET
                   ResetAlignment)
    Q_PROPERTY(
        bool AutoSize READ AutoSize WRITE setAutoSize RESET ResetAutoSize NOTIFY AutoSizeChanged)
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor Color READ ColorRgb WRITE setColor)
    Q_PROPERTY(QFont Font READ Font WRITE SetFont NOTIFY FontChanged)
    Q_PROPERTY(QColor FontColor READ FontColorRgb WRITE setFontColor NOTIFY FontColorChanged)
    Q_PROPERTY(
        maskwell::ControlTypes::TTextLayout Layout READ Layout WRITE SetLayout RESET ResetLayout)
    Q_PROPERTY(
        bool ShowAccelChar READ ShowAccelChar WRITE setShowAccelChar RESET ResetShowAccelChar)
    Q_PROPERTY(bool Transparent READ Transparent WRITE setTransparent)
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap RESET ResetWordWrap)

public:
    explicit TLabel3D(QWidget* parent = nullptr);
    // A label that starts in the given font instead of the default 11 pixel
    // "Arial": a form that sets its own font at once never measures (nor
    // looks up) the default one.
    TLabel3D(const QFont& font, QWidget* parent);

    // The label's own properties, in their published order.
    TColor BorderColor() const { return borderColor_; }
    void SetBorderColor(TColor color);
    TPenStyle BorderPenStyle() const { return borderPenStyle_; }
    void SetBorderPenStyle(TPenStyle style);
    int BorderWidth() const { return borderWidth_; }
    void SetBorderWidth(int width);
    bool Border() const { return border_; }
    void SetBorder(bool border);
    Label3D::TBorderType BorderType() const { return borderType_; }
    void SetBorderType(Label3D::TBorderType type);
    // Degrees counter-clockwise; stored normalised into 0..360. Any value but 0
    // draws through the rotated path, 360 included.
    int Escapement() const { return escapement_; }
    void SetEscapement(int degrees);
    Label3D::TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(Label3D::TTextStyle style);
    Label3D::TLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(Label3D::TLabelStyle style);
    // The web address, or the e-mail address without "mailto:", that a click
    // opens in a link style.
    const QString& Address() const { return address_; }
    void SetAddress(const QString& address) { address_ = address; }
    Label3D::TEllipsesStyle EllipsesStyle() const { return ellipsesStyle_; }
    void SetEllipsesStyle(Label3D::TEllipsesStyle style);
    // Offset of the tsShadow copy in pixels, right and down; 0 and negative
    // values are taken as they are.
    int Shift() const { return shift_; }
    void SetShift(int pixels);

    // The plain label's properties.
    TAlignment Alignment() const { return alignment_; }
    void SetAlignment(TAlignment alignment);
    // Sizes the label to its unrotated text whenever the text, the font or the
    // wrapping changes (keeping the right edge for taRightJustify); painting
    // rotated text sizes it to the rotated text's bounding box.
    bool AutoSize() const { return autoSize_; }
    void SetAutoSize(bool autoSize);
    const QString& Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    // The background, drawn only when Transparent is off.
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    // The label's own enabled state; a disabled label draws its main text in
    // clGrayText.
    bool Enabled() const { return !testAttribute(Qt::WA_ForceDisabled); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    // Alt with the caption's accelerator focuses this control.
    QWidget* FocusControl() const { return focusControl_; }
    void SetFocusControl(QWidget* control);
    // Font.Name, Font.Size and Font.Style; the label keeps its own font and
    // never takes its parent's.
    const QFont& Font() const { return font_; }
    void SetFont(const QFont& font);
    // Font.Color.
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);
    TTextLayout Layout() const { return layout_; }
    void SetLayout(TTextLayout layout);
    bool ShowAccelChar() const { return showAccelChar_; }
    void SetShowAccelChar(bool show);
    bool Transparent() const { return transparent_; }
    void SetTransparent(bool transparent);
    bool WordWrap() const { return wordWrap_; }
    void SetWordWrap(bool wordWrap);

    // The colour properties as forms and the designer hold them, and the
    // streaming defaults a form leaves out.
    MASKWELL_RGB_ACCESSORS(BorderColor)
    MASKWELL_RGB_ACCESSORS(Color)
    MASKWELL_RGB_ACCESSORS(FontColor)
    void ResetBorderWidth() { SetBorderWidth(1); }
    void ResetAddress() { SetAddress({}); }
    void ResetAlignment() { SetAlignment(taLeftJustify); }
    void ResetAutoSize() { SetAutoSize(true); }
    void ResetLayout() { SetLayout(tlTop); }
    void ResetShowAccelChar() { SetShowAccelChar(true); }
    void ResetWordWrap() { SetWordWrap(false); }

    // The setters forms compiled by uic call (set + the property name); each
    // hands the value to the setter above, so its rules apply.
    void setBorderColor(const QColor& value) { SetBorderColorRgb(value); }
    void setBorderPenStyle(ControlTypes::TPenStyle value) { SetBorderPenStyle(value); }
    void setBorderWidth(int value) { SetBorderWidth(value); }
    void setBorder(bool value) { SetBorder(value); }
    void setBorderType(Label3D::TBorderType value) { SetBorderType(value); }
    void setEscapement(int value) { SetEscapement(value); }
    void setTextStyle(Label3D::TTextStyle value) { SetTextStyle(value); }
    void setLabelStyle(Label3D::TLabelStyle value) { SetLabelStyle(value); }
    void setAddress(const QString& value) { SetAddress(value); }
    void setEllipsesStyle(Label3D::TEllipsesStyle value) { SetEllipsesStyle(value); }
    void setShift(int value) { SetShift(value); }
    void setAlignment(ControlTypes::TAlignment value) { SetAlignment(value); }
    void setAutoSize(bool value) { SetAutoSize(value); }
    void setCaption(const QString& value) { SetCaption(value); }
    void setColor(const QColor& value) { SetColorRgb(value); }
    void setFontColor(const QColor& value) { SetFontColorRgb(value); }
    void setShowAccelChar(bool value) { SetShowAccelChar(value); }
    void setTransparent(bool value) { SetTransparent(value); }
    void setWordWrap(bool value) { SetWordWrap(value); }

    // A link style is set (the label opens its Address when clicked).
    bool IsLink() const { return labelStyle_ != Label3D::lsDefault; }
    // Clicks the label as the pointer does: the link action of the link
    // styles, then Clicked. The action an assistive technology's "press" runs.
    void Activate() { Click(); }

signals:
    // Every click, after the link action of the link styles.
    void Clicked();
    // The second press of a double click (which is no click of its own).
    void DoubleClicked();
    // The pointer entered or left the label, after the hover look of the link
    // styles has been put on or taken off.
    void MouseEntered();
    void MouseExited();
    // AutoSize goes off when an ellipsis style is set; a link's hover look
    // underlines the font and recolours it.
    void AutoSizeChanged();
    void FontChanged();
    void FontColorChanged();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

    // The link action of the link styles, then Clicked.
    virtual void Click();

    // Rectangles below have the desktop's edges: rect.left() .. rect.right()
    // and rect.top() .. rect.bottom() are Left .. Right and Top .. Bottom.
    void DrawBevelFrame(QPainter& painter, const QRect& rect, TColor topLeft, TColor bottomRight);
    void DrawLabelText(QPainter& painter, const QRect& rect, unsigned flags);
    void DrawRotatedText(QPainter& painter, const QRect& rect, const QString& text, int angle);
    void CalcRotatedTextPosition(QRect& rect, int angle, const QString& text);

private:
    void Paint();
    void DrawTextPass(QPainter& painter, const QRect& rect, unsigned flags, QPoint offset,
                      TColor color);
    void MouseEnter();
    void MouseExit();
    void AdjustBounds();
    QSize ShadowRoom() const;
    void UpdateAccelerator();

    TColor borderColor_ = clRed;
    TPenStyle borderPenStyle_ = psSolid;
    int borderWidth_ = 1;
    bool border_ = false;
    Label3D::TBorderType borderType_ = Label3D::btDefault;
    int escapement_ = 0;
    Label3D::TTextStyle textStyle_ = Label3D::tsRaised;
    Label3D::TLabelStyle labelStyle_ = Label3D::lsDefault;
    QString address_;
    Label3D::TEllipsesStyle ellipsesStyle_ = Label3D::esNone;
    int shift_ = 1;

    TAlignment alignment_ = taLeftJustify;
    bool autoSize_ = true;
    QString caption_;
    TColor color_ = clBtnFace;
    QPointer<QWidget> focusControl_;
    int acceleratorId_ = 0;
    QFont font_;
    TColor fontColor_ = clWindowText;
    TTextLayout layout_ = tlTop;
    bool showAccelChar_ = true;
    bool transparent_ = false;
    bool wordWrap_ = false;

    const TColor shadowColor_ = clBtnShadow;
    const TColor highlightColor_ = clBtnHighlight;
    const TColor linkHoverColor_ = clRed;
    TColor savedFontColor_ = clWindowText;
    bool clicked_ = false;
};

} // namespace maskwell
