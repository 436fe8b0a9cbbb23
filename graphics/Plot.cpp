#include "graphics/Plot.h"

#include "core/RealOf.h"
#include "graphics/Drawing.h"

#include <algorithm>
#include <cstring>
#include <utility>

namespace Brosquin
{

namespace
{

// No record holds a longer text; one made from longer parts (a plan's description) is cut.
String Clipped(const char* text)
{
    String clipped(text);
    while (clipped.Length() > LongestToken)
    {
        clipped.vdRemoveLastCharacter();
    }
    return clipped;
}

} // namespace

Plot::Plot(OptimizationInput* variable, int resolution)
    : resolution(resolution >= 0 && resolution < ResolutionCount ? resolution : 0),
      variable(variable)
{
    yMaximum = 1.0;
    xMaximum = 1.0;
}

Plot::~Plot() = default;

Drawing* Plot::GetDrawing()
{
    if (scaleChanged && autoScale)
    {
        vdAutoScale();
    }
    if (rebuild)
    {
        vdCalculateLines();
    }
    Drawing* drawing = new Drawing;
    if (drawing == nullptr)
    {
        return nullptr;
    }
    vdDrawShadedRegions(*drawing);
    vdDrawFrame(*drawing);
    vdDrawLines(*drawing);
    drawingOutOfDate = false;
    return drawing;
}

double Plot::dSizeFromText(const char* text)
{
    String trimmed(text);
    trimmed.vdTrim();
    if (std::strcmp(trimmed.Text(), "Normal") == 0)
    {
        return 1.0;
    }
    if (trimmed.Length() > 0 && *trimmed.CharacterAt(trimmed.Length()) == 'x')
    {
        trimmed.vdRemoveLastCharacter();
    }
    const Real size = RealOf(trimmed.Text());
    return IsNumber(size) && size.dValue() > 0.0 ? size.dValue() : -1.0;
}

void Plot::vdSizeToText(double size, String& out)
{
    if (size == 1.0)
    {
        out = "Normal";
    }
    else if (size > 0.0)
    {
        out = RealOf(size).Text(0, true);
        out += " x";
    }
    else
    {
        out = "";
    }
}

void Plot::vdChanged()
{
    drawingOutOfDate = true;
    modified = true;
    ++changes;
}

template <class T> bool Plot::Store(T& field, const T& value)
{
    if (field == value)
    {
        return false;
    }
    field = value;
    vdChanged();
    return true;
}

bool Plot::StoreText(String& field, const char* text)
{
    if (text == nullptr)
    {
        return false;
    }
    const String clipped = Clipped(text);
    if (std::strcmp(field.Text(), clipped.Text()) == 0)
    {
        return false;
    }
    field = clipped;
    vdChanged();
    return true;
}

bool Plot::StoreSize(double& field, double size)
{
    return IsSize(size) && Store(field, size);
}

bool Plot::StoreWidth(double& field, double width)
{
    return IsWidth(width) && Store(field, width);
}

bool Plot::StoreColour(Colour& field, Colour colour)
{
    return colour <= LargestColour && Store(field, colour);
}

bool Plot::StoreCode(std::uint8_t& field, std::uint8_t code, int codes)
{
    return code < codes && Store(field, code);
}

bool Plot::StoreCount(std::int32_t& field, std::int32_t count, std::int32_t least)
{
    return count >= least && Store(field, count);
}

bool Plot::IsSize(double size)
{
    return IsWidth(size) && size > 0.0;
}

bool Plot::IsRatio(double ratio)
{
    return IsSize(ratio) && ratio > SmallestRatio;
}

bool Plot::IsWidth(double width)
{
    // The record keeps the number as it is, so it must be one a Real holds unchanged.
    const Real held = RealOf(width);
    return IsNumber(held) && held.dValue() == width && width >= 0.0;
}

bool Plot::StoreReal(Real& field, const Real& value)
{
    // A message never equals anything, but a message replacing a message is no change.
    const bool differs = IsNumber(field) != IsNumber(value) || field != value;
    if (!differs)
    {
        return false;
    }
    field = value;
    vdChanged();
    return true;
}

void Plot::vdSetMainTitle(const char* text)
{
    StoreText(mainTitle, text);
}

void Plot::vdSetMainTitleSize(double size)
{
    StoreSize(mainTitleSize, size);
}

void Plot::vdSetMainTitleColor(Colour colour)
{
    StoreColour(mainTitleColor, colour);
}

void Plot::vdSetSubTitle(const char* text)
{
    StoreText(subTitle, text);
}

void Plot::vdSetSubTitleSize(double size)
{
    StoreSize(subTitleSize, size);
}

void Plot::vdSetSubTitleColor(Colour colour)
{
    StoreColour(subTitleColor, colour);
}

void Plot::vdSetYAxisLabel(const char* text)
{
    StoreText(yAxisLabel, text);
}

void Plot::vdSetYAxisLabelSize(double size)
{
    StoreSize(yAxisLabelSize, size);
}

void Plot::vdSetYAxisLabelVertical(bool vertical)
{
    Store(yAxisLabelVertical, vertical);
}

void Plot::vdSetYAxisMinimum(const Real& value)
{
    if (IsNumber(value) && StoreReal(yMinimum, value))
    {
        rebuild = true;
    }
}

void Plot::vdSetYAxisMaximum(const Real& value)
{
    if (IsNumber(value) && StoreReal(yMaximum, value))
    {
        rebuild = true;
    }
}

void Plot::vdSetYAxisScaleSize(double size)
{
    StoreSize(yScaleSize, size);
}

void Plot::vdSetYAxisNumberValues(std::int32_t count)
{
    StoreCount(yNumberValues, count, 2);
}

void Plot::vdSetYAxisNumberTics(std::int32_t count)
{
    StoreCount(yNumberTics, count, 0);
}

void Plot::vdSetXAxisLabel(const char* text)
{
    StoreText(xAxisLabel, text);
}

void Plot::vdSetXAxisLabelSize(double size)
{
    StoreSize(xAxisLabelSize, size);
}

void Plot::vdSetXAxisMinimum(const Real& value)
{
    if (IsNumber(value) && StoreReal(xMinimum, value))
    {
        scaleChanged = rebuild = true;
    }
}

void Plot::vdSetXAxisMaximum(const Real& value)
{
    if (IsNumber(value) && StoreReal(xMaximum, value))
    {
        scaleChanged = rebuild = true;
    }
}

void Plot::vdSetXAxisScaleSize(double size)
{
    StoreSize(xScaleSize, size);
}

void Plot::vdSetXAxisNumberValues(std::int32_t count)
{
    StoreCount(xNumberValues, count, 2);
}

void Plot::vdSetXAxisNumberTics(std::int32_t count)
{
    StoreCount(xNumberTics, count, 0);
}

void Plot::vdSetXAxisMinimumLabel(std::uint32_t index)
{
    if (index < XLabelCount() && Store(xMinimumLabel, index))
    {
        xMinimum = xLabelValues[index];
        scaleChanged = rebuild = true;
    }
}

void Plot::vdSetXAxisMaximumLabel(std::uint32_t index)
{
    if (index < XLabelCount() && Store(xMaximumLabel, index))
    {
        xMaximum = xLabelValues[index];
        scaleChanged = rebuild = true;
    }
}

void Plot::vdSetXAxisNumberLabels(std::uint32_t count)
{
    if (count >= 2 && count <= XLabelCount())
    {
        Store(xNumberLabels, count);
    }
}

void Plot::vdSetAxisStyle(std::uint8_t style)
{
    StoreCode(axisStyle, style, AxisStyleCount);
}

void Plot::vdSetTicStyle(std::uint8_t style)
{
    StoreCode(ticStyle, style, TicStyleCount);
}

void Plot::vdSetTicSizeNumber(double size)
{
    StoreSize(ticSizeNumber, size);
}

void Plot::vdSetTicSizeBetween(double size)
{
    StoreSize(ticSizeBetween, size);
}

void Plot::vdSetAxisRatio(double ratio)
{
    if (IsRatio(ratio))
    {
        Store(axisRatio, ratio);
    }
}

void Plot::vdSetKeyLineSize(double size)
{
    StoreSize(keyLineSize, size);
}

void Plot::vdSetKeyTitle(const char* text)
{
    StoreText(keyTitle, text);
}

void Plot::vdSetKeyTitleSize(double size)
{
    StoreSize(keyTitleSize, size);
}

void Plot::vdSetKeyTitleColor(Colour colour)
{
    StoreColour(keyTitleColor, colour);
}

void Plot::vdSetDisplayKey(bool display)
{
    Store(displayKey, display);
}

void Plot::vdSetDisplayOffAxis(bool display)
{
    Store(displayOffAxis, display);
}

void Plot::vdSetDisplayComments(bool display)
{
    Store(displayComments, display);
}

void Plot::vdSetOffAxisSize(double size)
{
    StoreSize(offAxisSize, size);
}

void Plot::vdSetCommentsSize(double size)
{
    StoreSize(commentsSize, size);
}

void Plot::vdSetDisplayShadedRegions(bool display)
{
    Store(displayShadedRegions, display);
}

void Plot::vdSetKeyShowsValues(bool on)
{
    Store(keyShowsValues, on);
}

void Plot::vdSetResolution(std::int32_t index)
{
    if (index >= 0 && index < ResolutionCount && Store(resolution, index))
    {
        rebuild = true;
    }
}

void Plot::vdSetOffAxisVariableName(std::uint32_t i, const char* text)
{
    if (i >= 1 && i <= OffAxisCount())
    {
        StoreText(offAxis[i - 1]->name, text);
    }
}

void Plot::vdSetOffAxisVariableValue(std::uint32_t i, const char* text)
{
    if (i < 1 || i > OffAxisCount() || text == nullptr)
    {
        return;
    }
    OffAxisVariableInfo& info = *offAxis[i - 1];
    const Real value = RealOf(text);
    // A value that is not a number is ignored; one that replaces no number is a change, or the
    // variable could never be given a value again.
    if (IsNumber(value) && (!IsNumber(info.value) || value != info.value))
    {
        info.value = value;
        info.valueText = value.Text(5, true);
        scaleChanged = rebuild = true;
        vdChanged();
    }
}

void Plot::vdSetComment(std::uint32_t i, const char* text)
{
    if (i >= 1 && i <= CommentCount())
    {
        StoreText(comments[i - 1], text);
    }
}

LineInfo* Plot::EditableLine(std::uint32_t i)
{
    return i >= 1 && i <= LineCount() ? lines[i - 1].get() : nullptr;
}

const LineInfo* Plot::Line(std::uint32_t i) const
{
    return i >= 1 && i <= LineCount() ? lines[i - 1].get() : nullptr;
}

const OffAxisVariableInfo* Plot::OffAxisVariable(std::uint32_t i) const
{
    return i >= 1 && i <= OffAxisCount() ? offAxis[i - 1].get() : nullptr;
}

const String* Plot::Comment(std::uint32_t i) const
{
    return i >= 1 && i <= CommentCount() ? &comments[i - 1] : nullptr;
}

std::span<const double> Plot::Segment(std::uint32_t i) const
{
    if (i < 1 || i > SegmentCount())
    {
        return {};
    }
    return segments[i - 1];
}

void Plot::vdSetLineLabel(std::uint32_t i, const char* text)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreText(line->label, text);
    }
}

