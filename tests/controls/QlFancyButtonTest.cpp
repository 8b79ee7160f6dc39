// SPDX-License-Identifier: MIT
#include "controls/QlFancyButton.h"

#include "platform/Fonts.h"
#include "platform/Region.h"
#include "platform/TextDrawing.h"
#include "tests/support/PaintProbe.h"
#include "tests/support/QtPrinters.h"

#include <QApplication>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <set>

namespace maskwell {
namespace {

using namespace QlFancyButton;

// The parent's colour; nothing the button draws has it.
const QColor kPanel(40, 90, 160);

QColor Gray(int level) {
    return QColor(level, level, level);
}

// "MS Sans Serif" 11 pixels as the About window has it, without antialiasing
// so that every text pixel has the pen's colour.
QFont CaptionFont() {
    QFont font = PixelFont(QStringLiteral("MS Sans Serif"), 11);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

// The About window's OK button.
void LookLikeAboutOk(TQlFancyButton& button) {
    button.resize(65, 17);
    button.SetCaption(QStringLiteral("OK"));
    button.setFont(CaptionFont());
    button.SetFontColor(clBlack);
    TQlEffect& look = *button.FancyEffects();
    look.SetFaceColor(0xDBDBDB);
    look.SetFrameColor(clGray);
    look.SetFrameStyle(fmGradient);
    look.SetFrameWidth(4);
    look.SetHoverColor(0x3F610C);
    look.SetShape(btnRectangle);
    look.SetCornerRadius(6);
    look.SetTextStyle(txLowered);
}

// A window in the panel colour with one fancy button at (10, 10).
struct Stage {
    QWidget window;
    TQlFancyButton* button = new TQlFancyButton(&window);

    Stage() {
        window.resize(240, 120);
        QPalette palette = window.palette();
        palette.setColor(QPalette::Window, kPanel);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        button->move(10, 10);
        LookLikeAboutOk(*button);
    }

    void Show() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
        Hover(QPoint(-5, -5)); // start with the pointer off the button
    }

    // Pointer events in button coordinates, sent to the window as the
    // windowing system would: Qt itself finds the widget under the pointer,
    // keeps a pressed button's moves and release on the widget it was
    // pressed on, and sends enter and leave.
    QPoint InWindow(QPoint at) const { return button->mapTo(&window, at); }
    void Hover(QPoint at) { QTest::mouseMove(window.windowHandle(), InWindow(at)); }
    void Press(Qt::MouseButton which, QPoint at) {
        QTest::mousePress(window.windowHandle(), which, {}, InWindow(at));
    }
    void Release(Qt::MouseButton which, QPoint at) {
        QTest::mouseRelease(window.windowHandle(), which, {}, InWindow(at));
    }

    QImage Grab() {
        return window.grab(button->geometry()).toImage().convertToFormat(QImage::Format_RGB32);
    }
};

QColor At(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

using Pixels = std::set<std::pair<int, int>>;

// The pixels of a colour within an area of the image.
Pixels PixelsOf(const QImage& image, const QColor& color, QRect area) {
    Pixels pixels;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixelColor(x, y) == color)
                pixels.emplace(x, y);
    return pixels;
}

// The ink of the About button's "OK" drawn alone where the layout centres
// it: ((65 - text width) / 2, (17 - text height) / 2).
Pixels AboutOkInk() {
    const QSize text = TextExtent(CaptionFont(), "OK");
    test::PaintProbe probe(QSize(65, 17), [&](QPainter& painter) {
        painter.setFont(CaptionFont());
        QRect rect(QPoint((65 - text.width()) / 2, (17 - text.height()) / 2), text);
        DrawText(painter, "OK", rect, DT_CENTER | DT_SINGLELINE);
    });
    return PixelsOf(probe.Grab(), Qt::black, QRect(0, 0, 65, 17));
}

// Where text and its effect copy show: the copy only outside the main text.
Pixels Moved(const Pixels& pixels, int d) {
    Pixels moved;
    for (const auto& [x, y] : pixels)
        moved.emplace(x + d, y + d);
    return moved;
}

Pixels EffectShows(const Pixels& ink, int mainOffset, int effectOffset) {
    Pixels effect = Moved(ink, effectOffset);
    for (const auto& pixel : Moved(ink, mainOffset))
        effect.erase(pixel);
    return effect;
}

// Counts the events of one type that reach an object.
struct EventCounter : QObject {
    QEvent::Type type;
    int count = 0;
    EventCounter(QObject* target, QEvent::Type counted) : type(counted) {
        target->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == type;
        return false;
    }
};

// Inside the OK button, clear of the frame and its corners.
const QRect kInside(5, 2, 55, 13);

TEST(QlFancyButtonSettings, EffectSettersClampAfterTheEqualityTest) {
    TQlEffect look;
    int changes = 0;
    QObject::connect(&look, &TQlEffect::Changed, [&] { ++changes; });
    look.SetFrameWidth(1);
    EXPECT_EQ(look.FrameWidth(), 3);
    look.SetFrameWidth(99);
    EXPECT_EQ(look.FrameWidth(), 14);
    look.SetCornerRadius(-5);
    EXPECT_EQ(look.CornerRadius(), 0);
    look.SetCornerRadius(200);
    EXPECT_EQ(look.CornerRadius(), 145);
    EXPECT_EQ(changes, 4);

    // 20 differs from the stored 14: stored, clamped back to 14, and fired.
    look.SetFrameWidth(20);
    EXPECT_EQ(look.FrameWidth(), 14);
    EXPECT_EQ(changes, 5);

    // Equal values fire nothing.
    look.SetFrameWidth(14);
    look.SetCornerRadius(145);
    look.SetFaceColor(look.FaceColor());
    look.SetShape(look.Shape());
    EXPECT_EQ(changes, 5);
}

TEST(QlFancyButtonSettings, GlyphSettersClampAndTheStripAlwaysFires) {
    TQlGlyph glyphs;
    int changes = 0;
    QObject::connect(&glyphs, &TQlGlyph::Changed, [&] { ++changes; });
    glyphs.SetNumber(0);
    EXPECT_EQ(glyphs.Number(), 1);
    EXPECT_EQ(changes, 1); // 0 differs from the stored 1
    glyphs.SetNumber(9);
    EXPECT_EQ(glyphs.Number(), 4);
    glyphs.SetDistance(-3);
    EXPECT_EQ(glyphs.Distance(), 0);
    EXPECT_EQ(changes, 3);
    glyphs.SetNumber(4);
    glyphs.SetDistance(0);
    glyphs.SetLayout(lyLeft);
    EXPECT_EQ(changes, 3);

    QImage strip(8, 2, QImage::Format_RGB32);
    strip.fill(Qt::red);
    glyphs.SetGlyph(strip);
    glyphs.SetGlyph(strip);
    EXPECT_EQ(changes, 5);
    EXPECT_EQ(glyphs.Glyph().pixelColor(7, 1), QColor(Qt::red));
}

TEST(QlFancyButtonColours, ComponentsRoundHalvesToEven) {
    // (50 * 1) * 0.01 and (50 * 3) * 0.01: 0.5 -> 0 and 1.5 -> 2.
    EXPECT_EQ(BlendColors(QColor(1, 3, 0), QColor(0, 0, 0), 50), QColor(0, 2, 0));
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
}

TEST(QlFancyButtonLayout, EachLayoutCentresGlyphAndCaptionAlongItsAxis) {
    LayoutInput in{lyLeft, QSize(97, 60), 16, 16, 4, QSize(30, 13)};
    const auto at = [&](TBmpLayout layout) {
        in.layout = layout;
        const LayoutPositions p = CalcLayout(in);
        return std::pair(p.glyph, p.caption);
    };
    EXPECT_EQ(at(lyLeft), std::pair(QPoint(23, 22), QPoint(43, 23)));
    EXPECT_EQ(at(lyRight), std::pair(QPoint(58, 22), QPoint(24, 23)));
    EXPECT_EQ(at(lyTop), std::pair(QPoint(40, 13), QPoint(33, 33)));
    EXPECT_EQ(at(lyBottom), std::pair(QPoint(40, 31), QPoint(33, 14)));
    EXPECT_EQ(at(lyCenter), std::pair(QPoint(40, 22), QPoint(33, 23)));

    // No glyph and no distance: the caption is centred whatever the layout.
    in = {lyLeft, QSize(65, 17), 0, 0, 0, QSize(15, 13)};
    for (TBmpLayout layout : {lyLeft, lyTop, lyRight, lyBottom, lyCenter})
        EXPECT_EQ(at(layout).second, QPoint(25, 2)) << layout;
}

TEST(QlFancyButtonLayout, NoRoomFallsBackToZeroAndDividesTowardZero) {
    // The caption is wider than the button and taller than it.
    LayoutInput in{lyLeft, QSize(40, 10), 16, 16, 4, QSize(61, 13)};
    const auto at = [&](TBmpLayout layout) {
        in.layout = layout;
        const LayoutPositions p = CalcLayout(in);
        return std::pair(p.glyph, p.caption);
    };
    // (10 - 13) / 2 is -1, not -2; (40 - 61) / 2 is -10, not -11.
    EXPECT_EQ(at(lyLeft), std::pair(QPoint(0, 0), QPoint(20, -1)));
    EXPECT_EQ(at(lyRight), std::pair(QPoint(24, 0), QPoint(-41, -1)));
    EXPECT_EQ(at(lyTop), std::pair(QPoint(12, 0), QPoint(-10, 20)));
    EXPECT_EQ(at(lyBottom), std::pair(QPoint(12, -6), QPoint(-10, -23)));
    EXPECT_EQ(at(lyCenter), std::pair(QPoint(12, 0), QPoint(-10, -1)));
    in.cellWidth = 50; // a glyph wider than the button starts at 0 too
    EXPECT_EQ(at(lyTop).first, QPoint(0, 0));
}

TEST(QlFancyButtonPaint, AboutOkShowsFourRingsOnTheParentsBackground) {
    Stage stage;
    stage.Show();
    const QImage image = stage.Grab();
    ASSERT_EQ(image.size(), QSize(65, 17));
    const QColor rings[] = {Gray(128), Gray(188), Gray(207), Gray(216)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At(image, i, 8), rings[i]) << i;
        EXPECT_EQ(At(image, 64 - i, 8), rings[i]) << i;
        EXPECT_EQ(At(image, 10, i), rings[i]) << i;
        EXPECT_EQ(At(image, 10, 16 - i), rings[i]) << i;
    }
    EXPECT_EQ(At(image, 10, 8), Gray(216)); // the face is the innermost ring
    // Round corners: the parent shows through.
    EXPECT_EQ(At(image, 0, 0), kPanel);
    EXPECT_EQ(At(image, 64, 16), kPanel);
}

TEST(QlFancyButtonPaint, PressedFillsAndCornerRadiusZero) {
    Stage stage;
    stage.Show();
    stage.Hover(QPoint(32, 8));
    stage.Press(Qt::LeftButton, QPoint(32, 8));
    const QImage round = stage.Grab();
    stage.button->FancyEffects()->SetCornerRadius(0);
    const QImage square = stage.Grab();
    stage.Release(Qt::LeftButton, QPoint(32, 8));
    const QImage squareRings = stage.Grab();

    const QColor highlight = ResolveColor(clBtnHighlight);
    ASSERT_NE(highlight, Gray(205));
    EXPECT_EQ(stage.button->BlendFaceFrame(40), Gray(183));
    EXPECT_EQ(stage.button->BlendFaceFrame(15), Gray(205));
    for (const QImage& image : {round, square}) {
        // Black, then the 40 % blend along the top and left; the 15 % blend
        // over the face; the highlight past it at the right and bottom.
        EXPECT_EQ(At(image, 0, 8), kPanel);
        EXPECT_EQ(At(image, 1, 8), Qt::black);
        EXPECT_EQ(At(image, 2, 8), Gray(183));
        EXPECT_EQ(At(image, 3, 8), Gray(205));
        EXPECT_EQ(At(image, 63, 8), Gray(205));
        EXPECT_EQ(At(image, 64, 8), highlight);
        EXPECT_EQ(At(image, 10, 1), Qt::black);
        EXPECT_EQ(At(image, 10, 2), Gray(183));
        EXPECT_EQ(At(image, 10, 15), Gray(205));
        EXPECT_EQ(At(image, 10, 16), highlight);
    }
    // Round corners cut the highlight's bottom-right corner; square ones keep
    // it, and the rectangle (1, 1, W - 3, H - 3) leaves its own corners.
    EXPECT_EQ(At(round, 64, 16), kPanel);
    EXPECT_EQ(At(round, 1, 1), kPanel);
    EXPECT_EQ(At(square, 64, 16), highlight);
    EXPECT_EQ(At(square, 1, 1), Qt::black);
    EXPECT_EQ(At(square, 61, 1), Qt::black);
    EXPECT_EQ(At(square, 62, 1), kPanel);
    EXPECT_EQ(At(square, 3, 16), kPanel);

    // Released, CornerRadius 0 draws rectangle rings with square corners.
    const QColor rings[] = {Gray(128), Gray(188), Gray(207), Gray(216)};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(At(squareRings, i, i), rings[i]) << i;
        EXPECT_EQ(At(squareRings, 64 - i, 16 - i), rings[i]) << i;
    }
}

