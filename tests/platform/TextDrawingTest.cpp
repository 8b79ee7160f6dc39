// SPDX-License-Identifier: MIT
#include "platform/TextDrawing.h"

#include "tests/support/PaintProbe.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

QFont TestFont() {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(13);
    return font;
}

const QFontMetrics& Metrics() {
    static const QFontMetrics metrics(TestFont());
    return metrics;
}

int Advance(const QString& text) {
    return Metrics().horizontalAdvance(text);
}

TextLayout Layout(const QString& text, const QRect& rect, unsigned flags) {
    return LayoutText(Metrics(), text, rect, flags);
}

QStringList LineTexts(const TextLayout& layout) {
    QStringList texts;
    for (const TextLine& line : layout.lines)
        texts << line.text;
    return texts;
}

// Draws in black on white with the test font.
QImage Painted(const std::function<void(QPainter&)>& paint, QSize size = QSize(240, 60)) {
    test::PaintProbe probe(size, [&](QPainter& painter) {
        painter.setFont(TestFont());
        paint(painter);
    });
    return probe.Grab();
}

QImage Drawn(const QString& text, QRect rect, unsigned flags) {
    return Painted([&](QPainter& painter) { DrawText(painter, text, rect, flags); });
}

TEST(TextLayout, PlacesASingleLineByTheAlignmentFlags) {
    const QRect rect(10, 5, 200, 40);
    const int width = Advance("Hello");
    const int height = Metrics().height();
    EXPECT_EQ(Layout("Hello", rect, DT_LEFT).lines.at(0).origin, QPoint(10, 5));
    EXPECT_EQ(Layout("Hello", rect, DT_CENTER).lines.at(0).origin.x(), 10 + (200 - width) / 2);
    EXPECT_EQ(Layout("Hello", rect, DT_RIGHT).lines.at(0).origin.x(), 210 - width);
    EXPECT_EQ(Layout("Hello", rect, DT_SINGLELINE | DT_VCENTER).lines.at(0).origin.y(),
              5 + (40 - height) / 2);
    EXPECT_EQ(Layout("Hello", rect, DT_SINGLELINE | DT_BOTTOM).lines.at(0).origin.y(), 45 - height);
    // Vertical placement needs a single line.
    EXPECT_EQ(Layout("Hello", rect, DT_VCENTER).lines.at(0).origin.y(), 5);
    EXPECT_EQ(Layout("Hello", rect, DT_BOTTOM).lines.at(0).origin.y(), 5);
}

TEST(TextLayout, LineBreaksStartNewLinesUnlessSingleLine) {
    const QRect rect(0, 0, 300, 100);
    const TextLayout layout = Layout("one\ntwo\r\nthree\rfour", rect, DT_CENTER);
    EXPECT_EQ(LineTexts(layout), (QStringList{"one", "two", "three", "four"}));
    EXPECT_EQ(layout.lines.at(3).origin.y(), 3 * Metrics().height());
    EXPECT_EQ(layout.lines.at(1).origin.x(), (300 - Advance("two")) / 2);
    EXPECT_EQ(layout.extent, QSize(Advance("three"), 4 * Metrics().height()));
    EXPECT_EQ(LineTexts(Layout("one\ntwo\r\nthree", rect, DT_SINGLELINE)),
              QStringList{"one two  three"});
    EXPECT_EQ(Layout("", rect, 0).extent, QSize(0, Metrics().height()));
}

TEST(TextLayout, WordBreakFillsEachLineWithTheWordsThatFit) {
    const QString text = "The quick brown fox   jumps";
    const QRect rect(0, 0, Advance("The quick brown") + 2, 100);
    const TextLayout layout = Layout(text, rect, DT_WORDBREAK);
    EXPECT_EQ(LineTexts(layout), (QStringList{"The quick brown", "fox   jumps"}));
    EXPECT_EQ(
        LineTexts(Layout(text, QRect(0, 0, Advance("The quick brown") - 1, 100), DT_WORDBREAK)),
        (QStringList{"The quick", "brown fox", "jumps"}));
    // A word wider than the rectangle stands alone, unbroken.
    EXPECT_EQ(LineTexts(Layout("a supercalifragilistic b", QRect(0, 0, 30, 100), DT_WORDBREAK)),
              (QStringList{"a", "supercalifragilistic", "b"}));
    // Single line wins over word break.
    EXPECT_EQ(Layout(text, rect, DT_WORDBREAK | DT_SINGLELINE).lines.size(), 1u);
}

