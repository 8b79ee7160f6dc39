// SPDX-License-Identifier: MIT
// How the windows look at a higher device pixel ratio (run with
// QT_SCALE_FACTOR=2 and 1.5 by CTest) and under a dark desktop palette.
#include "app/About.h"
#include "app/Images.h"
#include "controls/QlFancyButton.h"
#include "platform/Color.h"
#include "tests/app/MainWindowFixture.h"

#include <QMenuBar>
#include <QPainter>
#include <QToolButton>
#include <functional>
#include <map>
#include <set>

namespace maskwell {
namespace {

QImage Picture(QWidget* widget) {
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The widget drawn at a device pixel ratio of 1 over its parent's background.
QImage PictureAtRatio1(QWidget* widget) {
    QImage image(widget->size(), QImage::Format_RGB32);
    image.fill(widget->palette().color(QPalette::Window));
    widget->render(&image);
    return image;
}

QRgb CommonestColour(const QImage& image, const QRect& area) {
    std::map<QRgb, int> counts;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            ++counts[image.pixel(x, y)];
    return std::ranges::max_element(counts, {}, &std::pair<const QRgb, int>::second)->first;
}

// The columns holding ink: pixels clearly apart from the background.
std::pair<int, int> InkColumns(const QImage& image) {
    const QRgb background = CommonestColour(image, image.rect());
    int left = image.width(), right = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
                    std::abs(qBlue(p) - qBlue(background)) >
                96) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    return {left, right};
}

class HiDpi : public test::MainWindowFixture {
protected:
    void SetUp() override {
        ratio = qApp->devicePixelRatio();
        if (ratio == 1.0)
            GTEST_SKIP() << "runs under QT_SCALE_FACTOR (CTest look_scale_2, look_scale_1_5)";
        Start();
        TypeAddress("10.1.2.3");
    }
    qreal ratio = 1;
};

TEST_F(HiDpi, TheWindowIsDrawnAtTheRatio) {
    const QPixmap picture = form->grab();
    EXPECT_EQ(picture.devicePixelRatio(), ratio);
    EXPECT_EQ(picture.size(), form->size() * ratio);
}

// The copy glyph keeps exactly the drawing's colours (no blending from a
// smoothed scale), and its black outline grows with the square of the ratio.
TEST_F(HiDpi, CopyGlyphsStayCrisp) {
    std::set<QRgb> drawn;
    int outlineAtRatio1 = 0;
    const QImage glyph = CopyGlyph();
    for (int y = 0; y < glyph.height(); ++y)
        for (int x = 0; x < glyph.width(); ++x) {
            if (qAlpha(glyph.pixel(x, y)) == 255)
                drawn.insert(glyph.pixel(x, y) | 0xFF000000);
            outlineAtRatio1 += glyph.pixel(x, y) == 0xFF000000 ? 1 : 0;
        }
    const std::pair<const char*, QToolButton*> buttons[] = {{"address", form->SpeedButton8},
                                                            {"mask", form->SpeedButton1},
                                                            {"range", form->SpeedButton3},
                                                            {"subnet ID", form->SpeedButton4},
                                                            {"broadcast", form->SpeedButton5}};
    for (const auto& [name, button] : buttons) {
        SCOPED_TRACE(name);
        const QImage picture = Picture(button);
        const QRgb face = CommonestColour(picture, picture.rect());
        std::set<QRgb> foreign;
        int outline = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x) {
                const QRgb p = picture.pixel(x, y);
                if (p != face && !drawn.contains(p))
                    foreign.insert(p);
                outline += p == 0xFF000000 ? 1 : 0;
            }
        EXPECT_TRUE(foreign.empty()) << foreign.size() << " colours the drawing lacks";
        EXPECT_NEAR(outline, outlineAtRatio1 * ratio * ratio, outlineAtRatio1 * ratio * 0.5);
    }
}

// Captions are drawn with fonts of the higher resolution: their ink is as
// much wider as the ratio says, and none of it reaches the label's edges.
TEST_F(HiDpi, CaptionsScaleWithTheRatioUnclipped) {
    form->PageControl1->SetActivePageIndex(1); // builds the Address Info page
    form->PageControl1->SetActivePageIndex(0);
    const std::pair<const char*, TLabel3D*> labels[] = {
        {"IP Address", form->Label3D2},   {"Subnet Mask", form->Label3D1},
        {"Max Subnets", form->Label3D4},  {"Max Hosts Per Subnet", form->Label3D5},
        {"Host Range", form->Label3D6},   {"Subnet Broadcast", form->Label3D8},
        {"Address Type", form->Label3D9}, {"Hexadecimal", form->Label3D12}};
    for (const auto& [name, label] : labels) {
        SCOPED_TRACE(name);
        const auto [left1, right1] = InkColumns(PictureAtRatio1(label));
        const QImage picture = Picture(label);
        const auto [left, right] = InkColumns(picture);
        ASSERT_LT(left1, right1);
        EXPECT_NEAR(right - left, (right1 - left1) * ratio, 3 * ratio);
        EXPECT_GT(left, 0);
        EXPECT_LT(right, picture.width() - 1);
    }
}

// A dark desktop theme: dark window and base, light text.
QPalette DarkPalette() {
    QPalette dark;
    const QColor window(45, 45, 48), base(30, 30, 30), text(235, 235, 235);
    for (const auto role : {QPalette::Window, QPalette::Button, QPalette::Mid})
        dark.setColor(role, window);
    dark.setColor(QPalette::Base, base);
    dark.setColor(QPalette::AlternateBase, window);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                            QPalette::BrightText, QPalette::ToolTipText})
        dark.setColor(role, text);
    dark.setColor(QPalette::ToolTipBase, base);
    dark.setColor(QPalette::Light, QColor(80, 80, 84));
    dark.setColor(QPalette::Midlight, QColor(62, 62, 66));
    dark.setColor(QPalette::Dark, QColor(20, 20, 20));
    dark.setColor(QPalette::Shadow, Qt::black);
    dark.setColor(QPalette::Highlight, QColor(38, 79, 120));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::Link, QColor(110, 170, 255));
    dark.setColor(QPalette::Disabled, QPalette::Text, QColor(128, 128, 128));
    dark.setColor(QPalette::Disabled, QPalette::WindowText, QColor(128, 128, 128));
    return dark;
}

