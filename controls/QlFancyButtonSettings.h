// SPDX-License-Identifier: MIT
#pragma once

#include "platform/Color.h"

#include <QImage>
#include <QObject>

namespace maskwell {

// The fancy button's own enumerations. They live in a namespace of their own
// because the 3D label has a TTextStyle of its own with other values.
namespace QlFancyButton {
Q_NAMESPACE

enum TFrameStyle { fmNone, fmGradient };
Q_ENUM_NS(TFrameStyle)
enum TBtnShape { btnCapsule, btnOval, btnRectangle };
Q_ENUM_NS(TBtnShape)
enum TTextStyle { txNone, txLowered, txRaised, txShadowed };
Q_ENUM_NS(TTextStyle)
enum TBmpLayout { lyLeft, lyTop, lyRight, lyBottom, lyCenter };
Q_ENUM_NS(TBmpLayout)

inline constexpr int kMinFrameWidth = 3;
inline constexpr int kMaxFrameWidth = 14;
inline constexpr int kMaxCornerRadius = 145;
inline constexpr int kMaxGlyphNumber = 4;

} // namespace QlFancyButton

// The look of a fancy button: face and frame, hover colour, shape and caption
// effect. Every setter ignores a value equal to the stored one; otherwise it
// stores the value, clamps it where the property has limits and reports
// Changed, which the owning button repaints on. The equality test comes
// before the clamp, so FrameWidth 20 over a stored 14 stores 14 again and
// still reports.
class TQlEffect : public QObject {
    Q_OBJECT

public:
    explicit TQlEffect(QObject* parent = nullptr);

    TColor FaceColor() const { return faceColor_; }
    void SetFaceColor(TColor color);
    TColor FrameColor() const { return frameColor_; }
    void SetFrameColor(TColor color);
    QlFancyButton::TFrameStyle FrameStyle() const { return frameStyle_; }
    void SetFrameStyle(QlFancyButton::TFrameStyle style);
    // Pixels, kept within 3..14.
    int FrameWidth() const { return frameWidth_; }
    void SetFrameWidth(int width);
    // The caption's colour while the pointer is over the face.
    TColor HoverColor() const { return hoverColor_; }
    void SetHoverColor(TColor color);
    QlFancyButton::TBtnShape Shape() const { return shape_; }
    void SetShape(QlFancyButton::TBtnShape shape);
    // Pixels, kept within 0..145; used by btnRectangle only.
    int CornerRadius() const { return cornerRadius_; }
    void SetCornerRadius(int radius);
    QlFancyButton::TTextStyle TextStyle() const { return textStyle_; }
    void SetTextStyle(QlFancyButton::TTextStyle style);

signals:
    void Changed();

private:
    template <typename T> void Store(T& field, T value);

    TColor faceColor_ = clBtnFace;
    TColor frameColor_ = clGray;
    QlFancyButton::TFrameStyle frameStyle_ = QlFancyButton::fmGradient;
    int frameWidth_ = 4;
    TColor hoverColor_ = clBlue;
    QlFancyButton::TBtnShape shape_ = QlFancyButton::btnRectangle;
    int cornerRadius_ = 6;
    QlFancyButton::TTextStyle textStyle_ = QlFancyButton::txLowered;
};

// The glyph of a fancy button: a horizontal strip of Number equal cells
// (normal, disabled, pressed, hot), its place beside the caption and the gap
// between the two. The strip's bottom-left pixel gives the transparent colour.
// Changes report Changed, which the owning button repaints on.
class TQlGlyph : public QObject {
    Q_OBJECT

public:
    explicit TQlGlyph(QObject* parent = nullptr);

    // The strip, kept as an opaque RGB image (a bitmap has no alpha).
    const QImage& Glyph() const { return glyph_; }
    // Copies the image and reports, also when it is the same picture.
    void SetGlyph(const QImage& glyph);
    QlFancyButton::TBmpLayout Layout() const { return layout_; }
    void SetLayout(QlFancyButton::TBmpLayout layout);
    // Cells in the strip, kept within 1..4.
    int Number() const { return number_; }
    void SetNumber(int number);
    // Pixels between glyph and caption, never negative.
    int Distance() const { return distance_; }
    void SetDistance(int distance);

signals:
    void Changed();

private:
    QImage glyph_;
    QlFancyButton::TBmpLayout layout_ = QlFancyButton::lyLeft;
    int number_ = 1;
    int distance_ = 0;
};

} // namespace maskwell