TEST(QlFancyButtonPaint, CapsuleEndsAreSemicircles) {
    Stage stage;
    stage.button->resize(97, 25);
    stage.button->FancyEffects()->SetShape(btnCapsule);
    stage.Show();
    const QImage image = stage.Grab();
    // Corner 25 x 25 on a 25-pixel height: the ends are half circles, so the
    // middle row reaches the edge while the pixels near a corner stay outside.
    EXPECT_EQ(At(image, 0, 12), Gray(128));
    EXPECT_EQ(At(image, 1, 12), Gray(188));
    EXPECT_EQ(At(image, 96, 12), Gray(128));
    EXPECT_EQ(At(image, 12, 0), Gray(128));
    EXPECT_EQ(At(image, 0, 5), kPanel);
    EXPECT_EQ(At(image, 2, 5), Gray(128)); // a corner of 12 would put ring 2 here
    EXPECT_EQ(At(image, 94, 19), Gray(128));
    EXPECT_EQ(At(image, 96, 19), kPanel);
}

TEST(QlFancyButtonPaint, CaptionAndLoweredCopyMoveTogetherWhenPressed) {
    Stage stage;
    stage.Show();
    const Pixels ink = AboutOkInk();
    ASSERT_FALSE(ink.empty());
    const QColor highlight = ResolveColor(clBtnHighlight);

    QImage image = stage.Grab();
    EXPECT_EQ(PixelsOf(image, Qt::black, kInside), ink);
    EXPECT_EQ(PixelsOf(image, highlight, kInside), EffectShows(ink, 0, 1));

    stage.Hover(QPoint(30, 8)); // on the face: the caption takes the hover colour
    image = stage.Grab();
    EXPECT_EQ(PixelsOf(image, QColor(12, 97, 63), kInside), ink);

    stage.Press(Qt::LeftButton, QPoint(30, 8));
    image = stage.Grab();
    EXPECT_EQ(PixelsOf(image, Qt::black, kInside), Moved(ink, 1));
    EXPECT_EQ(PixelsOf(image, highlight, kInside), EffectShows(ink, 1, 2));
    stage.Release(Qt::LeftButton, QPoint(30, 8));
}