void Plot::vdSetLineValueText(std::uint32_t i, const char* text)
{
    LineInfo* line = EditableLine(i);
    if (line != nullptr && StoreText(line->valueText, text))
    {
        line->value = line->valueText.Text();
        rebuild = true;
    }
}

void Plot::vdSetLineValue(std::uint32_t i, double step)
{
    LineInfo* line = EditableLine(i);
    if (line != nullptr && StoreReal(line->stepValue, RealOf(step)))
    {
        rebuild = true;
    }
}

void Plot::vdSetLineThickness(std::uint32_t i, double thickness)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreWidth(line->thickness, thickness);
    }
}

void Plot::vdSetLinePointSize(std::uint32_t i, double size)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreWidth(line->pointSize, size);
    }
}

void Plot::vdSetLineColor(std::uint32_t i, Colour colour)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreColour(line->colour, colour);
    }
}

void Plot::vdSetLineStyle(std::uint32_t i, std::uint8_t style)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreCode(line->style, style, LineStyleCount);
    }
}

void Plot::vdSetLinePointStyle(std::uint32_t i, std::uint8_t style)
{
    if (LineInfo* line = EditableLine(i))
    {
        StoreCode(line->pointStyle, style, PointStyleCount);
    }
}

void Plot::vdSetLineConnectPoints(std::uint32_t i, bool connect)
{
    if (LineInfo* line = EditableLine(i))
    {
        Store(line->connectPoints, connect);
    }
}

