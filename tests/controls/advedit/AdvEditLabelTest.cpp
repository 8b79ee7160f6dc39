// SPDX-License-Identifier: MIT
#include "controls/advedit/AdvEdit.h"
#include "platform/Fonts.h"
#include "platform/TextDrawing.h"
#include "tests/controls/advedit/AdvEditFixture.h"

#include <QLabel>

namespace maskwell {
namespace {

class AdvEditLabel : public test::AdvEditWindow {
protected:
    void SetUp() override {
        AdvEditWindow::SetUp();
        window.resize(400, 200);
        edit->setGeometry(100, 50, 120, 21);
        edit->SetLabelFont(PixelFont("Arial", 11));
    }

    QLabel* Label() const { return window.findChild<QLabel*>(); }
    QRect Field() const { return edit->geometry(); }
};

TEST_F(AdvEditLabel, FirstCaptionCreatesAnAutoSizedLabelBesideTheField) {
    EXPECT_EQ(edit->LabelCaption(), "");
    EXPECT_EQ(Label(), nullptr);
    edit->SetLabelCaption("Name:");
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->parentWidget(), &window);
    EXPECT_EQ(label->buddy(), edit);
    EXPECT_EQ(label->text(), "Name:");
    EXPECT_TRUE(label->isVisible());
    EXPECT_EQ(label->size(), TextExtent(PixelFont("Arial", 11), "Name:"));
    // lpLeftTop with margin 4: ends 4 pixels left of the field, tops aligned.
    EXPECT_EQ(label->geometry().right() + 1 + 4, Field().left());
    EXPECT_EQ(label->y(), Field().y());

    edit->SetLabelCaption("Full name:");
    EXPECT_EQ(window.findChildren<QLabel*>().size(), 1);
    EXPECT_EQ(label->geometry().right() + 1 + 4, Field().left());
}

TEST_F(AdvEditLabel, EveryPositionOfTheTable) {
    edit->SetLabelCaption("Name:");
    edit->SetLabelMargin(6);
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    const QRect f = Field();
    const int lw = label->width();
    const int lh = label->height();
    ASSERT_LT(lh, f.height());
    const int endsLeft = f.left() - 6 - lw; // the label's right edge 6 pixels before the field
    const int centredTop = f.top() + (f.height() - lh) / 2;
    const int centredLeft = f.left() + (f.width() - lw) / 2;
    const struct {
        TLabelPosition position;
        QPoint topLeft;
    } cases[] = {
        {lpLeftTop, {endsLeft, f.top()}},
        {lpLeftCenter, {endsLeft, centredTop}},
        {lpLeftBottom, {endsLeft, f.bottom() + 1 - lh}},
        {lpTopLeft, {f.left(), f.top() - 6 - lh}},
        {lpBottomLeft, {f.left(), f.bottom() + 1 + 6}},
        {lpLeftTopLeft, {f.left() - 6, f.top()}},
        {lpLeftCenterLeft, {f.left() - 6, centredTop}},
        {lpLeftBottomLeft, {f.left() - 6, f.bottom() + 1 - lh}},
        {lpTopCenter, {centredLeft, f.top() - 6 - lh}},
        {lpBottomCenter, {centredLeft, f.bottom() + 1 + 6}},
    };
    for (const auto& c : cases) {
        edit->SetLabelPosition(c.position);
        EXPECT_EQ(label->pos(), c.topLeft) << "position " << c.position;
        EXPECT_EQ(label->size(), QSize(lw, lh));
    }
}

TEST_F(AdvEditLabel, AcceleratorCaptionIsPlacedByItsWrittenWidth) {
    edit->SetLabelCaption("&Name:");
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    const QFont font = PixelFont("Arial", 11);
    EXPECT_EQ(label->width(), TextExtent(font, "Name:").width());
    EXPECT_EQ(label->x(), Field().left() - 4 - TextExtent(font, "&Name:").width());
}

TEST_F(AdvEditLabel, TallerLabelIsCentredAboveAndBelowTheField) {
    edit->SetLabelFont(PixelFont("Arial", 40));
    edit->SetLabelCaption("Big");
    edit->SetLabelPosition(lpLeftCenter);
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    const int lh = label->height();
    ASSERT_GT(lh, Field().height());
    EXPECT_EQ(label->y(), Field().top() - (lh - Field().height()) / 2);
    EXPECT_EQ(label->geometry().right() + 1 + 4, Field().left());
}

TEST_F(AdvEditLabel, LabelFollowsTheFieldsBoundsFontAndVisibility) {
    edit->SetLabelCaption("Name:");
    edit->SetLabelPosition(lpTopCenter);
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);

    edit->move(150, 80);
    EXPECT_EQ(label->y() + label->height() + 4, 80);
    EXPECT_EQ(label->x(), 150 + (120 - label->width()) / 2);
    edit->SetBounds(20, 100, 200, 30);
    EXPECT_EQ(label->x(), 20 + (200 - label->width()) / 2);
    edit->resize(100, 30);
    EXPECT_EQ(label->x(), 20 + (100 - label->width()) / 2);

    const int before = label->height();
    edit->SetLabelFont(PixelFont("Arial", 20));
    EXPECT_GT(label->height(), before);
    EXPECT_EQ(label->y() + label->height() + 4, 100);

    edit->SetVisible(false);
    EXPECT_FALSE(label->isVisible());
    edit->show();
    EXPECT_TRUE(label->isVisible());
    edit->hide();
    EXPECT_FALSE(label->isVisible());
}

TEST_F(AdvEditLabel, FocusLabelIsBoldWhileTheFieldHasTheFocusAndStaysClearOfIt) {
    edit->SetLabelCaption("Name:");
    edit->SetFocusLabel(true);
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    const int plainWidth = label->width();
    const auto clearOfField = [&] { return label->geometry().right() + 1 + 4 == Field().left(); };
    ASSERT_TRUE(FocusEdit());
    EXPECT_TRUE(label->font().bold());
    EXPECT_GT(label->width(), plainWidth);
    EXPECT_TRUE(clearOfField());
    ASSERT_TRUE(FocusOn(next));
    EXPECT_FALSE(label->font().bold());
    EXPECT_EQ(label->width(), plainWidth);
    EXPECT_TRUE(clearOfField());

    // The width growing on entry places the label again: it stays bold.
    edit->SetFocusWidthInc(20);
    ASSERT_TRUE(FocusEdit());
    EXPECT_TRUE(label->font().bold());
    EXPECT_TRUE(clearOfField());
}

TEST_F(AdvEditLabel, TransparencyAndLifetime) {
    edit->SetLabelCaption("Name:");
    QLabel* label = Label();
    ASSERT_NE(label, nullptr);
    EXPECT_TRUE(label->autoFillBackground());
    edit->SetLabelTransparent(true);
    EXPECT_FALSE(label->autoFillBackground());

    delete edit;
    edit = nullptr;
    EXPECT_EQ(Label(), nullptr);
}

} // namespace
} // namespace maskwell