TEST(QlFancyButtonPaint, DisabledCaptionColours) {
    Stage stage;
    stage.button->SetEnabled(false);
    stage.Show();
    const Pixels ink = AboutOkInk();
    const QColor face = ResolveColor(clBtnFace);
    const QColor shadow = ResolveColor(clBtnShadow);
    ASSERT_NE(face, shadow);

    stage.button->FancyEffects()->SetTextStyle(txShadowed);
    QImage image = stage.Grab();
    EXPECT_EQ(PixelsOf(image, face, kInside), ink);
    EXPECT_EQ(PixelsOf(image, shadow, kInside), EffectShows(ink, 0, 2));

    stage.button->FancyEffects()->SetTextStyle(txRaised);
    image = stage.Grab();
    EXPECT_EQ(PixelsOf(image, shadow, kInside), ink);
    EXPECT_EQ(PixelsOf(image, ResolveColor(clBtnHighlight), kInside), EffectShows(ink, 0, -1));
}

// A 64 x 16 strip of four cells in four colours; the bottom-left 4 x 4 pixels
// of every cell have the strip's transparent colour.
const QColor kCells[] = {QColor(200, 0, 0), QColor(0, 200, 0), QColor(0, 0, 200),
                         QColor(200, 200, 0)};
const QColor kTransparent(255, 0, 255);

