// SPDX-License-Identifier: MIT
#pragma once

#include "controls/ColorProperty.h"
#include "controls/QlFancyButtonSettings.h"
#include "platform/Color.h"

#include <QColor>
#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <optional>

class QPainter;
class QShortcut;

namespace maskwell {

namespace QlFancyButton {

// What the layout needs to place glyph and caption inside a control.
struct LayoutInput {
    TBmpLayout layout = lyLeft;
    QSize control;     // W x H
    int cellWidth = 0; // width of one glyph cell
    int glyphHeight = 0;
    int distance = 0; // pixels between glyph and caption
    QSize text;       // caption extent
};

struct LayoutPositions {
    QPoint glyph;
    QPoint caption;
};

// Centres glyph and caption together along the layout's axis and each by
// itself across it; with no room left the offset falls back to 0. Divisions
// truncate toward zero, so a caption wider than the control starts at a
// negative position.
LayoutPositions CalcLayout(const LayoutInput& input);

// Rounds to the nearest integer, halves to even.
int RoundHalfEven(double value);

// Ring i of a frame n pixels wide: the frame colour moved toward the face
// colour by sqrt(n^2 - (n - i)^2) / n, a quarter-circle profile.
QColor GradientRingColor(const QColor& face, const QColor& frame, int ring, int frameWidth);

// percent per cent of the frame colour mixed into the face colour.
QColor BlendColors(const QColor& face, const QColor& frame, int percent);

// The corner ellipse's size of a shape: the shorter side for a capsule, twice
// the corner radius for a rounded rectangle (an oval has no corners).
int CornerSize(TBtnShape shape, QSize control, int cornerRadius);

} // namespace QlFancyButton

// A push button drawn entirely by the program: a face in one of three shapes
// inside a frame that shades from the frame colour into the face colour, a
// sunken look while pressed, a caption with a lowered, raised or shadowed
// copy that takes the hover colour while the pointer is over the face, and an
// optional glyph cell from a strip of up to four images.
//
// It paints only what it draws: the parent shows through everywhere else (with
// fmNone only glyph and caption). After its first paint it is never larger
// than 145 x 145. It owns its two settings objects; a change to either
// repaints it.
//
// The caption's accelerator ("&x") clicks the button while it is enabled and
// visible, in two ways: Alt+x anywhere in its window (a window shortcut), and
// the plain x (Shift allowed) when the widget with the focus does not take the
// key itself, so that the key press travels up to the window unaccepted. A
// focused edit field keeps its letters.
//
// It takes no focus unless given a focus policy; then it shows a focus frame
// while it has the focus and Space, Return or Enter click it.
class TQlFancyButton : public QWidget {
    Q_OBJECT
    // Published for forms. The two settings objects are published property by
    // property, each name led by its object's: FancyEffects.FaceColor is
    // FancyEffects_FaceColor. The setters are the settings objects' own.
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ FontColorRgb WRITE setFontColor)
    Q_PROPERTY(QColor FancyEffects_FaceColor READ EffectsFaceColor WRITE setFancyEffects_FaceColor
                   NOTIFY FancyEffectsChanged)
    Q_PROPERTY(QColor FancyEffects_FrameColor READ EffectsFrameColor WRITE
                   setFancyEffects_FrameColor NOTIFY FancyEffectsChanged)
    Q_PROPERTY(maskwell::QlFancyButton::TFrameStyle FancyEffects_FrameStyle READ EffectsFrameStyle
                   WRITE setFancyEffects_FrameStyle NOTIFY FancyEffectsChanged)
    Q_PROPERTY(int FancyEffects_FrameWidth READ EffectsFrameWidth WRITE setFancyEffects_FrameWidth
                   NOTIFY FancyEffectsChanged)
    Q_PROPERTY(QColor FancyEffects_HoverColor READ EffectsHoverColor WRITE
                   setFancyEffects_HoverColor NOTIFY FancyEffectsChanged)
    Q_PROPERTY(maskwell::QlFancyButton::TBtnShape FancyEffects_Shape READ EffectsShape WRITE
                   setFancyEffects_Shape NOTIFY FancyEffectsChanged)
    Q_PROPERTY(int FancyEffects_CornerRadius READ EffectsCornerRadius WRITE
                   setFancyEffects_CornerRadius NOTIFY FancyEffectsChanged)
    Q_PROPERTY(maskwell::QlFancyButton::TTextStyle FancyEffects_TextStyle READ EffectsTextStyle
                   WRITE setFancyEffects_TextStyle NOTIFY FancyEffectsChanged)
    Q_PROPERTY(QPixmap Glyphs_Glyph READ GlyphsGlyph WRITE setGlyphs_Glyph NOTIFY GlyphsChanged)
    Q_PROPERTY(maskwell::QlFancyButton::TBmpLayout Glyphs_Layout READ GlyphsLayout WRITE
                   setGlyphs_Layout NOTIFY GlyphsChanged)
    Q_PROPERTY(int Glyphs_Number READ GlyphsNumber WRITE setGlyphs_Number NOTIFY GlyphsChanged)
    Q_PROPERTY(
        int Glyphs_Distance READ GlyphsDistance WRITE setGlyphs_Distance NOTIFY GlyphsChanged)

public:
    static constexpr int kMaxSize = 145;