void Plot::vdSetAutoScale(bool on)
{
    if (autoScale == on)
    {
        return;
    }
    autoScale = on;
    modified = true;
    ++changes;
    if (autoScale && scaleChanged)
    {
        drawingOutOfDate = true;
    }
}

void Plot::vdMarkCurvesOutOfDate()
{
    rebuild = true;
    drawingOutOfDate = true;
}

void Plot::vdAppendLine(std::unique_ptr<LineInfo> line)
{
    lines.push_back(std::move(line));
    rebuild = true;
    vdChanged();
}

void Plot::vdAddLine(OptimizationPointFunction pointFunction,
                     OptimizationIntervalFunction intervalFunction, void* context1, void* context2,
                     const char* label, const char* valueText, double thickness, Colour colour,
                     std::uint8_t style)
{
    vdAddLineWithValue(pointFunction, intervalFunction, context1, context2, 0.0, label, valueText,
                       thickness, colour, style, true, 0, 0.0);
}

void Plot::vdAddLineWithValue(OptimizationPointFunction pointFunction,
                              OptimizationIntervalFunction intervalFunction, void* context1,
                              void* context2, double step, const char* label, const char* valueText,
                              double thickness, Colour colour, std::uint8_t style,
                              bool connectPoints, std::uint8_t pointStyle, double pointSize)
{
    auto line = std::make_unique<LineInfo>();
    line->pointFunction = pointFunction;
    line->intervalFunction = intervalFunction;
    line->context1 = context1;
    line->context2 = context2;
    line->stepValue = step;
    line->label = Clipped(label);
    if (valueText != nullptr)
    {
        line->valueText = Clipped(valueText);
        line->value = line->valueText.Text();
    }
    line->thickness = thickness;
    line->colour = colour;
    line->style = style;
    line->connectPoints = connectPoints;
    line->pointStyle = pointStyle;
    line->pointSize = pointSize;
    vdAppendLine(std::move(line));
}

