// SPDX-License-Identifier: MIT
#include "controls/QlFancyButton.h"

#include "controls/DesignTime.h"
#include "platform/Accelerator.h"
#include "platform/ErrorBox.h"
#include "platform/Region.h"
#include "platform/TextDrawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>
#include <cmath>

namespace maskwell {

using namespace QlFancyButton;

namespace QlFancyButton {

LayoutPositions CalcLayout(const LayoutInput& input) {
    const int w = input.control.width();
    const int h = input.control.height();
    const int c = input.cellWidth;
    const int gh = input.glyphHeight;
    const int d = input.distance;
    const int tw = input.text.width();
    const int th = input.text.height();

    // Room on each side of glyph and caption placed side by side, or stacked.
    const int besideMargin = d + c + tw < w ? (w - c - d - tw) / 2 : 0;
    const int stackedMargin = gh + d + th < h ? (h - gh - d - th) / 2 : 0;
    const int glyphAcross = c < w ? (w - c) / 2 : 0;
    const int glyphDown = h > gh ? (h - gh) / 2 : 0;

    LayoutPositions at;
    switch (input.layout) {
    case lyLeft:
        at.glyph = {besideMargin, glyphDown};
        at.caption = {at.glyph.x() + c + d, (h - th) / 2};
        break;
    case lyRight:
        at.glyph = {w - besideMargin - c, glyphDown};
        at.caption = {at.glyph.x() - tw - d, (h - th) / 2};
        break;
    case lyTop:
        at.glyph = {glyphAcross, stackedMargin};
        at.caption = {(w - tw) / 2, at.glyph.y() + gh + d};
        break;
    case lyBottom:
        at.glyph = {glyphAcross, h - stackedMargin - gh};
        at.caption = {(w - tw) / 2, at.glyph.y() - d - th};
        break;
    case lyCenter:
        at.glyph = {glyphAcross, glyphDown};
        at.caption = {(w - tw) / 2, (h - th) / 2};
        break;
    }
    return at;
}

int RoundHalfEven(double value) {
    // The default floating-point rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(value));
}

QColor GradientRingColor(const QColor& face, const QColor& frame, int ring, int frameWidth) {
    const int n = frameWidth;
    const double factor = std::sqrt(static_cast<double>(n * n - (n - ring) * (n - ring))) / n;
    const auto mix = [factor](int faceComponent, int frameComponent) {
        return std::clamp(frameComponent + RoundHalfEven((faceComponent - frameComponent) * factor),
                          0, 255);
    };
    return QColor(mix(face.red(), frame.red()), mix(face.green(), frame.green()),
                  mix(face.blue(), frame.blue()));
}

QColor BlendColors(const QColor& face, const QColor& frame, int percent) {
    const auto mix = [percent](int faceComponent, int frameComponent) {
        return std::clamp(
            RoundHalfEven(((100 - percent) * faceComponent + percent * frameComponent) * 0.01), 0,
            255);
    };
    return QColor(mix(face.red(), frame.red()), mix(face.green(), frame.green()),
                  mix(face.blue(), frame.blue()));
}

int CornerSize(TBtnShape shape, QSize control, int cornerRadius) {
    switch (shape) {
    case btnCapsule:
        return std::min(control.width(), control.height());
    case btnRectangle:
        return 2 * cornerRadius;
    case btnOval:
        break;
    }
    return 0;
}

} // namespace QlFancyButton

namespace {

bool PressesAndClicks(Qt::MouseButton button) {
    return button == Qt::LeftButton || button == Qt::MiddleButton;
}

} // namespace

TQlFancyButton::TQlFancyButton(QWidget* parent)
    : QWidget(parent), effects_(new TQlEffect(this)), glyphs_(new TQlGlyph(this)),
      altShortcut_(new QShortcut(this)) {
    connect(effects_, &TQlEffect::Changed, this, [this] {
        update();
        emit FancyEffectsChanged();
    });
    connect(glyphs_, &TQlGlyph::Changed, this, [this] {
        update();
        emit GlyphsChanged();
    });
    // Hover needs the moves without a button held.
    setMouseTracking(true);
    resize(97, 25);

    altShortcut_->setContext(Qt::WindowShortcut);
    connect(altShortcut_, &QShortcut::activated, this, [this] {
        Guarded([&] {
            if (isEnabled())
                FireClick();
        });
    });
}

TQlFancyButton::~TQlFancyButton() = default;

void TQlFancyButton::SetCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    UpdateAccelerator();
    update();
}