    explicit TQlFancyButton(QWidget* parent = nullptr);
    ~TQlFancyButton() override;

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    bool Enabled() const { return isEnabled(); }
    void SetEnabled(bool enabled) { setEnabled(enabled); }
    TQlEffect* FancyEffects() const { return effects_; }
    TQlGlyph* Glyphs() const { return glyphs_; }
    // The font's colour; the font itself is the widget's font().
    TColor FontColor() const { return fontColor_; }
    void SetFontColor(TColor color);

    // The settings objects' properties as forms hold them.
    MASKWELL_RGB_ACCESSORS(FontColor)
    QColor EffectsFaceColor() const { return ResolveColor(effects_->FaceColor()); }
    void SetEffectsFaceColor(const QColor& color) { effects_->SetFaceColor(ToTColor(color)); }
    QColor EffectsFrameColor() const { return ResolveColor(effects_->FrameColor()); }
    void SetEffectsFrameColor(const QColor& color) { effects_->SetFrameColor(ToTColor(color)); }
    QlFancyButton::TFrameStyle EffectsFrameStyle() const { return effects_->FrameStyle(); }
    void SetEffectsFrameStyle(QlFancyButton::TFrameStyle style) { effects_->SetFrameStyle(style); }
    int EffectsFrameWidth() const { return effects_->FrameWidth(); }
    void SetEffectsFrameWidth(int width) { effects_->SetFrameWidth(width); }
    QColor EffectsHoverColor() const { return ResolveColor(effects_->HoverColor()); }
    void SetEffectsHoverColor(const QColor& color) { effects_->SetHoverColor(ToTColor(color)); }
    QlFancyButton::TBtnShape EffectsShape() const { return effects_->Shape(); }
    void SetEffectsShape(QlFancyButton::TBtnShape shape) { effects_->SetShape(shape); }
    int EffectsCornerRadius() const { return effects_->CornerRadius(); }
    void SetEffectsCornerRadius(int radius) { effects_->SetCornerRadius(radius); }
    QlFancyButton::TTextStyle EffectsTextStyle() const { return effects_->TextStyle(); }
    void SetEffectsTextStyle(QlFancyButton::TTextStyle style) { effects_->SetTextStyle(style); }
    QPixmap GlyphsGlyph() const { return QPixmap::fromImage(glyphs_->Glyph()); }
    void SetGlyphsGlyph(const QPixmap& glyph) { glyphs_->SetGlyph(glyph.toImage()); }
    QlFancyButton::TBmpLayout GlyphsLayout() const { return glyphs_->Layout(); }
    void SetGlyphsLayout(QlFancyButton::TBmpLayout layout) { glyphs_->SetLayout(layout); }
    int GlyphsNumber() const { return glyphs_->Number(); }
    void SetGlyphsNumber(int number) { glyphs_->SetNumber(number); }
    int GlyphsDistance() const { return glyphs_->Distance(); }
    void SetGlyphsDistance(int distance) { glyphs_->SetDistance(distance); }

