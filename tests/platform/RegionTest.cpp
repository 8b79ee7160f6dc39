// SPDX-License-Identifier: MIT
#include "platform/Region.h"

#include "tests/support/PaintProbe.h"

#include <QPainter>
#include <QPainterPath>
#include <gtest/gtest.h>

namespace maskwell {
namespace {

// The region over an area as rows of '#' (in) and '.' (out).
QStringList Picture(const QRegion& region, const QRect& area) {
    QStringList rows;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        QString row;
        for (int x = area.left(); x <= area.right(); ++x)
            row += PtInRegion(region, x, y) ? u'#' : u'.';
        rows << row;
    }
    return rows;
}

TEST(Region, RectangleExcludesItsRightAndBottomEdges) {
    const QRegion region = CreateRectRgn(0, 0, 10, 5);
    EXPECT_TRUE(PtInRegion(region, 0, 0));
    EXPECT_TRUE(PtInRegion(region, 9, 4));
    EXPECT_FALSE(PtInRegion(region, 10, 0));
    EXPECT_FALSE(PtInRegion(region, 0, 5));
    EXPECT_FALSE(PtInRegion(region, -1, 2));
    EXPECT_EQ(region.boundingRect(), QRect(0, 0, 10, 5));
    EXPECT_EQ(CreateRectRgn(10, 5, 0, 0), region);
}

TEST(Region, RoundRectangleCornerOfEightInABoxOfSixteen) {
    // Corners (0, 0) and (17, 17): the round figure fills 16 x 16 pixels.
    const QStringList expected{
        "..############..", ".##############.", "################", "################",
        "################", "################", "################", "################",
        "################", "################", "################", "################",
        "################", "################", ".##############.", "..############..",
    };
    EXPECT_EQ(Picture(CreateRoundRectRgn(0, 0, 17, 17, 8, 8), QRect(0, 0, 16, 16)), expected);
    // Moved, the same figure; the pixels around it stay out.
    const QRegion moved = CreateRoundRectRgn(5, 3, 22, 20, 8, 8);
    EXPECT_EQ(Picture(moved, QRect(5, 3, 16, 16)), expected);
    EXPECT_EQ(moved.boundingRect(), QRect(5, 3, 16, 16));
}

TEST(Region, SmallEllipsesPixelByPixel) {
    EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 8, 6), QRect(0, 0, 7, 5)),
              (QStringList{".#####.", "#######", "#######", "#######", ".#####."}));
    EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 7, 5), QRect(0, 0, 6, 4)),
              (QStringList{".####.", "######", "######", ".####."}));
    EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 3, 11), QRect(0, 0, 2, 10)),
              (QStringList{"..", "##", "##", "##", "##", "##", "##", "##", "##", ".."}));
    EXPECT_EQ(Picture(CreateEllipticRgn(0, 0, 21, 3), QRect(0, 0, 20, 2)),
              (QStringList{".##################.", ".##################."}));
}

TEST(Region, RoundShapesAreOnePixelShortOfTheirCornersAtRightAndBottom) {
    // So a ring nested i pixels deep in a W x H control keeps i pixels on every
    // side, as a round rectangle (i, i, W + 1 - i, H + 1 - i) or as a
    // rectangle (i, i, W - i, H - i).
    const int width = 65;
    const int height = 17;
    for (int i = 0; i < 4; ++i) {
        const QRect ring(i, i, width - 2 * i, height - 2 * i);
        EXPECT_EQ(CreateRoundRectRgn(i, i, width + 1 - i, height + 1 - i, 12 - 2 * i, 12 - 2 * i)
                      .boundingRect(),
                  ring);
        EXPECT_EQ(CreateEllipticRgn(i, i, width + 1 - i, height + 1 - i).boundingRect(), ring);
        EXPECT_EQ(CreateRectRgn(i, i, width - i, height - i).boundingRect(), ring);
    }
}

TEST(Region, RoundShapesAreSymmetricAboutBothCentreLines) {
    for (const QSize box : {QSize(16, 16), QSize(17, 9), QSize(97, 25), QSize(6, 31)}) {
        for (const QSize corner : {QSize(8, 8), QSize(5, 3), QSize(25, 25), QSize(2, 14)}) {
            const QRegion region = CreateRoundRectRgn(0, 0, box.width() + 1, box.height() + 1,
                                                      corner.width(), corner.height());
            for (int y = 0; y < box.height(); ++y)
                for (int x = 0; x < box.width(); ++x) {
                    const bool in = PtInRegion(region, x, y);
                    ASSERT_EQ(in, PtInRegion(region, box.width() - 1 - x, y))
                        << "box " << box.width() << "x" << box.height() << " corner "
                        << corner.width() << "x" << corner.height() << " at " << x << "," << y;
                    ASSERT_EQ(in, PtInRegion(region, x, box.height() - 1 - y));
                }
        }
    }
}