void TQlFancyButton::SetFontColor(TColor color) {
    if (color == fontColor_)
        return;
    fontColor_ = color;
    update();
}

bool TQlFancyButton::PtInShape(int x, int y) const {
    const int w = width();
    const int h = height();
    const int d = CornerSize();
    const QRegion face = effects_->Shape() == btnOval ? CreateEllipticRgn(0, 0, w, h)
                                                      : CreateRoundRectRgn(0, 0, w, h, d, d);
    return PtInRegion(face, x, y);
}

QColor TQlFancyButton::BlendFaceFrame(int percent) const {
    return BlendColors(Resolved(effects_->FaceColor()), Resolved(effects_->FrameColor()), percent);
}

void TQlFancyButton::paintEvent(QPaintEvent*) {
    Guarded([&] {
        {
            QPainter painter(this);
            Paint(painter);
        }
        if (width() > kMaxSize || height() > kMaxSize)
            resize(std::min(width(), kMaxSize), std::min(height(), kMaxSize));
    });
}

void TQlFancyButton::Paint(QPainter& painter) {
    cellWidth_ = glyphs_->Glyph().width() / glyphs_->Number();
    painter.setFont(font());
    painter.setBrush(Qt::NoBrush);
    brush_.reset();

    if (effects_->FrameStyle() == fmNone)
        DrawDesignOutline(painter);
    else if (pressed_)
        DrawPressedFrame(painter);
    else
        DrawGradientFrame(painter);
    CalcLayout(painter);
    if (cellWidth_ > 0)
        DrawGlyph(painter);
    DrawCaption(painter);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

// With a focus policy the button is reached by the keyboard; Space, Return
// and Enter click it then.
void TQlFancyButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (!event->isAutoRepeat() && isEnabled())
            Guarded([this] { FireClick(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

void TQlFancyButton::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
}

void TQlFancyButton::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void TQlFancyButton::DrawDesignOutline(QPainter& painter) {
    // The dotted outline shows where an fmNone button lies, and only in a
    // form designer: at run time such a button draws no face at all.
    if (!IsDesignTime(this))
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DotLine));
    painter.setBrush(Qt::NoBrush);
    // The figure's right and bottom edges lie inside the control.
    const QRect figure(0, 0, width() - 1, height() - 1);
    if (effects_->Shape() == btnOval) {
        painter.drawEllipse(figure);
    } else {
        const qreal radius = CornerSize() / 2.0;
        painter.drawRoundedRect(figure, radius, radius);
    }
    painter.restore();
}

void TQlFancyButton::DrawGradientFrame(QPainter& painter) {
    const int w = width();
    const int h = height();
    const int n = effects_->FrameWidth();
    const int d = CornerSize();
    const QColor face = Resolved(effects_->FaceColor());
    const QColor frame = Resolved(effects_->FrameColor());
    // Each ring is a filled shape inside the one before; the last one is the face.
    for (int i = 0; i < n; ++i) {
        QRegion ring;
        if (effects_->Shape() == btnOval)
            ring = CreateEllipticRgn(i, i, w + 1 - i, h + 1 - i);
        else if (d - 2 * i > 0)
            ring = CreateRoundRectRgn(i, i, w + 1 - i, h + 1 - i, d - 2 * i, d - 2 * i);
        else
            ring = CreateRectRgn(i, i, w - i, h - i);
        Fill(painter, ring, GradientRingColor(face, frame, i, n));
    }
}

void TQlFancyButton::DrawPressedFrame(QPainter& painter) {
    const int w = width();
    const int h = height();
    const int d = CornerSize();
    QRegion region;
    if (effects_->Shape() == btnOval)
        region = CreateEllipticRgn(1, 1, w - 2, h - 2);
    else if (d > 0)
        region = CreateRoundRectRgn(1, 1, w - 2, h - 2, d - 2, d - 2);
    else
        region = CreateRectRgn(1, 1, w - 3, h - 3);
    // Black and a dark blend stay as lines along the top and left, the
    // highlight shows past the face at the right and bottom.
    Fill(painter, region, Qt::black);
    OffsetRgn(region, 1, 1);
    Fill(painter, region, BlendFaceFrame(40));
    OffsetRgn(region, 2, 2);
    Fill(painter, region, Resolved(clBtnHighlight));
    OffsetRgn(region, -1, -1);
    Fill(painter, region, BlendFaceFrame(15));
}

void TQlFancyButton::CalcLayout(QPainter& painter) {
    textSize_ = TextExtent(painter.font(), caption_);
    const LayoutPositions at =
        QlFancyButton::CalcLayout({glyphs_->Layout(), size(), cellWidth_, glyphs_->Glyph().height(),
                                   glyphs_->Distance(), textSize_});
    glyphPos_ = at.glyph;
    captionPos_ = at.caption;
}

void TQlFancyButton::DrawGlyph(QPainter& painter) {
    if (glyphs_->Number() < imageIndex_)
        imageIndex_ = 1;
    const QImage& strip = glyphs_->Glyph();
    const int c = cellWidth_;
    const int gh = strip.height();
    if (gh <= 0)
        return;
    const int left = (imageIndex_ - 1) * c;
    const QRgb transparent = strip.pixel(0, gh - 1) & RGB_MASK;
    // Pixels of the transparent colour take the brush, which after a frame
    // is the colour of its last fill; with a clear brush they let the
    // background through.
    const QRgb brush = brush_ ? brush_->rgb() : qRgba(0, 0, 0, 0);
    QImage cell(c, gh, QImage::Format_ARGB32);
    for (int y = 0; y < gh; ++y)
        for (int x = 0; x < c; ++x) {
            const QRgb pixel = strip.pixel(left + x, y) & RGB_MASK;
            cell.setPixel(x, y, pixel == transparent ? brush : pixel | ~RGB_MASK);
        }
    const QPoint at = glyphPos_ + (pressed_ ? QPoint(1, 1) : QPoint());
    painter.drawImage(at, cell);
}

void TQlFancyButton::DrawCaption(QPainter& painter) {
    const QRect text(captionPos_, textSize_);
    constexpr unsigned format = DT_CENTER | DT_SINGLELINE;
    const auto draw = [&](TColor color, QPoint offset) {
        QRect moved = text.translated(offset);
        painter.setPen(Resolved(color));
        DrawText(painter, caption_, moved, format);
    };

    const TTextStyle style = effects_->TextStyle();
    const int sunk = pressed_ ? 1 : 0;
    switch (style) {
    case txNone:
        break;
    case txLowered:
        draw(clBtnHighlight, QPoint(1 + sunk, 1 + sunk));
        break;
    case txRaised:
        draw(clBtnHighlight, QPoint(-1 + sunk, -1 + sunk));
        break;
    case txShadowed:
        draw(clBtnShadow, QPoint(2 + sunk, 2 + sunk));
        break;
    }

    const TColor captionColor = hot_ && !pressed_ ? effects_->HoverColor() : fontColor_;
    const TColor disabledColor = style == txShadowed ? clBtnFace : clBtnShadow;
    draw(isEnabled() ? captionColor : disabledColor, QPoint(sunk, sunk));
}

void TQlFancyButton::mousePressEvent(QMouseEvent* event) {
    ButtonDown(event);
}

void TQlFancyButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // No double clicks: the second press of one is a press like the first.
    ButtonDown(event);
}

