#include "core/RealOf.h"
#include "graphics/Plot.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>
#include <sstream>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

namespace Brosquin
{
namespace
{

const Real version2 = RealOf(2.0);

// A plot as the evaluation list builds one, lines without curves; with an off-axis variable and
// two comments when asked.
std::unique_ptr<Plot> MakePlot(int lines, bool extras = false)
{
    auto plot = std::make_unique<Plot>(nullptr, 0);
    for (int i = 0; i < lines; ++i)
        plot->vdAddBlankLine("", nullptr, 0, 0, 1);
    if (extras)
    {
        plot->vdAddOffAxisVariable("n", "50", nullptr);
        plot->vdAddComment("first");
        plot->vdAddComment("second");
    }
    return plot;
}

std::string Written(Plot& plot, const Real& version = version2, bool withSegments = false)
{
    std::ostringstream out;
    plot.vdWriteToStream(out, version, withSegments);
    return out.str();
}

// True when the plot took the record.
bool Read(Plot& plot, const std::string& record, const Real& version = version2,
          bool withSegments = false)
{
    ClearReadError();
    std::istringstream in(record);
    plot.vdReadFromStream(in, version, withSegments);
    return !ReadErrorOccurred();
}

// A plot whose records may bring their own number of lines.
class VariableLinesPlot : public Plot
{
public:
    explicit VariableLinesPlot(int lines) : Plot(nullptr, 0)
    {
        for (int i = 0; i < lines; ++i)
            vdAddBlankLine("", nullptr, 0, 0, 1);
    }
    bool bVariableNumberOfLines() const override { return true; }
};

TEST(PlotRecordTest, ADefaultPlotWritesItsSettingsInOrderForEachVersion)
{
    auto plot = MakePlot(1);
    plot->vdSetLineLabel(1, "Single: n=50, a=2");
    plot->vdSetLineValueText(1, "0");
    EXPECT_EQ(Written(*plot),
              " 0 1 \"\" 2 16711680 \"\" 1.5 0 \"Y-Axis\" 1.5 1 0 1 1 3 4 \"X-Axis\" 1.5 2 0"
              " 1 1 3 4 1 2 0.4 0.2 1 1 1 1 0 1 1 1 1 \"Single: n=50, a=2\" \"0\" 0 0 1 1 0 0 0 0");
    EXPECT_FALSE(plot->bModified());
    EXPECT_EQ(Written(*plot, RealOf(1.5)),
              " 0 1 \"\" 2 16711680 \"\" 1.5 0 \"Y-Axis\" 1.5 0 1 1 3 4 \"X-Axis\" 1.5 0 1 1 3 4"
              " 1 2 0.4 0.2 1 1 1 1 0 1 1 1 1 \"Single: n=50, a=2\" \"0\" 0 0 1 0 0");
    // The key title comes after the key from version 2.1 on.
    EXPECT_NE(Written(*plot, RealOf(2.1)).find(" 1 \"\" 1 0 1 1 0 1 1 1 1 \""), std::string::npos);

    // Widths of zero with a minus sign are written as zero.
    const std::string zeroWidths = Written(*plot);
    for (double width : {1.0, -0.0})
    {
        plot->vdSetLineThickness(1, width);
        plot->vdSetLinePointSize(1, width);
    }
    ASSERT_TRUE(std::signbit(plot->Line(1)->thickness) && std::signbit(plot->Line(1)->pointSize));
    EXPECT_EQ(Written(*plot), zeroWidths);
}

TEST(PlotRecordTest, EverySettingComesBackAndWritesTheSameBytes)
{
    auto plot = MakePlot(2, true);
    plot->vdSetResolution(3);
    plot->vdSetMainTitle("Lot \"A\" \xE9t\xE9");
    plot->vdSetSubTitleSize(0.8);
    plot->vdSetYAxisLabelVertical(false);
    plot->vdSetYAxisMinimum(RealOf(-0.5));
    plot->vdSetYAxisMaximum(RealOf(1234567.25));
    plot->vdSetYAxisNumberTics(0);
    plot->vdSetXAxisMinimum(RealOf(1e-9));
    plot->vdSetXAxisMaximum(RealOf(0.30000000000000004));
    plot->vdSetAxisStyle(3);
    plot->vdSetTicStyle(0);
    plot->vdSetDisplayComments(false);
    plot->vdSetCommentsSize(2000000); // "2e+06"
    plot->vdSetLineLabel(2, "Single: n=\"13\"");
    plot->vdSetLineColor(2, 0xFFFFFF);
    plot->vdSetLineStyle(2, 5);
    plot->vdSetLineConnectPoints(2, false);
    plot->vdSetLinePointStyle(2, 9);
    plot->vdSetLinePointSize(2, 0.4);
    plot->vdSetOffAxisVariableValue(1, "80");
    plot->vdSetComment(2, "");
    plot->vdSetAutoScale(true);
    const std::string record = Written(*plot);

    auto copy = MakePlot(2, true);
    ASSERT_TRUE(Read(*copy, record));
    EXPECT_EQ(Written(*copy), record);
    EXPECT_STREQ(copy->MainTitle().Text(), "Lot \"A\" \xE9t\xE9");
    EXPECT_EQ(copy->XAxisMaximum().dValue(), 0.30000000000000004) << "Reals keep every digit";
    EXPECT_EQ(copy->dCommentsSize(), 2000000);
    EXPECT_TRUE(copy->bAutoScale() && copy->bRebuild());
    EXPECT_FALSE(copy->bScaleChanged() || copy->bModified());
}

// A plot is rebuilt before its record is read, so its axes may already hold numbers that the Real
// takes for the same as the record's: the record's own number must come back all the same.
TEST(PlotRecordTest, AxisEndsComeBackToTheBitWhateverThePlotHeldBefore)
{
    // Doubles whose digits are hard to carry: seventeen significant digits, sums that are no
    // short decimal, the neighbours of 1 and of the edges of fixed notation, and the ends of what
    // a Real holds (nothing nearer to 0 than 2e-154, nothing beyond 1e154).
    const double grid[] = {0.1 + 0.2,
                           0.1,
                           1.0 / 3,
                           2.0 / 3,
                           1.2345678901234567,
                           9007199254740991.0,
                           1.2345678901234568e17,
                           std::nextafter(1.0, 2.0),
                           std::nextafter(1.0, 0.0),
                           std::nextafter(1e9, 0.0),
                           1e-7,
                           std::nextafter(1e-7, 0.0),
                           2e-154,
                           std::nextafter(2e-154, 1.0),
                           1e154,
                           std::nextafter(1e154, 0.0),
                           9.8765432109876543e153};
    using Set = void (Plot::*)(const Real&);
    using Get = const Real& (Plot::*)() const;
    const std::pair<Set, Get> ends[] = {{&Plot::vdSetYAxisMinimum, &Plot::YAxisMinimum},
                                        {&Plot::vdSetYAxisMaximum, &Plot::YAxisMaximum},
                                        {&Plot::vdSetXAxisMinimum, &Plot::XAxisMinimum},
                                        {&Plot::vdSetXAxisMaximum, &Plot::XAxisMaximum}};
    // Through a number far from it, so that the setter takes even a near neighbour.
    const auto holding = [](Set set, double value)
    {
        auto plot = MakePlot(1);
        ((*plot).*set)(RealOf(5));
        ((*plot).*set)(RealOf(value));
        return plot;
    };
    const double infinity = std::numeric_limits<double>::infinity();
    for (const double magnitude : grid)
        for (const double value : {magnitude, -magnitude})
            for (const auto& [set, get] : ends)
            {
                auto plot = holding(set, value);
                ASSERT_EQ(((*plot).*get)().dValue(), value);
                const std::string record = Written(*plot);
                for (const double before :
                     {std::nextafter(value, infinity), std::nextafter(value, -infinity), 1.0})
                {
                    auto copy = holding(set, before);
                    ASSERT_TRUE(Read(*copy, record)) << record;
                    EXPECT_EQ(std::bit_cast<std::uint64_t>(((*copy).*get)().dValue()),
                              std::bit_cast<std::uint64_t>(value))
                        << record << " read into a plot holding " << before;
                    EXPECT_EQ(Written(*copy), record);
                }
            }
}

TEST(PlotRecordTest, ARecordThePlotCannotTakeIsAReadError)
{
    auto plot = MakePlot(1, true);
    const std::string good = Written(*plot);
    // The good record with the token at a position (from 0) replaced.
    const auto with = [&good](int position, const std::string& token)
    {
        std::istringstream in(good);
        std::string result, word;
        for (int i = 0; in >> word; ++i)
            result += ' ' + (i == position ? token : word);
        return result;
    };
    ASSERT_EQ(with(0, "0"), good);
    const std::pair<int, const char*> refusals[] = {
        {1, "2"},      {1, "\"1\""}, {3, "0"},    {4, "16777216"}, {4, "-1"},
        {11, "\"1\""}, {14, "1"},    {15, "-1"},  {15, "1e300"},   {19, "1e999"},
        {24, "4"},     {25, "3"},    {28, "0.5"}, {36, "2"},       {39, "-0.1"},
        {40, "1e10"},  {41, "6"},    {43, "10"},  {45, "2"},       {48, "1"}};
    for (const auto& [position, token] : refusals)
    {
        auto target = MakePlot(1, true);
        target->vdSetAutoScale(true);
        EXPECT_FALSE(Read(*target, with(position, token))) << position << " " << token;
        EXPECT_FALSE(target->bAutoScale() || target->bModified());
    }
    for (std::size_t end = 0; end + 2 < good.size(); ++end)
        EXPECT_FALSE(Read(*MakePlot(1, true), good.substr(0, end))) << end;
    // Read as an older version, the record goes wrong from the vertical flag on.
    EXPECT_FALSE(Read(*MakePlot(1, true), good, RealOf(1.0)));

    // Another line count: nothing changes but the resolution, which comes first.
    auto two = MakePlot(2, true);
    two->vdSetMainTitle("kept");
    EXPECT_FALSE(Read(*two, with(0, "2")));
    EXPECT_EQ(two->Resolution(), 2);
    EXPECT_STREQ(two->MainTitle().Text(), "kept");
    // A resolution outside the table is the first one.
    EXPECT_TRUE(Read(*plot, with(0, "7")));
    EXPECT_EQ(plot->Resolution(), 0);
}

using Changes = std::vector<std::function<void(Plot&)>>;

// A change for each setter with each value; one that sets a line, an off-axis variable or a
// comment does so at the indexes 0 to 3, the plot's own and those beyond.
template <class Values, class Set>
void vdAddEach(Changes& changes, const Values& values, std::initializer_list<Set> setters)
{
    for (const Set set : setters)
        for (const auto& value : values)
            if constexpr (std::is_invocable_v<Set, Plot&, std::uint32_t, decltype(value)>)
                for (const std::uint32_t line : {0u, 1u, 2u, 3u})
                    changes.push_back([=](Plot& plot) { (plot.*set)(line, value); });
            else
                changes.push_back([=](Plot& plot) { (plot.*set)(value); });
}

// Every setter, given what the program passes and what it never should: whatever state it leaves
// is written, read back into a plot built the same way and written again to the same bytes.
TEST(PlotRecordTest, EveryStateTheSettersLeaveReadsBackToTheSameBytes)
{
    const double infinity = std::numeric_limits<double>::infinity();
    const double numbers[] = {
        std::nan(""), infinity, -infinity,    -1, 0, 1e-160, 2e-154, 0.5, std::nextafter(0.5, 1.0),
        1.0 / 3,      1e154,    1.0000001e154};
    Real overflow;
    overflow.vdSetError(1);
    const Real ends[] = {overflow, RealOf(-1e154), RealOf(0.30000000000000004), RealOf(5)};
    const std::string long_(LongestToken + 10, 'x');
    const char* const texts[] = {"", "a \"quoted\" word", "two\nlines", long_.c_str()};
    const std::uint8_t codes[] = {0, 2, 3, 5, 9, 10, 255};
    const Colour colours[] = {0xFFFFFF, 0x1000000, 0xFFFFFFFF};
    const std::int32_t counts[] = {std::numeric_limits<std::int32_t>::min(), -1, 0, 1, 2,
                                   std::numeric_limits<std::int32_t>::max()};
    const std::uint32_t indexes[] = {0x80000000, 0xFFFFFFFF, 0, 1, 2, 0x7FFFFFFF};
    const bool flags[] = {false, true};

    Changes changes;
    vdAddEach(changes, numbers,
              {&Plot::vdSetMainTitleSize, &Plot::vdSetSubTitleSize, &Plot::vdSetYAxisLabelSize,
               &Plot::vdSetYAxisScaleSize, &Plot::vdSetXAxisLabelSize, &Plot::vdSetXAxisScaleSize,
               &Plot::vdSetTicSizeNumber, &Plot::vdSetTicSizeBetween, &Plot::vdSetAxisRatio,
               &Plot::vdSetKeyLineSize, &Plot::vdSetKeyTitleSize, &Plot::vdSetOffAxisSize,
               &Plot::vdSetCommentsSize});
    vdAddEach(changes, numbers,
              {&Plot::vdSetLineThickness, &Plot::vdSetLinePointSize, &Plot::vdSetLineValue});
    vdAddEach(changes, texts,
              {&Plot::vdSetLineLabel, &Plot::vdSetLineValueText, &Plot::vdSetOffAxisVariableName,
               &Plot::vdSetOffAxisVariableValue, &Plot::vdSetComment});
    vdAddEach(changes, ends,
              {&Plot::vdSetYAxisMinimum, &Plot::vdSetYAxisMaximum, &Plot::vdSetXAxisMinimum,
               &Plot::vdSetXAxisMaximum});
    vdAddEach(changes, texts,
              {&Plot::vdSetMainTitle, &Plot::vdSetSubTitle, &Plot::vdSetYAxisLabel,
               &Plot::vdSetXAxisLabel, &Plot::vdSetKeyTitle});
    vdAddEach(changes, codes, {&Plot::vdSetAxisStyle, &Plot::vdSetTicStyle});
    vdAddEach(changes, codes, {&Plot::vdSetLineStyle, &Plot::vdSetLinePointStyle});
    vdAddEach(changes, colours,
              {&Plot::vdSetMainTitleColor, &Plot::vdSetSubTitleColor, &Plot::vdSetKeyTitleColor});
    vdAddEach(changes, colours, {&Plot::vdSetLineColor});
    vdAddEach(changes, counts,
              {&Plot::vdSetYAxisNumberValues, &Plot::vdSetYAxisNumberTics,
               &Plot::vdSetXAxisNumberValues, &Plot::vdSetXAxisNumberTics, &Plot::vdSetResolution});
    vdAddEach(changes, indexes,
              {&Plot::vdSetXAxisMinimumLabel, &Plot::vdSetXAxisMaximumLabel,
               &Plot::vdSetXAxisNumberLabels});
    vdAddEach(changes, flags,
              {&Plot::vdSetYAxisLabelVertical, &Plot::vdSetDisplayKey, &Plot::vdSetDisplayOffAxis,
               &Plot::vdSetDisplayComments, &Plot::vdSetAutoScale, &Plot::vdSetKeyShowsValues,
               &Plot::vdSetDisplayShadedRegions});
    vdAddEach(changes, flags, {&Plot::vdSetLineConnectPoints});

    // Two lines, the second with points that leave the Y range, an off-axis variable, two
    // comments and a labelled X axis whose label values are in no order.
    const auto made = []
    {
        auto plot = MakePlot(2, true);
        const char* labels[] = {"Jan", "Feb", "Mar"};
        const Real values[] = {RealOf(-2e-9), RealOf(3), RealOf(1)};
        plot->vdSetXAxisLabels(labels, values);
        const Real x[] = {RealOf(-2e-9), RealOf(1.0 / 3), RealOf(2.5)};
        const Real y[] = {RealOf(0.2), RealOf(1.5), RealOf(7)};
        plot->vdSetLinePoints(2, x, y);
        return plot;
    };
    std::uint32_t segments = 0;
    for (std::size_t k = 0; k < changes.size(); ++k)
    {
        auto plot = made();
        changes[k](*plot);
        plot->vdCalculateLines();
        segments += plot->SegmentCount();
        const std::string record = Written(*plot, version2, true);
        auto copy = made();
        ASSERT_TRUE(Read(*copy, record, version2, true)) << k << ":" << record;
        EXPECT_EQ(Written(*copy, version2, true), record) << k;
    }
    EXPECT_GT(2 * segments, changes.size()) << "most states have a segment to write";
}

TEST(PlotRecordTest, SegmentsFollowTheRecordOnLinesOfTheirOwnAndComeBackAsTheyStand)
{
    auto plot = MakePlot(2); // both axes from 0, Y to 1
    plot->vdSetXAxisMaximum(RealOf(3.0));
    const Real x[] = {RealOf(0.0), RealOf(1.0), RealOf(3.0)};
    const Real y[] = {RealOf(1.0), RealOf(0.5), RealOf(0.25)};
    plot->vdSetLinePoints(2, x, y);
    plot->vdCalculateLines();
    const std::string record = Written(*plot, version2, true);
    // Plot units: x 0 to 10 across the X range, y 0 (maximum) to 10 (minimum); six digits.
    const std::string row = "3 2 0 0 3.33333 5 10 7.5 \n";
    const std::string settings = Written(*plot);
    EXPECT_EQ(record, settings + " 1\n" + row);

    auto copy = MakePlot(2);
    copy->vdSetLinePoints(1, x, y);
    ASSERT_TRUE(Read(*copy, record, version2, true));
    EXPECT_FALSE(copy->bRebuild()) << "the saved segments are drawn, not line 1's points";
    // Without segments the curves are sampled again, and saved segments go.
    ASSERT_TRUE(Read(*copy, settings));
    EXPECT_TRUE(copy->bRebuild());
    EXPECT_EQ(copy->SegmentCount(), 0u);

    // A damaged segment row is a read error that leaves the curves to be sampled again.
    for (const std::string& damaged :
         {settings + " 1\n" + row.substr(0, 12), settings + " 1\n-1 2\n", settings + " -1\n"})
    {
        ASSERT_TRUE(Read(*copy, record, version2, true));
        EXPECT_FALSE(Read(*copy, damaged, version2, true)) << damaged;
        EXPECT_EQ(copy->SegmentCount(), 0u);
        EXPECT_TRUE(copy->bRebuild());
    }
}

TEST(PlotRecordTest, APlotThatTakesAnyNumberOfLinesIsGivenTheRecordsFromTwoOn)
{
    VariableLinesPlot three(3);
    three.vdSetLineLabel(3, "third");
    three.vdSetLineColor(3, 0xFF);
    const std::string record = Written(three);
    for (int lines : {2, 3, 5})
    {
        VariableLinesPlot plot(lines);
        ASSERT_TRUE(Read(plot, record)) << lines;
        EXPECT_EQ(Written(plot), record) << lines;
    }
    // Below two lines, or beyond what a plot shows, the count is refused.
    VariableLinesPlot one(1), plot(2);
    EXPECT_FALSE(Read(plot, Written(one)));
    EXPECT_FALSE(Read(plot, " 0 100000" + record.substr(4)));
    EXPECT_EQ(plot.LineCount(), 2u);
}

} // namespace
} // namespace Brosquin