QImage Strip() {
    QImage strip(64, 16, QImage::Format_RGB32);
    QPainter painter(&strip);
    for (int cell = 0; cell < 4; ++cell) {
        painter.fillRect(cell * 16, 0, 16, 16, kCells[cell]);
        painter.fillRect(cell * 16, 12, 4, 4, kTransparent);
    }
    return strip;
}

TEST(QlFancyButtonPaint, GlyphCellPerStateWithTheTransparentColour) {
    Stage stage;
    stage.button->resize(97, 25);
    stage.button->SetCaption(QString());
    stage.button->Glyphs()->SetGlyph(Strip());
    stage.button->Glyphs()->SetNumber(4);
    stage.Show();
    // c = 16, no text: the glyph sits at ((97 - 16) / 2, (25 - 16) / 2).
    const auto glyph = [&](int dx) {
        const QImage image = stage.Grab();
        return std::pair(At(image, 40 + dx + 8, 4 + dx + 6), At(image, 40 + dx + 1, 4 + dx + 14));
    };
    EXPECT_EQ(glyph(0), std::pair(kCells[0], Gray(216)));
    stage.Hover(QPoint(48, 12));
    EXPECT_EQ(glyph(0), std::pair(kCells[3], Gray(216)));
    stage.Press(Qt::LeftButton, QPoint(48, 12));
    EXPECT_EQ(glyph(1), std::pair(kCells[2], Gray(205))); // the pressed face's colour
    stage.Release(Qt::LeftButton, QPoint(48, 12));
    EXPECT_EQ(glyph(0), std::pair(kCells[2], Gray(216))); // until the next move
    stage.Hover(QPoint(-5, -5));
    stage.button->SetEnabled(false);
    EXPECT_EQ(glyph(0), std::pair(kCells[1], Gray(216)));

    // fmNone: the transparent pixels keep the parent's background.
    stage.button->SetEnabled(true);
    stage.button->FancyEffects()->SetFrameStyle(fmNone);
    EXPECT_EQ(glyph(0), std::pair(kCells[0], kPanel));

    // One cell: the whole strip is the cell, whatever the state.
    stage.button->FancyEffects()->SetFrameStyle(fmGradient);
    stage.button->Glyphs()->SetNumber(1);
    stage.Hover(QPoint(48, 12));
    QImage image = stage.Grab();
    EXPECT_EQ(At(image, 16 + 8, 10), kCells[0]);
    EXPECT_EQ(At(image, 16 + 56, 10), kCells[3]);

    // A glyph that covers the frame: its transparent pixels take the face's
    // colour over the rings and over the cut-off corner too.
    stage.Hover(QPoint(-5, -5));
    stage.button->resize(16, 16);
    stage.button->Glyphs()->SetNumber(4);
    image = stage.Grab();
    EXPECT_EQ(At(image, 0, 15), Gray(216));
    EXPECT_EQ(At(image, 1, 13), Gray(216));
}