void TQlFancyButton::ButtonDown(QMouseEvent* event) {
    Guarded([&] {
        emit MousePressed(event->button(), event->modifiers(), event->position().toPoint());
        if (PressesAndClicks(event->button()) && hot_) {
            pressed_ = true;
            imageIndex_ = 3;
            update();
        }
    });
}

void TQlFancyButton::mouseReleaseEvent(QMouseEvent* event) {
    Guarded([&] {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && rect().contains(at))
            Click();
        emit MouseReleased(event->button(), event->modifiers(), at);
        if (PressesAndClicks(event->button()) && hot_) {
            const QPointer<TQlFancyButton> alive(this);
            FireClick();
            if (!alive)
                return;
            pressed_ = false;
            update();
        }
    });
}

void TQlFancyButton::mouseMoveEvent(QMouseEvent* event) {
    Guarded([&] {
        const QPoint at = event->position().toPoint();
        emit MouseMoved(event->modifiers(), at);
        // With a button held the moves keep coming after the pointer has left
        // the control, and Qt holds the leave back until the release: leaving
        // is noticed here, so that the release after it clicks nothing.
        if (!rect().contains(at)) {
            if (hot_ || pressed_ || imageIndex_ != RestingIndex())
                PointerLeft();
            return;
        }
        if (pressed_)
            return;
        if (PtInShape(at.x(), at.y())) {
            hot_ = true;
            if (imageIndex_ != 4) {
                imageIndex_ = 4;
                update();
            }
        } else {
            hot_ = false;
            if (imageIndex_ != 1) {
                imageIndex_ = 1;
                update();
            }
        }
    });
}

