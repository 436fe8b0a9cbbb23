#include "platform/WindowFit.h"

#include <QDebug>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

std::string TextOf(const QRect& rect)
{
    QString text;
    QDebug(&text) << rect;
    return text.toStdString();
}

// Worked by hand: the help window's frame (640 x 560 inside a frame of 1, 20, 1, 1) where a
// window manager put it, 15 pixels off the bottom of a 1024 x 700 screen, and the cases around.
TEST(FittedFrame, KnownCases)
{
    const QRect screen(0, 0, 1024, 700);
    const struct
    {
        QRect wanted;
        QSize least;
        QRect area;
        QRect fitted;
    } cases[] = {
        // Moved up until its bottom meets the area's.
        {{300, 134, 642, 581}, {}, screen, {300, 119, 642, 581}},
        // Inside already: left alone, edges touching included.
        {{0, 0, 1024, 700}, {}, screen, {0, 0, 1024, 700}},
        {{10, 20, 300, 200}, {}, screen, {10, 20, 300, 200}},
        // Too tall and too wide: the area's size, at its corner.
        {{-50, -60, 1400, 900}, {}, screen, {0, 0, 1024, 700}},
        // Too tall only: the height of the area, the place across kept.
        {{900, 650, 100, 800}, {}, screen, {900, 0, 100, 700}},
        // Right of the area and too wide for it beside a panel of 24 along the top.
        {{2000, 10, 1100, 300}, {}, {0, 24, 1024, 676}, {0, 24, 1024, 300}},
        // The least a window can take wins over the area: its top left-hand corner stays in.
        {{500, 500, 600, 800}, {600, 750}, screen, {424, 0, 600, 750}},
        {{500, 500, 1100, 300}, {1100, 200}, screen, {0, 400, 1100, 300}},
        // A second screen to the left of the first, with its origin at -1280, 100.
        {{-100, 50, 400, 300}, {}, {-1280, 100, 1280, 900}, {-400, 100, 400, 300}},
        // No area known: nothing changes.
        {{5000, 5000, 100, 100}, {}, QRect(), {5000, 5000, 100, 100}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FittedFrame(c.wanted, c.least, c.area), c.fitted)
            << TextOf(c.wanted) << " in " << TextOf(c.area);
}

// Where one side of a frame of that size lands: moved only onto the side of the area it lay
// beyond, and at the area's start when it cannot fit.
int Side(int place, int size, int start, int length)
{
    if (size > length || place < start)
        return start;
    if (place + size > start + length)
        return start + length - size;
    return place;
}

// Over a grid of areas, places, sizes and least sizes, the rules themselves: the frame lies in
// the area whenever the least size fits it, is as large as wanted as far as the area allows and
// never below the least, and moves only as far as it must, toward the nearer side.
TEST(FittedFrame, RulesOverAGrid)
{
    const QRect areas[] = {{0, 0, 1024, 700},
                           {0, 0, 1280, 900},
                           {0, 24, 1024, 676},
                           {1920, 0, 1024, 700},
                           {-1280, -200, 1280, 1024}};
    const int places[] = {-5000, -700, -1, 0, 1, 299, 650, 1023, 1920, 2700, 6000};
    const int sizes[] = {1, 200, 699, 700, 701, 1024, 1025, 3000};
    const QSize leasts[] = {{0, 0}, {150, 120}, {1100, 720}};
    for (const QRect& area : areas)
        for (const QSize& least : leasts)
            for (int x : places)
                for (int y : places)
                    for (int width : sizes)
                        for (int height : sizes)
                        {
                            const QRect wanted(area.left() + x, area.top() + y, width, height);
                            const QRect fitted = FittedFrame(wanted, least, area);
                            // Built only for a failure.
                            const auto where = [&]
                            { return TextOf(wanted) + " in " + TextOf(area); };
                            ASSERT_GE(fitted.width(), least.width()) << where();
                            ASSERT_GE(fitted.height(), least.height()) << where();
                            ASSERT_EQ(fitted.width(),
                                      std::max(least.width(), std::min(width, area.width())))
                                << where();
                            ASSERT_EQ(fitted.height(),
                                      std::max(least.height(), std::min(height, area.height())))
                                << where();
                            const bool fits =
                                fitted.width() <= area.width() && fitted.height() <= area.height();
                            ASSERT_EQ(area.contains(fitted), fits) << where();
                            // The title bar is always in.
                            ASSERT_TRUE(area.contains(fitted.topLeft())) << where();
                            const bool bigEnough =
                                width >= least.width() && height >= least.height();
                            ASSERT_TRUE(!area.contains(wanted) || !bigEnough || fitted == wanted)
                                << where();
                            ASSERT_EQ(fitted.left(), Side(wanted.left(), fitted.width(),
                                                          area.left(), area.width()))
                                << where();
                            ASSERT_EQ(fitted.top(), Side(wanted.top(), fitted.height(), area.top(),
                                                         area.height()))
                                << where();
                        }
}

} // namespace
} // namespace Brosquin