TEST(QlFancyButtonPaint, WithoutAFrameOnlyTheCaptionIsDrawn) {
    Stage stage;
    stage.button->FancyEffects()->SetFrameStyle(fmNone);
    stage.Show();
    const QImage image = stage.Grab();
    const QRect all(0, 0, 65, 17);
    const auto black = PixelsOf(image, Qt::black, all);
    const auto highlight = PixelsOf(image, ResolveColor(clBtnHighlight), all);
    EXPECT_FALSE(black.empty());
    EXPECT_EQ(PixelsOf(image, kPanel, all).size() + black.size() + highlight.size(), 65u * 17u);
}

TEST(QlFancyButtonPaint, NeverLargerThan145AfterItsFirstPaint) {
    Stage stage;
    stage.button->resize(200, 60);
    EXPECT_EQ(stage.button->size(), QSize(200, 60));
    stage.Grab();
    EXPECT_EQ(stage.button->size(), QSize(145, 60));
    stage.button->resize(150, 300);
    stage.Grab();
    EXPECT_EQ(stage.button->size(), QSize(145, 145));
}

TEST(QlFancyButtonPaint, SettingsChangesRepaintTheButton) {
    Stage stage;
    stage.Show();
    EventCounter paints(stage.button, QEvent::Paint);
    QApplication::processEvents();
    paints.count = 0;
    stage.button->FancyEffects()->SetFaceColor(clWhite);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
    paints.count = 0;
    stage.button->Glyphs()->SetDistance(3);
    EXPECT_TRUE(QTest::qWaitFor([&] { return paints.count > 0; }));
}