void TQlFancyButton::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    Guarded([&] { PointerLeft(); });
}

void TQlFancyButton::PointerLeft() {
    imageIndex_ = RestingIndex();
    hot_ = false;
    pressed_ = false;
    update();
}

int TQlFancyButton::RestingIndex() const {
    return isEnabled() ? 1 : 2;
}

void TQlFancyButton::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange) {
        imageIndex_ = RestingIndex();
        update();
    }
}

void TQlFancyButton::Click() {
    update();
}

void TQlFancyButton::FireClick() {
    emit Clicked();
}

void TQlFancyButton::Fill(QPainter& painter, const QRegion& region, const QColor& color) {
    FillRgn(painter, region, color);
    brush_ = color;
}

int TQlFancyButton::CornerSize() const {
    return QlFancyButton::CornerSize(effects_->Shape(), size(), effects_->CornerRadius());
}

QColor TQlFancyButton::Resolved(TColor color) const {
    return ResolveColor(color, palette());
}

void TQlFancyButton::UpdateAccelerator() {
    const QChar key = AcceleratorChar(caption_).toUpper();
    altShortcut_->setKey(key.isNull() ? QKeySequence()
                                      : QKeySequence(QKeyCombination(
                                            Qt::AltModifier, static_cast<Qt::Key>(key.unicode()))));
}

void TQlFancyButton::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    WatchWindow();
}

void TQlFancyButton::WatchWindow() {
    QWidget* top = window();
    if (top == watchedWindow_)
        return;
    if (watchedWindow_)
        watchedWindow_->removeEventFilter(this);
    watchedWindow_ = top;
    if (top != this)
        top->installEventFilter(this);
}

bool TQlFancyButton::eventFilter(QObject* watched, QEvent* event) {
    // A key press reaches the window only when no widget below it took the key.
    if (watched != watchedWindow_ || event->type() != QEvent::KeyPress)
        return QWidget::eventFilter(watched, event);
    bool handled = false;
    Guarded([&] { handled = AcceleratorKey(static_cast<QKeyEvent&>(*event)); });
    return handled;
}

bool TQlFancyButton::AcceleratorKey(QKeyEvent& key) {
    const Qt::KeyboardModifiers held = key.modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
    const int code = key.key();
    if (held != Qt::NoModifier || code <= 0 || code > 0xFFFF)
        return false;
    if (!isEnabled() || !isVisible() || !IsAccel(QChar(code), caption_))
        return false;
    key.accept();
    FireClick();
    return true;
}

} // namespace maskwell
