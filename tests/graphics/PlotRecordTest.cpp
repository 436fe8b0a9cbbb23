#include "core/RealOf.h"
#include "graphics/Plot.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

namespace Brosquin
{
namespace
{

const Real version2 = RealOf(2.0);

// A plot as the evaluation list builds one: lines without curves, here with off-axis variables
// and comments too when asked.
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

std::string Written(Plot& plot, const Real& version = version2)
{
    std::ostringstream out;
    plot.vdWriteToStream(out, version);
    return out.str();
}

// Reads a record into the plot; true when it was taken.
bool Read(Plot& plot, const std::string& record, const Real& version = version2)
{
    ClearReadError();
    std::istringstream in(record);
    plot.vdReadFromStream(in, version);
    return !ReadErrorOccurred();
}

TEST(PlotRecordTest, ADefaultPlotOfOneLineWritesItsSettingsInOrder)
{
    auto plot = MakePlot(1);
    plot->vdSetLineLabel(1, "Single: n=50, a=2");
    plot->vdSetLineValueText(1, "0");
    EXPECT_EQ(Written(*plot),
              " 0 1 \"\" 2 16711680 \"\" 1.5 0 \"Y-Axis\" 1.5 1 0 1 1 3 4 \"X-Axis\" 1.5 2 0 1 1 3 4"
              " 1 2 0.4 0.2 1 1 1 1 0 1 1 1 1 \"Single: n=50, a=2\" \"0\" 0 0 1 1 0 0 0 0");
    EXPECT_FALSE(plot->bModified()) << "writing clears modified";
    // Without the fields of later versions, and with the key title from version 2.1 on.
    EXPECT_EQ(Written(*plot, RealOf(1.5)),
              " 0 1 \"\" 2 16711680 \"\" 1.5 0 \"Y-Axis\" 1.5 0 1 1 3 4 \"X-Axis\" 1.5 0 1 1 3 4"
              " 1 2 0.4 0.2 1 1 1 1 0 1 1 1 1 \"Single: n=50, a=2\" \"0\" 0 0 1 0 0");
    EXPECT_NE(Written(*plot, RealOf(2.1)).find(" 1 \"\" 1 0 1 1 0 1 1 1 1 \""), std::string::npos);
}

TEST(PlotRecordTest, EverySettingComesBackAndWritesTheSameBytes)
{
    auto plot = MakePlot(2, true);
    plot->vdSetResolution(3);
    plot->vdSetMainTitle("Lot \"A\" \xE9t\xE9");
    plot->vdSetMainTitleSize(2.5);
    plot->vdSetMainTitleColor(0x0040FF);
    plot->vdSetSubTitle("C0 = 0, C1 = 1");
    plot->vdSetSubTitleSize(0.8);
    plot->vdSetYAxisLabel("ASN");
    plot->vdSetYAxisLabelVertical(false);
    plot->vdSetYAxisMinimum(RealOf(-0.5));
    plot->vdSetYAxisMaximum(RealOf(1234567.25));
    plot->vdSetYAxisNumberValues(11);
    plot->vdSetYAxisNumberTics(0);
    plot->vdSetXAxisMinimum(RealOf(1e-9));
    plot->vdSetXAxisMaximum(RealOf(0.30000000000000004));
    plot->vdSetXAxisScaleSize(0.6);
    plot->vdSetAxisStyle(3);
    plot->vdSetTicStyle(0);
    plot->vdSetTicSizeNumber(0.1);
    plot->vdSetAxisRatio(1.5);
    plot->vdSetDisplayKey(false);
    plot->vdSetDisplayComments(false);
    plot->vdSetKeyLineSize(1.2);
    plot->vdSetCommentsSize(2000000); // written "2e+06"
    plot->vdSetLineLabel(2, "Single: n=\"13\"");
    plot->vdSetLineThickness(2, 0.6);
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
    EXPECT_EQ(copy->Resolution(), 3);
    EXPECT_STREQ(copy->MainTitle().Text(), "Lot \"A\" \xE9t\xE9");
    EXPECT_EQ(copy->YAxisMaximum().dValue(), 1234567.25);
    EXPECT_EQ(copy->XAxisMaximum().dValue(), 0.30000000000000004) << "Reals keep every digit";
    EXPECT_STREQ(copy->Line(2)->label.Text(), "Single: n=\"13\"");
    EXPECT_EQ(copy->Line(2)->pointStyle, 9);
    EXPECT_EQ(copy->dCommentsSize(), 2000000);
    EXPECT_STREQ(copy->OffAxisVariable(1)->valueText.Text(), "80");
    EXPECT_TRUE(copy->bAutoScale());
    EXPECT_FALSE(copy->bScaleChanged() || copy->bModified());
    EXPECT_TRUE(copy->bRebuild()) << "the curves are computed afresh";
}

TEST(PlotRecordTest, ARecordThePlotCannotTakeIsAReadError)
{
    auto plot = MakePlot(1, true);
    const std::string good = Written(*plot);
    ASSERT_TRUE(Read(*plot, good));
    // Replaces the token at a position (from 0, counted after the leading blank) by another.
    const auto with = [&good](int position, const std::string& token)
    {
        std::istringstream in(good);
        std::string result, word;
        for (int i = 0; in >> word; ++i)
            result += ' ' + (i == position ? token : word);
        return result;
    };
    ASSERT_EQ(with(0, "0"), good);
    const struct
    {
        int position;
        const char* token;
    } refusals[] = {
        {1, "2"},        // another line count
        {1, "\"1\""},    // a text where a number is due
        {3, "0"},        // a title size of 0
        {4, "16777216"}, // beyond the colours
        {4, "-1"},       //
        {11, "1"},       // the Y minimum at its maximum
        {14, "1"},       // a single value on the Y axis
        {15, "-1"},      // tics below 0
        {15, "1e300"},   // beyond 32 bits
        {19, "2"},       // the X minimum above its maximum
        {24, "4"},       // axis style
        {25, "3"},       // tic style
        {28, "0.5"},     // the axis ratio
        {36, "2"},       // the line count again
        {39, "-0.1"},    // line thickness
        {40, "1e10"},    // line colour
        {41, "6"},       // line style
        {43, "10"},      // point style
        {45, "2"},       // off-axis variables
        {48, "1"},       // comments
    };
    for (const auto& refusal : refusals)
    {
        auto target = MakePlot(1, true);
        target->vdSetAutoScale(true);
        EXPECT_FALSE(Read(*target, with(refusal.position, refusal.token)))
            << refusal.position << " " << refusal.token;
        EXPECT_FALSE(target->bAutoScale() || target->bModified());
    }
    // Every end before the last token.
    for (std::size_t end = 0; end + 2 < good.size(); ++end)
    {
        auto target = MakePlot(1, true);
        EXPECT_FALSE(Read(*target, good.substr(0, end))) << good.substr(0, end);
    }

    // A resolution outside the table is the first one; every other field is read as usual.
    auto target = MakePlot(1, true);
    target->vdSetResolution(2);
    EXPECT_TRUE(Read(*target, with(0, "7")));
    EXPECT_EQ(target->Resolution(), 0);
}

TEST(PlotRecordTest, AnotherLineCountChangesNothingButTheResolution)
{
    auto one = MakePlot(1);
    one->vdSetResolution(2);
    const std::string record = Written(*one);
    auto two = MakePlot(2);
    two->vdSetMainTitle("kept");
    two->vdSetAutoScale(true);
    EXPECT_FALSE(Read(*two, record));
    EXPECT_EQ(two->Resolution(), 2);
    EXPECT_STREQ(two->MainTitle().Text(), "kept");
    EXPECT_FALSE(two->bAutoScale());
    // Read as an older version, the record goes wrong from the vertical flag on.
    EXPECT_FALSE(Read(*MakePlot(1), record, RealOf(1.0)));
}

} // namespace
} // namespace Brosquin