void Plot::vdAddBlankLine(const char* label, const char* valueText, double thickness, Colour colour,
                          std::uint8_t style)
{
    vdAddLine(nullptr, nullptr, nullptr, nullptr, label, valueText, thickness, colour, style);
}

void Plot::vdDeleteLine(std::uint32_t i)
{
    if (i < 1 || i > LineCount())
    {
        return;
    }
    if (lines[i - 1]->pointFunction != nullptr)
    {
        scaleChanged = true;
    }
    lines.erase(lines.begin() + (i - 1));
    rebuild = true;
    vdChanged();
}

void Plot::vdMoveLine(std::uint32_t from, std::uint32_t to)
{
    if (from < 1 || from > LineCount() || to < 1 || to > LineCount() || from == to)
    {
        return;
    }
    std::unique_ptr<LineInfo> line = std::move(lines[from - 1]);
    lines.erase(lines.begin() + (from - 1));
    lines.insert(lines.begin() + (to - 1), std::move(line));
    // The segments keep their curves, but their line numbers follow the lines' new places.
    for (std::vector<double>& segment : segments)
    {
        const double k = segment[1];
        if (k == from)
        {
            segment[1] = to;
        }
        else if (from < to && k > from && k <= to)
        {
            segment[1] = k - 1;
        }
        else if (to < from && k >= to && k < from)
        {
            segment[1] = k + 1;
        }
    }
    vdChanged();
}

void Plot::vdSetLinePoints(std::uint32_t i, std::span<const Real> x, std::span<const Real> y)
{
    LineInfo* line = EditableLine(i);
    if (line == nullptr || x.size() != y.size())
    {
        return;
    }
    line->xValues.assign(x.begin(), x.end());
    line->yValues.assign(y.begin(), y.end());
    rebuild = true;
    vdChanged();
}

void Plot::vdAddOffAxisVariable(const char* name, const char* valueText, OptimizationInput* record)
{
    auto info = std::make_unique<OffAxisVariableInfo>();
    info->name = Clipped(name);
    info->valueText = Clipped(valueText);
    info->value = info->valueText.Text();
    info->variable = record;
    offAxis.push_back(std::move(info));
    scaleChanged = rebuild = true;
    vdChanged();
}

void Plot::vdAddComment(const char* text)
{
    comments.push_back(Clipped(text));
    vdChanged();
}

void Plot::vdAddShadedRegion(const Real& leftX, const Real& rightX, const Real& lowerY,
                             const Real& upperY, Colour colour)
{
    ShadedRegion region;
    region.leftX = leftX;
    region.rightX = rightX;
    region.lowerY = lowerY;
    region.upperY = upperY;
    region.colour = colour;
    shadedRegions.push_back(std::move(region));
    vdChanged();
}

void Plot::vdSetXAxisLabels(std::span<const char* const> texts, std::span<const Real> values)
{
    if (texts.size() != values.size() || texts.size() == 1 ||
        !std::all_of(values.begin(), values.end(), [](const Real& v) { return IsNumber(v); }))
    {
        return;
    }
    xLabelTexts.assign(texts.begin(), texts.end());
    xLabelValues.assign(values.begin(), values.end());
    xMinimumLabel = 0;
    xMaximumLabel = 0;
    if (!texts.empty())
    {
        xMaximumLabel = XLabelCount() - 1;
        xNumberLabels = XLabelCount();
        xMinimum = xLabelValues.front();
        xMaximum = xLabelValues.back();
    }
    scaleChanged = rebuild = true;
    vdChanged();
}

} // namespace Brosquin