// Counts the button's clicks.
struct Clicks {
    int count = 0;
    explicit Clicks(TQlFancyButton& button) {
        QObject::connect(&button, &TQlFancyButton::Clicked, [this] { ++count; });
    }
};

TEST(QlFancyButtonPointer, RightButtonNeverClicksMiddleButtonDoes) {
    Stage stage;
    stage.Show();
    Clicks clicks(*stage.button);
    bool pressedAtMouseDown = true;
    QObject::connect(stage.button, &TQlFancyButton::MousePressed,
                     [&] { pressedAtMouseDown = stage.button->Pressed(); });
    const QPoint face(32, 8);
    stage.Hover(face);
    ASSERT_TRUE(stage.button->Hot());
    stage.Press(Qt::RightButton, face);
    EXPECT_FALSE(stage.button->Pressed());
    stage.Release(Qt::RightButton, face);
    EXPECT_EQ(clicks.count, 0);

    stage.Press(Qt::MiddleButton, face);
    EXPECT_FALSE(pressedAtMouseDown); // MousePressed comes first
    EXPECT_TRUE(stage.button->Pressed());
    EXPECT_EQ(stage.button->ImageIndex(), 3);
    stage.Release(Qt::MiddleButton, face);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_FALSE(stage.button->Pressed());
}