TEST(TextLayout, TabsExpandToEightAverageCharacterWidths) {
    const int stop = 8 * Metrics().averageCharWidth();
    const QRect rect(0, 0, 400, 40);
    const TextLine expanded = Layout("a\tb", rect, DT_EXPANDTABS).lines.at(0);
    EXPECT_EQ(expanded.width, stop + Advance("b"));
    const QString longFirst = QString(6, u'W') + "\tb";
    ASSERT_GT(Advance(QString(6, u'W')), stop);
    ASSERT_LT(Advance(QString(6, u'W')), 2 * stop);
    EXPECT_EQ(Layout(longFirst, rect, DT_EXPANDTABS).lines.at(0).width, 2 * stop + Advance("b"));
    const TextLine plain = Layout("a\tb", rect, 0).lines.at(0);
    EXPECT_EQ(plain.text, "a b");
    EXPECT_EQ(plain.width, Advance("a b"));
}

TEST(TextLayout, PrefixIsRemovedAndItsCharacterUnderlined) {
    const QRect rect(0, 0, 200, 40);
    const TextLine line = Layout("Save &As", rect, DT_SINGLELINE).lines.at(0);
    EXPECT_EQ(line.text, "Save As");
    EXPECT_EQ(line.underline, 5);
    EXPECT_EQ(line.width, Advance("Save As"));
    const TextLine noPrefix = Layout("Save &As", rect, DT_SINGLELINE | DT_NOPREFIX).lines.at(0);
    EXPECT_EQ(noPrefix.text, "Save &As");
    EXPECT_EQ(noPrefix.underline, -1);
    // The underline follows its character onto its line.
    const TextLayout wrapped = Layout("one &two", QRect(0, 0, Advance("one"), 40), DT_WORDBREAK);
    EXPECT_EQ(wrapped.lines.at(0).underline, -1);
    EXPECT_EQ(wrapped.lines.at(1).underline, 0);
}

TEST(TextLayout, EndEllipsisKeepsAsMuchOfTheStartAsFits) {
    const QString text = "Classful subnetting made easy";
    const int width = 90;
    const TextLine line = Layout(text, QRect(0, 0, width, 20), DT_END_ELLIPSIS).lines.at(0);
    ASSERT_TRUE(line.text.endsWith("..."));
    const QString kept = line.text.chopped(3);
    EXPECT_TRUE(text.startsWith(kept));
    EXPECT_LE(line.width, width);
    EXPECT_GT(Advance(text.left(kept.size() + 1) + "..."), width);
    // Room for nothing but the ellipsis.
    EXPECT_EQ(Layout(text, QRect(0, 0, 4, 20), DT_END_ELLIPSIS).lines.at(0).text, "...");
    // Text that fits is left alone; so is every line without the flag.
    EXPECT_EQ(Layout(text, QRect(0, 0, 400, 20), DT_END_ELLIPSIS).lines.at(0).text, text);
    EXPECT_EQ(Layout(text, QRect(0, 0, width, 20), 0).lines.at(0).text, text);
    // An underline that is cut off goes with its character.
    EXPECT_EQ(
        Layout("Keep &this and that", QRect(0, 0, Advance("Keep ...") + 1, 20), DT_END_ELLIPSIS)
            .lines.at(0)
            .underline,
        -1);
}

TEST(TextLayout, PathEllipsisKeepsTheLastComponentAndElidesBeforeIt) {
    const QString path = "C:\\Program Files\\Maskwell\\maskwell.ini";
    const QString expected = "C:\\Progr...\\maskwell.ini";
    EXPECT_EQ(Layout(path, QRect(0, 0, Advance(expected), 20), DT_PATH_ELLIPSIS).lines.at(0).text,
              expected);
    EXPECT_EQ(Layout("/usr/share/maskwell/readme", QRect(0, 0, Advance("/u.../readme"), 20),
                     DT_PATH_ELLIPSIS)
                  .lines.at(0)
                  .text,
              "/u.../readme");
    // Too narrow even for the last component: it is kept whole all the same.
    EXPECT_EQ(Layout(path, QRect(0, 0, 20, 20), DT_PATH_ELLIPSIS).lines.at(0).text,
              "...\\maskwell.ini");
    // No separator: the end gives way.
    EXPECT_EQ(Layout("maskwell.ini", QRect(0, 0, Advance("mask..."), 20), DT_PATH_ELLIPSIS)
                  .lines.at(0)
                  .text,
              "mask...");
    // The underline in the kept component moves with it.
    const TextLine underlined = Layout("C:\\Program Files\\&maskwell.ini",
                                       QRect(0, 0, Advance(expected), 20), DT_PATH_ELLIPSIS)
                                    .lines.at(0);
    EXPECT_EQ(underlined.text, expected);
    EXPECT_EQ(underlined.text[underlined.underline], u'm');
    EXPECT_EQ(underlined.underline, expected.indexOf(u'm'));
}