TEST(Region, LargerCornersCutDeeperAndTheMiddleLinesStayWhole) {
    const QRegion box = CreateRectRgn(0, 0, 40, 24);
    QRegion previous = box;
    for (int corner = 2; corner <= 40; corner += 2) {
        const QRegion region = CreateRoundRectRgn(0, 0, 41, 25, corner, corner);
        EXPECT_EQ(region.subtracted(previous), QRegion()) << "corner " << corner;
        EXPECT_TRUE(PtInRegion(region, 0, 12) && PtInRegion(region, 39, 11));
        EXPECT_TRUE(PtInRegion(region, 20, 0) && PtInRegion(region, 19, 23));
        previous = region;
    }
    EXPECT_EQ(previous, CreateEllipticRgn(0, 0, 41, 25));
}

TEST(Region, DegenerateCornersGiveSquareCornersOrTheEllipse) {
    const QRegion square = CreateRectRgn(2, 3, 20, 12);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 21, 13, 0, 6), square);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 21, 13, 6, 0), square);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 21, 13, -4, -4), square);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 21, 13, 1, 1), square);
    EXPECT_EQ(CreateRoundRectRgn(2, 3, 21, 13, 500, 500), CreateEllipticRgn(2, 3, 21, 13));
    EXPECT_EQ(CreateRoundRectRgn(21, 13, 2, 3, 6, 6), CreateRoundRectRgn(2, 3, 21, 13, 6, 6));
    // No pixels between the corners: nothing at all.
    EXPECT_TRUE(CreateRoundRectRgn(4, 4, 5, 30, 8, 8).isEmpty());
    EXPECT_TRUE(CreateEllipticRgn(4, 4, 4, 4).isEmpty());
    EXPECT_EQ(CreateEllipticRgn(4, 4, 6, 6), QRegion(4, 4, 1, 1));
}

TEST(Region, EllipseIsTheFigureQtFillsUpToPixelsOnTheCurve) {
    // Qt fills its ellipse as straight segments, which may pass the other side
    // of a pixel centre that lies right on the curve. Any difference must be
    // such a pixel (one of its neighbours differs), and there are few of them;
    // a figure shifted or sized one pixel off differs all round.
    for (int width = 1; width <= 40; ++width) {
        for (int height = 1; height <= 40; ++height) {
            QImage qt(width + 4, height + 4, QImage::Format_RGB32);
            qt.fill(Qt::white);
            {
                QPainter painter(&qt);
                QPainterPath path;
                path.addEllipse(QRectF(2, 2, width, height));
                painter.fillPath(path, Qt::black);
            }
            const QRegion region = CreateEllipticRgn(2, 2, width + 3, height + 3);
            auto qtIn = [&](int x, int y) { return qt.pixel(x, y) == qRgb(0, 0, 0); };
            int differences = 0;
            for (int y = 1; y < height + 3; ++y)
                for (int x = 1; x < width + 3; ++x) {
                    const bool in = PtInRegion(region, x, y);
                    if (in == qtIn(x, y))
                        continue;
                    ++differences;
                    const bool onCurve =
                        PtInRegion(region, x - 1, y) != in || PtInRegion(region, x + 1, y) != in ||
                        PtInRegion(region, x, y - 1) != in || PtInRegion(region, x, y + 1) != in;
                    ASSERT_TRUE(onCurve) << width << "x" << height << " at " << x << "," << y;
                }
            ASSERT_LE(differences, (width + height) / 2) << width << "x" << height;
        }
    }
}

TEST(Region, OffsetAndFillPaintExactlyTheRegionsPixels) {
    const QRegion region = CreateRoundRectRgn(3, 2, 44, 24, 14, 10);
    QRegion moved = CreateRoundRectRgn(0, 0, 41, 22, 14, 10);
    OffsetRgn(moved, 3, 2);
    EXPECT_EQ(moved, region);
    test::PaintProbe probe(QSize(48, 28), [&](QPainter& painter) {
        // The painter's own pen, brush and antialiasing play no part.
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(Qt::green, 3));
        painter.setBrush(Qt::blue);
        FillRgn(painter, region, QColor(255, 0, 0));
    });
    const QImage image = probe.Grab();
    ASSERT_EQ(image.size(), QSize(48, 28));
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ASSERT_EQ(image.pixel(x, y),
                      PtInRegion(region, x, y) ? qRgb(255, 0, 0) : qRgb(255, 255, 255))
                << x << "," << y;
}

} // namespace
} // namespace maskwell