TEST(QlFancyButtonPointer, PressMovedOffTheFaceButNotOffTheControlStillClicks) {
    Stage stage;
    stage.button->resize(97, 25);
    stage.button->FancyEffects()->SetShape(btnOval);
    stage.Show();
    Clicks clicks(*stage.button);
    const QPoint corner(2, 2); // on the control, off the oval face

    stage.Hover(corner);
    EXPECT_FALSE(stage.button->Hot());
    stage.Press(Qt::LeftButton, corner);
    stage.Release(Qt::LeftButton, corner);
    EXPECT_EQ(clicks.count, 0);

    stage.Hover(QPoint(48, 12));
    stage.Press(Qt::LeftButton, QPoint(48, 12));
    stage.Hover(corner);
    EXPECT_TRUE(stage.button->Hot());
    stage.Release(Qt::LeftButton, corner);
    EXPECT_EQ(clicks.count, 1);
}

TEST(QlFancyButtonPointer, LeavingTheControlCancelsThePress) {
    Stage stage;
    stage.Show();
    Clicks clicks(*stage.button);
    stage.Hover(QPoint(32, 8));
    stage.Press(Qt::LeftButton, QPoint(32, 8));
    stage.Hover(QPoint(80, 8)); // off the control with the button held
    EXPECT_FALSE(stage.button->Hot());
    EXPECT_FALSE(stage.button->Pressed());
    stage.Release(Qt::LeftButton, QPoint(80, 8));
    EXPECT_EQ(clicks.count, 0);
}

TEST(QlFancyButtonPointer, DoubleClickFiresTwice) {
    Stage stage;
    stage.Show();
    Clicks clicks(*stage.button);
    EventCounter doubleClicks(stage.button, QEvent::MouseButtonDblClick);
    int pressedAtRelease = 0; // MouseReleased comes before the button's own handling
    QObject::connect(stage.button, &TQlFancyButton::MouseReleased,
                     [&] { pressedAtRelease += stage.button->Pressed(); });
    const QPoint face(32, 8);
    stage.Hover(face);
    // Press, release, and a second press and release: Qt delivers the second
    // press as a double click.
    QTest::mouseDClick(stage.window.windowHandle(), Qt::LeftButton, {}, stage.InWindow(face));
    EXPECT_EQ(doubleClicks.count, 1);
    EXPECT_EQ(pressedAtRelease, 2);
    EXPECT_EQ(clicks.count, 2);
}

TEST(QlFancyButtonKeys, AcceleratorClicksUnlessDisabledOrAnEditTakesTheLetter) {
    Stage stage;
    stage.button->SetCaption(QStringLiteral("&Go"));
    auto* edit = new QLineEdit(&stage.window);
    edit->move(10, 60);
    auto* plain = new QPushButton(QStringLiteral("Plain"), &stage.window);
    plain->move(120, 60);
    stage.Show();
    stage.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&stage.window));
    Clicks clicks(*stage.button);
    QWindow* window = stage.window.windowHandle();

    edit->setFocus();
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count, 1);
    QTest::keyClick(window, Qt::Key_G);
    EXPECT_EQ(clicks.count, 1);
    EXPECT_EQ(edit->text(), "g");

    plain->setFocus();
    QTest::keyClick(window, Qt::Key_G);
    QTest::keyClick(window, Qt::Key_G, Qt::ShiftModifier);
    QTest::keyClick(window, Qt::Key_O);
    EXPECT_EQ(clicks.count, 3);

    stage.button->SetEnabled(false);
    QTest::keyClick(window, Qt::Key_G);
    QTest::keyClick(window, Qt::Key_G, Qt::AltModifier);
    EXPECT_EQ(clicks.count, 3);
}

