// The plot's record in the session file.
#include "graphics/Plot.h"

#include "core/RealOf.h"
#include "core/RecordFields.h"
#include "core/RecordSize.h"

#include <charconv>
#include <cstdint>
#include <istream>
#include <limits>
#include <ostream>

namespace Brosquin
{

namespace
{

bool FromVersion(const Real& version, double first)
{
    return version >= RealOf(first);
}

// Each token follows one blank.
void vdPut(std::ostream& out, const String& text)
{
    out.put(' ');
    text.vdWriteQuotedText(out);
}

// The number in to_chars's general form, whatever the stream's own settings: with a precision,
// that many significant digits; without, the fewest that read back as the same number.
template <class... Precision>
void vdWriteDigits(std::ostream& out, double value, Precision... precision)
{
    char digits[32];
    const auto end = std::to_chars(digits, digits + sizeof digits, value,
                                   std::chars_format::general, precision...);
    out.write(digits, end.ptr - digits);
}

// A setting comes back as it was (2, 1.5, 0.4, 2e+06), even one a rounding would carry out of its
// range (a ratio just above 0.5). A width of zero is "0" whatever its sign: "-0" is no number
// this program writes.
void vdPut(std::ostream& out, double value)
{
    out.put(' ');
    vdWriteDigits(out, value == 0 ? 0.0 : value);
}

// A scale's end, which the plot's owner sets anew as what it shows changes.
void vdPut(std::ostream& out, const Real& value)
{
    out.put(' ');
    vdWriteMoving(out, value);
}

void vdPut(std::ostream& out, std::int64_t value)
{
    out << ' ' << value;
}

void vdPut(std::ostream& out, bool value)
{
    out << ' ' << (value ? 1 : 0);
}

// A number that the setting holds.
bool ReadHeld(std::istream& in, bool (*held)(double), double& value)
{
    return ReadNumber(in, value) && (held(value) || RefuseField());
}

// A count of the record that must equal the plot's own.
bool ReadMatchingCount(std::istream& in, std::uint32_t expected)
{
    double count = 0;
    return ReadWhole(in, expected, expected, count);
}

// The most lines a record may give a plot that takes any number of them: far more than a plot
// shows, few enough that a damaged count cannot exhaust memory.
constexpr std::int32_t largestLineCount = 10000;

// A line's fields. Its colour is the one the plot's owner gives a line shown anew.
void vdWriteLine(std::ostream& out, const LineInfo& line, const Real& version)
{
    vdPut(out, line.label);
    vdPut(out, line.valueText);
    vdPut(out, line.thickness);
    out.put(' ');
    vdWriteMoving(out, std::int64_t{line.colour}, DecimalWidth(Plot::LargestColour));
    vdPut(out, std::int64_t{line.style});
    if (FromVersion(version, 2.0))
    {
        vdPut(out, line.connectPoints);
        vdPut(out, std::int64_t{line.pointStyle});
        vdPut(out, line.pointSize);
    }
}

} // namespace

void Plot::vdWriteToStream(std::ostream& out, const Real& version, bool withSegments)
{
    vdWriteRecord(out, version, withSegments);
    modified = false;
}

std::uint64_t Plot::LineRecordBytes(std::uint32_t i, const Real& version) const
{
    const LineInfo* line = Line(i);
    return line == nullptr
               ? 0
               : BytesWritten([&](std::ostream& out) { vdWriteLine(out, *line, version); },
                              RecordSize::Values::AtWidest);
}

void Plot::vdWriteRecord(std::ostream& out, const Real& version, bool withSegments) const
{
    vdPut(out, std::int64_t{resolution});
    vdPut(out, std::int64_t{LineCount()});
    vdPut(out, mainTitle);
    vdPut(out, mainTitleSize);
    vdPut(out, std::int64_t{mainTitleColor});
    vdPut(out, subTitle);
    vdPut(out, subTitleSize);
    vdPut(out, std::int64_t{subTitleColor});
    vdPut(out, yAxisLabel);
    vdPut(out, yAxisLabelSize);
    if (FromVersion(version, 2.0))
        vdPut(out, yAxisLabelVertical);
    vdPut(out, yMinimum);
    vdPut(out, yMaximum);
    vdPut(out, yScaleSize);
    vdPut(out, std::int64_t{yNumberValues});
    vdPut(out, std::int64_t{yNumberTics});
    vdPut(out, xAxisLabel);
    vdPut(out, xAxisLabelSize);
    if (FromVersion(version, 2.0))
        vdPut(out, std::int64_t{xNumberLabels});
    vdPut(out, xMinimum);
    vdPut(out, xMaximum);
    vdPut(out, xScaleSize);
    vdPut(out, std::int64_t{xNumberValues});
    vdPut(out, std::int64_t{xNumberTics});
    vdPut(out, std::int64_t{axisStyle});
    vdPut(out, std::int64_t{ticStyle});
    vdPut(out, ticSizeNumber);
    vdPut(out, ticSizeBetween);
    vdPut(out, axisRatio);
    vdPut(out, displayKey);
    if (FromVersion(version, 2.1))
    {
        vdPut(out, keyTitle);
        vdPut(out, keyTitleSize);
        vdPut(out, std::int64_t{keyTitleColor});
    }
    vdPut(out, displayOffAxis);
    vdPut(out, displayComments);
    vdPut(out, autoScale);
    vdPut(out, keyLineSize);
    vdPut(out, offAxisSize);
    vdPut(out, commentsSize);
    vdPut(out, std::int64_t{LineCount()});
    for (const auto& line : lines)
        vdWriteLine(out, *line, version);
    vdPut(out, std::int64_t{OffAxisCount()});
    for (const auto& variable : offAxis)
    {
        vdPut(out, variable->name);
        vdPut(out, variable->valueText);
    }
    vdPut(out, std::int64_t{CommentCount()});
    for (const String& comment : comments)
        vdPut(out, comment);
    if (withSegments)
    {
        vdPut(out, std::int64_t{SegmentCount()});
        out.put('\n');
        for (const std::vector<double>& segment : segments)
        {
            for (double value : segment)
            {
                // Six digits, the stream's default: the points need no more.
                vdWriteDigits(out, value, 6);
                out.put(' ');
            }
            out.put('\n');
        }
    }
}

void Plot::vdReadFromStream(std::istream& in, const Real& version, bool withSegments)
{
    // No setter below may start a fit of the Y range before the whole record is in.
    vdSetAutoScale(false);
    if (ReadRecord(in, version))
    {
        segments.clear();
        // Saved segments are drawn as they stand; without them the curves are sampled again.
        rebuild = !withSegments || !ReadSegments(in);
    }
    modified = false;
}

bool Plot::ReadSegments(std::istream& in)
{
    std::int32_t count = 0;
    if (!ReadWhole<std::int32_t>(in, 0, std::numeric_limits<std::int32_t>::max(), count))
        return false;
    std::vector<std::vector<double>> read;
    for (std::int32_t k = 0; k < count; ++k)
    {
        double n = 0;
        if (!ReadWhole(in, 0, std::numeric_limits<std::int32_t>::max(), n))
            return false;
        // The line number, then n points; the array grows only with what is there to read.
        std::vector<double> segment{n};
        double value = 0;
        for (double i = 0; i < 2 * n + 1; ++i)
        {
            if (!ReadNumber(in, value))
                return false;
            segment.push_back(value);
        }
        read.push_back(std::move(segment));
    }
    segments = std::move(read);
    return true;
}

bool Plot::ReadLineCount(std::istream& in)
{
    std::int32_t count = 0;
    if (!ReadWhole<std::int32_t>(in, std::numeric_limits<std::int32_t>::min(),
                                 std::numeric_limits<std::int32_t>::max(), count))
        return false;
    if (static_cast<std::int64_t>(count) == LineCount())
        return true;
    if (!bVariableNumberOfLines() || count < 2 || count > largestLineCount)
        return RefuseField();
    const auto wanted = static_cast<std::uint32_t>(count);
    while (LineCount() < wanted)
        vdAddBlankLine("", nullptr, 0, 0, 1);
    while (LineCount() > wanted)
        vdDeleteLine(LineCount());
    return true;
}

bool Plot::ReadRecord(std::istream& in, const Real& version)
{
    using Text = void (Plot::*)(const char*);
    using Number = void (Plot::*)(double);
    using Code = void (Plot::*)(std::uint8_t);
    using LineNumber = void (Plot::*)(std::uint32_t, double);
    using LineCode = void (Plot::*)(std::uint32_t, std::uint8_t);
    String text;
    double number = 0;
    std::int32_t count = 0;
    Colour colour = 0;
    std::uint8_t code = 0;
    bool flag = false;

    const auto readText = [&](Text set)
    { return ReadText(in, text) && ((this->*set)(text.Text()), true); };
    const auto readSize = [&](Number set)
    { return ReadHeld(in, IsSize, number) && ((this->*set)(number), true); };
    const auto readColour = [&](void (Plot::*set)(Colour))
    { return ReadWhole<Colour>(in, 0, LargestColour, colour) && ((this->*set)(colour), true); };
    const auto readFlag = [&](void (Plot::*set)(bool))
    { return ReadFlag(in, flag) && ((this->*set)(flag), true); };
    const auto readCode = [&](int codes, Code set)
    {
        return ReadWhole<std::uint8_t>(in, 0, static_cast<std::uint8_t>(codes - 1), code) &&
               ((this->*set)(code), true);
    };
    const auto readCount = [&](std::int32_t least, void (Plot::*set)(std::int32_t))
    {
        return ReadWhole<std::int32_t>(in, least, std::numeric_limits<std::int32_t>::max(),
                                       count) &&
               ((this->*set)(count), true);
    };
    // Any two numbers: the drawing copes with a minimum that is not below its maximum. A setter
    // takes a number within the Real's tolerance of the one it holds for no change; the record's
    // own number is kept all the same, so that the plot saves again to the same digits.
    const auto readRange = [&](void (Plot::*setMinimum)(const Real&),
                               void (Plot::*setMaximum)(const Real&), Real Plot::*minimum,
                               Real Plot::*maximum)
    {
        double low = 0, high = 0;
        if (!ReadNumber(in, low) || !ReadNumber(in, high))
            return false;
        (this->*setMinimum)(RealOf(low));
        (this->*setMaximum)(RealOf(high));
        this->*minimum = RealOf(low);
        this->*maximum = RealOf(high);
        return true;
    };
    const auto lineWidth = [&](std::uint32_t i, LineNumber set)
    { return ReadHeld(in, IsWidth, number) && ((this->*set)(i, number), true); };
    const auto lineCode = [&](std::uint32_t i, int codes, LineCode set)
    {
        return ReadWhole<std::uint8_t>(in, 0, static_cast<std::uint8_t>(codes - 1), code) &&
               ((this->*set)(i, code), true);
    };
    const bool version2 = FromVersion(version, 2.0);

    // A resolution outside the table is the first one.
    if (!ReadWhole(in, std::numeric_limits<std::int32_t>::min(),
                   std::numeric_limits<std::int32_t>::max(), number))
        return false;
    vdSetResolution(number >= 0 && number < ResolutionCount ? static_cast<std::int32_t>(number)
                                                            : 0);
    bool autoScaleRead = false;
    const bool settingsRead =
        ReadLineCount(in) && readText(&Plot::vdSetMainTitle) &&
        readSize(&Plot::vdSetMainTitleSize) && readColour(&Plot::vdSetMainTitleColor) &&
        readText(&Plot::vdSetSubTitle) && readSize(&Plot::vdSetSubTitleSize) &&
        readColour(&Plot::vdSetSubTitleColor) && readText(&Plot::vdSetYAxisLabel) &&
        readSize(&Plot::vdSetYAxisLabelSize) &&
        (!version2 || readFlag(&Plot::vdSetYAxisLabelVertical)) &&
        readRange(&Plot::vdSetYAxisMinimum, &Plot::vdSetYAxisMaximum, &Plot::yMinimum,
                  &Plot::yMaximum) &&
        readSize(&Plot::vdSetYAxisScaleSize) && readCount(2, &Plot::vdSetYAxisNumberValues) &&
        readCount(0, &Plot::vdSetYAxisNumberTics) && readText(&Plot::vdSetXAxisLabel) &&
        readSize(&Plot::vdSetXAxisLabelSize) &&
        // Taken only when the plot has that many labels.
        (!version2 || (ReadWhole(in, 0, std::numeric_limits<std::uint32_t>::max(), number) &&
                       (vdSetXAxisNumberLabels(static_cast<std::uint32_t>(number)), true))) &&
        readRange(&Plot::vdSetXAxisMinimum, &Plot::vdSetXAxisMaximum, &Plot::xMinimum,
                  &Plot::xMaximum) &&
        readSize(&Plot::vdSetXAxisScaleSize) && readCount(2, &Plot::vdSetXAxisNumberValues) &&
        readCount(0, &Plot::vdSetXAxisNumberTics) &&
        readCode(AxisStyleCount, &Plot::vdSetAxisStyle) &&
        readCode(TicStyleCount, &Plot::vdSetTicStyle) && readSize(&Plot::vdSetTicSizeNumber) &&
        readSize(&Plot::vdSetTicSizeBetween) && ReadHeld(in, IsRatio, number) &&
        (vdSetAxisRatio(number), true) && readFlag(&Plot::vdSetDisplayKey) &&
        (!FromVersion(version, 2.1) ||
         (readText(&Plot::vdSetKeyTitle) && readSize(&Plot::vdSetKeyTitleSize) &&
          readColour(&Plot::vdSetKeyTitleColor))) &&
        readFlag(&Plot::vdSetDisplayOffAxis) && readFlag(&Plot::vdSetDisplayComments) &&
        ReadFlag(in, autoScaleRead) && readSize(&Plot::vdSetKeyLineSize) &&
        readSize(&Plot::vdSetOffAxisSize) && readSize(&Plot::vdSetCommentsSize) &&
        ReadMatchingCount(in, LineCount());
    if (!settingsRead)
        return false;
    for (std::uint32_t i = 1; i <= LineCount(); ++i)
    {
        const bool lineRead =
            ReadText(in, text) && (vdSetLineLabel(i, text.Text()), true) && ReadText(in, text) &&
            (vdSetLineValueText(i, text.Text()), true) && lineWidth(i, &Plot::vdSetLineThickness) &&
            ReadWhole<Colour>(in, 0, LargestColour, colour) && (vdSetLineColor(i, colour), true) &&
            lineCode(i, LineStyleCount, &Plot::vdSetLineStyle) &&
            (!version2 || (ReadFlag(in, flag) && (vdSetLineConnectPoints(i, flag), true) &&
                           lineCode(i, PointStyleCount, &Plot::vdSetLinePointStyle) &&
                           lineWidth(i, &Plot::vdSetLinePointSize)));
        if (!lineRead)
            return false;
    }
    if (!ReadMatchingCount(in, OffAxisCount()))
        return false;
    for (std::uint32_t i = 1; i <= OffAxisCount(); ++i)
    {
        if (!ReadText(in, text))
            return false;
        vdSetOffAxisVariableName(i, text.Text());
        if (!ReadText(in, text))
            return false;
        vdSetOffAxisVariableValue(i, text.Text());
    }
    if (!ReadMatchingCount(in, CommentCount()))
        return false;
    for (std::uint32_t i = 1; i <= CommentCount(); ++i)
    {
        if (!ReadText(in, text))
            return false;
        vdSetComment(i, text.Text());
    }
    if (autoScaleRead)
        autoScale = true;
    scaleChanged = false;
    return true;
}

} // namespace Brosquin