    // The setters forms compiled by uic call (set + the property name); each
    // hands the value to the setter above, so its rules apply.
    void setCaption(const QString& value) { SetCaption(value); }
    void setFontColor(const QColor& value) { SetFontColorRgb(value); }
    void setFancyEffects_FaceColor(const QColor& value) { SetEffectsFaceColor(value); }
    void setFancyEffects_FrameColor(const QColor& value) { SetEffectsFrameColor(value); }
    void setFancyEffects_FrameStyle(QlFancyButton::TFrameStyle value) {
        SetEffectsFrameStyle(value);
    }
    void setFancyEffects_FrameWidth(int value) { SetEffectsFrameWidth(value); }
    void setFancyEffects_HoverColor(const QColor& value) { SetEffectsHoverColor(value); }
    void setFancyEffects_Shape(QlFancyButton::TBtnShape value) { SetEffectsShape(value); }
    void setFancyEffects_CornerRadius(int value) { SetEffectsCornerRadius(value); }
    void setFancyEffects_TextStyle(QlFancyButton::TTextStyle value) { SetEffectsTextStyle(value); }
    void setGlyphs_Glyph(const QPixmap& value) { SetGlyphsGlyph(value); }
    void setGlyphs_Layout(QlFancyButton::TBmpLayout value) { SetGlyphsLayout(value); }
    void setGlyphs_Number(int value) { SetGlyphsNumber(value); }
    void setGlyphs_Distance(int value) { SetGlyphsDistance(value); }

    // Reports Clicked as a click does: the action an assistive technology's
    // "press" runs.
    void Activate() { FireClick(); }

    // True when the client point lies on the face.
    bool PtInShape(int x, int y) const;
    // percent per cent of the frame colour mixed into the face colour.
    QColor BlendFaceFrame(int percent) const;

    // The pointer state: hot while the last move was over the face, pressed
    // from a press on the face until its release, and the glyph cell's image
    // index (1 normal, 2 disabled, 3 pressed, 4 hot).
    bool Hot() const { return hot_; }
    bool Pressed() const { return pressed_; }
    int ImageIndex() const { return imageIndex_; }

signals:
    // A left or middle button released over the face it was pressed on, the
    // accelerator, or Space, Return or Enter with the focus.
    void Clicked();
    // Every press, release and move over the control (or, with a button held,
    // anywhere), in client coordinates, before the button's own handling.
    void MousePressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseReleased(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint position);
    void MouseMoved(Qt::KeyboardModifiers modifiers, QPoint position);
    // A settings object changed (the button repaints too).
    void FancyEffectsChanged();
    void GlyphsChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // The click hook of a left release over the control: the click itself is
    // fired by the release handling, so this only invalidates.
    virtual void Click();

    void Paint(QPainter& painter);
    void DrawDesignOutline(QPainter& painter);
    void DrawGradientFrame(QPainter& painter);
    void DrawPressedFrame(QPainter& painter);
    void CalcLayout(QPainter& painter);
    void DrawGlyph(QPainter& painter);
    void DrawCaption(QPainter& painter);

private:
    void ButtonDown(QMouseEvent* event);
    void PointerLeft();
    int RestingIndex() const;
    void FireClick();
    void Fill(QPainter& painter, const QRegion& region, const QColor& color);
    int CornerSize() const;
    QColor Resolved(TColor color) const;
    void UpdateAccelerator();
    void WatchWindow();
    bool AcceleratorKey(QKeyEvent& key);

    QString caption_;
    TColor fontColor_ = clWindowText;
    TQlEffect* effects_;
    TQlGlyph* glyphs_;

    bool pressed_ = false;
    bool hot_ = false;
    int imageIndex_ = 1;
    int cellWidth_ = 0;
    QSize textSize_;
    QPoint glyphPos_;
    QPoint captionPos_;
    // The canvas brush after the frame's last fill; none with a clear brush.
    std::optional<QColor> brush_;

    QShortcut* altShortcut_ = nullptr;
    QPointer<QWidget> watchedWindow_;
};

} // namespace maskwell