// One text on its background as drawn: the commonest colour of the area is
// the background, the colour farthest from it in contrast is the text.
double DrawnContrast(QWidget* widget, const QMargins& inside) {
    const QImage picture = Picture(widget);
    const qreal ratio = widget->devicePixelRatioF();
    const QRect area = QRect(QPoint(), widget->size()).marginsRemoved(inside);
    const QRect pixels(area.topLeft() * ratio, area.size() * ratio);
    const QColor background(CommonestColour(picture, pixels));
    double best = 1;
    for (int y = pixels.top(); y <= pixels.bottom(); ++y)
        for (int x = pixels.left(); x <= pixels.right(); ++x)
            best = std::max(best, ContrastRatio(QColor(picture.pixel(x, y)), background));
    return best;
}

struct TextCase {
    const char* Name;
    std::function<QWidget*(TMaskwellForm&, TAboutF&)> Control;
    QMargins Inside; // the text area within the control
    int Page = 0;
};

void PrintTo(const TextCase& c, std::ostream* out) {
    *out << c.Name;
}

class DarkTheme : public test::MainWindowFixture, public ::testing::WithParamInterface<TextCase> {
protected:
    void SetUp() override {
        saved = QApplication::palette();
        QApplication::setPalette(DarkPalette());
        Start();
        TypeAddress("10.1.2.3");
        about = std::make_unique<TAboutF>(*form);
        form->SetAboutWindow(about.get());
        form->About1Click();
        about->OkBClick();
    }
    void TearDown() override {
        about.reset();
        form.reset();
        QApplication::setPalette(saved);
    }
    QPalette saved;
    std::unique_ptr<TAboutF> about;
};

TEST_P(DarkTheme, EveryTextKeepsAReadableContrast) {
    const TextCase& c = GetParam();
    form->PageControl1->SetActivePageIndex(c.Page);
    QWidget* control = c.Control(*form, *about);
    if (c.Name == std::string("HostRangeFocused"))
        control->setFocus();
    EXPECT_GE(DrawnContrast(control, c.Inside), 4.5);
}

TEST_F(DarkTheme, ControlsTakingSystemColoursFollowThePalette) {
    const QImage picture = Picture(form->Panel4);
    EXPECT_EQ(QColor(CommonestColour(picture, picture.rect())),
              DarkPalette().color(QPalette::Window));
    EXPECT_EQ(form->CB1->palette().color(QPalette::Highlight),
              DarkPalette().color(QPalette::Highlight));
}

#define MAIN(member) ([](TMaskwellForm& f, TAboutF&) -> QWidget* { return f.member; })
#define ABOUT(member) ([](TMaskwellForm&, TAboutF& a) -> QWidget* { return a.member; })

const QMargins label(0, 0, 0, 0), edit(3, 3, 3, 3), combo(3, 3, 20, 3);

INSTANTIATE_TEST_SUITE_P(
    Texts, DarkTheme,
    ::testing::Values(
        TextCase{"AddressLabel", MAIN(Label3D2), label},
        TextCase{"SubnetMaskLabel", MAIN(Label3D1), label},
        TextCase{"HostRangeLabel", MAIN(Label3D6), label},
        TextCase{"FirstOctet", MAIN(IPE->ByteEdit(0)), edit},
        TextCase{"SubnetMaskSelector", MAIN(CB1), combo},
        TextCase{"MaskBitsSelector", MAIN(CB2), combo}, TextCase{"HostRange", MAIN(E1), edit},
        TextCase{"HostRangeFocused", MAIN(E1), edit}, TextCase{"SubnetId", MAIN(E2), edit},
        TextCase{"InversedMaskCheckBox", MAIN(ChB1), QMargins(18, 0, 0, 0)},
        TextCase{"SubnetInfoTab", MAIN(PageControl1->Tab(0)), edit},
        TextCase{"AddressInfoTab", MAIN(PageControl1->Tab(1)), edit},
        TextCase{"MenuBar", MAIN(MainMenu1), label},
        TextCase{"AddressTypeSelector", MAIN(CBA1), combo, 1},
        TextCase{"ClassTitle", MAIN(L10), label, 1},
        TextCase{"BinaryLabel", MAIN(Label3D11), label, 1}, TextCase{"Binary", MAIN(EA2), edit, 1},
        TextCase{"AboutName", ABOUT(Label3D3), label},
        TextCase{"AboutVersion", ABOUT(Label3D1), label},
        TextCase{"AboutLink", ABOUT(Label3D5), label}, TextCase{"AboutOk", ABOUT(OkB), edit}),
    [](const ::testing::TestParamInfo<TextCase>& info) { return info.param.Name; });

} // namespace
} // namespace maskwell
