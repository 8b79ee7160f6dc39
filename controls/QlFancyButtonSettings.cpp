// SPDX-License-Identifier: MIT
#include "controls/QlFancyButtonSettings.h"

#include <algorithm>

namespace maskwell {

using namespace QlFancyButton;

TQlEffect::TQlEffect(QObject* parent) : QObject(parent) {}

template <typename T> void TQlEffect::Store(T& field, T value) {
    if (field == value)
        return;
    field = value;
    emit Changed();
}

void TQlEffect::SetFaceColor(TColor color) {
    Store(faceColor_, color);
}

void TQlEffect::SetFrameColor(TColor color) {
    Store(frameColor_, color);
}

void TQlEffect::SetFrameStyle(TFrameStyle style) {
    Store(frameStyle_, style);
}

void TQlEffect::SetFrameWidth(int width) {
    if (width == frameWidth_)
        return;
    frameWidth_ = std::clamp(width, kMinFrameWidth, kMaxFrameWidth);
    emit Changed();
}

void TQlEffect::SetHoverColor(TColor color) {
    Store(hoverColor_, color);
}

void TQlEffect::SetShape(TBtnShape shape) {
    Store(shape_, shape);
}

void TQlEffect::SetCornerRadius(int radius) {
    if (radius == cornerRadius_)
        return;
    cornerRadius_ = std::clamp(radius, 0, kMaxCornerRadius);
    emit Changed();
}

void TQlEffect::SetTextStyle(TTextStyle style) {
    Store(textStyle_, style);
}

TQlGlyph::TQlGlyph(QObject* parent) : QObject(parent) {}

void TQlGlyph::SetGlyph(const QImage& glyph) {
    glyph_ = glyph.convertToFormat(QImage::Format_RGB32);
    emit Changed();
}

void TQlGlyph::SetLayout(TBmpLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    emit Changed();
}

void TQlGlyph::SetNumber(int number) {
    if (number == number_)
        return;
    number_ = std::clamp(number, 1, kMaxGlyphNumber);
    emit Changed();
}

void TQlGlyph::SetDistance(int distance) {
    if (distance == distance_)
        return;
    distance_ = std::max(distance, 0);
    emit Changed();
}

} // namespace maskwell