// Given a focus policy, Tab reaches the button, which shows the focus, and
// Space, Return and Enter click it; without one Tab passes it by.
TEST(QlFancyButtonKeys, WithAFocusPolicyTabReachesItAndKeysClickIt) {
    Stage stage;
    auto* edit = new QLineEdit(&stage.window);
    edit->move(10, 60);
    stage.Show();
    stage.window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&stage.window));
    Clicks clicks(*stage.button);
    QWindow* window = stage.window.windowHandle();
    edit->setFocus();
    QTest::keyClick(window, Qt::Key_Tab);
    EXPECT_TRUE(edit->hasFocus()) << "no focus policy: no tab stop";

    const QImage idle = stage.button->grab().toImage();
    stage.button->setFocusPolicy(Qt::TabFocus);
    QTest::keyClick(window, Qt::Key_Tab);
    ASSERT_TRUE(stage.button->hasFocus());
    EXPECT_NE(stage.button->grab().toImage(), idle) << "the focus frame";
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Return, Qt::Key_Enter, Qt::Key_X})
        QTest::keyClick(window, key);
    EXPECT_EQ(clicks.count, 3);
}

// The oval shape on a button of the size a new one has: every pixel takes the
// colour of the last fill that covers it, the fills being ellipses.
struct OvalCase {
    const char* Name;
    bool Pressed;
};

void PrintTo(const OvalCase& row, std::ostream* out) {
    *out << row.Name;
}

class QlFancyButtonOval : public ::testing::TestWithParam<OvalCase> {};

TEST_P(QlFancyButtonOval, FillsNestedEllipses) {
    Stage stage;
    TQlFancyButton fresh;
    ASSERT_EQ(fresh.size(), QSize(97, 25)) << "the size a new button has";
    stage.button->resize(fresh.size());
    stage.button->SetCaption(QString());
    stage.button->FancyEffects()->SetShape(btnOval);
    stage.Show();
    const int w = 97;
    const int h = 25;
    const QPoint middle(48, 12);
    if (GetParam().Pressed) {
        stage.Hover(middle);
        stage.Press(Qt::LeftButton, middle);
    }
    const QImage image = stage.Grab();
    if (GetParam().Pressed)
        stage.Release(Qt::LeftButton, middle);

    // The fills in their order, later ones painted over earlier ones.
    std::vector<std::pair<QRegion, QColor>> fills;
    if (GetParam().Pressed) {
        const QRegion pressed = CreateEllipticRgn(1, 1, w - 2, h - 2);
        fills = {{pressed, Qt::black},
                 {pressed.translated(1, 1), stage.button->BlendFaceFrame(40)},
                 {pressed.translated(3, 3), ResolveColor(clBtnHighlight)},
                 {pressed.translated(2, 2), stage.button->BlendFaceFrame(15)}};
    } else {
        const QColor rings[] = {Gray(128), Gray(188), Gray(207), Gray(216)};
        for (int i = 0; i < 4; ++i)
            fills.emplace_back(CreateEllipticRgn(i, i, w + 1 - i, h + 1 - i), rings[i]);
    }
    // The platform's elliptic regions, exact to the pixel, say which fill
    // covers a pixel last.
    int mismatches = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            QColor expected = kPanel;
            for (const auto& [region, colour] : fills)
                if (PtInRegion(region, x, y))
                    expected = colour;
            if (At(image, x, y) != expected && ++mismatches <= 5)
                ADD_FAILURE() << "at " << x << "," << y;
        }
    EXPECT_EQ(mismatches, 0);
    // The corners stay the parent's, the middle is the innermost fill.
    EXPECT_EQ(At(image, 0, 0), kPanel);
    EXPECT_EQ(At(image, w - 1, h - 1), kPanel);
    EXPECT_EQ(At(image, 2, 2), kPanel);
    EXPECT_EQ(At(image, middle.x(), middle.y()), fills.back().second);
    EXPECT_EQ(At(image, middle.x(), 0), GetParam().Pressed ? kPanel : Gray(128));
    EXPECT_EQ(At(image, middle.x(), 1), GetParam().Pressed ? QColor(Qt::black) : Gray(188));
}

INSTANTIATE_TEST_SUITE_P(Shapes, QlFancyButtonOval,
                         ::testing::Values(OvalCase{"Rings", false}, OvalCase{"Pressed", true}),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace maskwell