TEST(DrawText, CentredTextLandsHalfTheSpareRoomFurther) {
    const QRect rect(10, 4, 220, 50);
    const QRect left = test::InkBounds(Drawn("Hello", rect, DT_SINGLELINE));
    const QRect centred = test::InkBounds(Drawn("Hello", rect, DT_SINGLELINE | DT_CENTER));
    const QRect middle =
        test::InkBounds(Drawn("Hello", rect, DT_SINGLELINE | DT_CENTER | DT_VCENTER));
    const QRect right = test::InkBounds(Drawn("Hello", rect, DT_SINGLELINE | DT_RIGHT));
    ASSERT_FALSE(left.isEmpty());
    EXPECT_EQ(centred, left.translated((220 - Advance("Hello")) / 2, 0));
    EXPECT_EQ(middle, centred.translated(0, (50 - Metrics().height()) / 2));
    EXPECT_EQ(right, left.translated(220 - Advance("Hello"), 0));
}

TEST(DrawText, AcceleratorUnderlinesItsCharacterOnly) {
    const QRect rect(6, 6, 200, 30);
    const QImage plain = Drawn("Hello", rect, DT_SINGLELINE);
    const QImage underlined = Drawn("&Hello", rect, DT_SINGLELINE);
    const QRect line(6, 6 + Metrics().ascent() + Metrics().underlinePos(), Advance("H"),
                     std::max(1, Metrics().lineWidth()));
    int changed = 0;
    for (int y = 0; y < plain.height(); ++y)
        for (int x = 0; x < plain.width(); ++x) {
            if (line.contains(x, y))
                ASSERT_EQ(underlined.pixel(x, y), qRgb(0, 0, 0)) << x << "," << y;
            else
                ASSERT_EQ(underlined.pixel(x, y), plain.pixel(x, y)) << x << "," << y;
            changed += underlined.pixel(x, y) != plain.pixel(x, y);
        }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(Drawn("He&&llo", rect, DT_SINGLELINE), Drawn("He&llo", rect, DT_NOPREFIX));
    EXPECT_NE(Drawn("&Hello", rect, DT_NOPREFIX), plain);
}

TEST(DrawText, EllipsisShortensTheTextToFitTheRectangle) {
    const QString text = "Classful subnetting made easy";
    const QRect rect(10, 10, 100, 20);
    const QImage elided = Drawn(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS);
    const QString shown = Layout(text, rect, DT_SINGLELINE | DT_END_ELLIPSIS).lines.at(0).text;
    ASSERT_NE(shown, text);
    // What is drawn is the shortened text, whole: the same picture without a
    // clip, and no ink outside the rectangle.
    EXPECT_EQ(elided, Drawn(shown, QRect(10, 10, 230, 20), DT_SINGLELINE | DT_NOPREFIX));
    EXPECT_TRUE(rect.contains(test::InkBounds(elided)));
    EXPECT_NE(elided, Drawn(text, rect, DT_SINGLELINE));
}

TEST(DrawText, ClipsToTheRectangle) {
    const QRect rect(20, 10, 60, 8);
    const QRect ink = test::InkBounds(Drawn("A line far wider than its box", rect, 0));
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_TRUE(rect.contains(ink))
        << ink.x() << "," << ink.y() << " " << ink.width() << "x" << ink.height();
}

TEST(DrawText, CalcRectMeasuresAndDrawsNothing) {
    QRect rect(7, 9, 300, 10);
    int height = 0;
    const QImage image = Painted([&](QPainter& painter) {
        height = DrawText(painter, "first\nsecond line", rect, DT_CALCRECT);
    });
    EXPECT_TRUE(test::InkBounds(image).isEmpty());
    EXPECT_EQ(rect, QRect(7, 9, Advance("second line"), 2 * Metrics().height()));
    EXPECT_EQ(height, 2 * Metrics().height());
    EXPECT_EQ(TextExtent(TestFont(), "second line"), QSize(rect.width(), rect.height() / 2));
}

TEST(TextOut, PutsTheTopOfTheTextCellAtTheGivenPoint) {
    const QImage image = Painted([](QPainter& painter) { TextOut(painter, 21, 7, "HHH"); });
    const QRect ink = test::InkBounds(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_EQ(ink.bottom(), 7 + Metrics().ascent() - 1); // H sits on the baseline
    EXPECT_GE(ink.top(), 7);
    EXPECT_GE(ink.left(), 21);
    EXPECT_EQ(image, Drawn("HHH", QRect(21, 7, 200, 40), DT_NOPREFIX));
    // No prefix handling: the ampersand is drawn.
    EXPECT_EQ(Painted([](QPainter& painter) { TextOut(painter, 3, 3, "&a"); }),
              Drawn("&a", QRect(3, 3, 200, 40), DT_NOPREFIX));
}

} // namespace
} // namespace maskwell
