#pragma once

#include "core/OptimizationInput.h"
#include "core/Real.h"
#include "core/String.h"
#include "graphics/Canvas.h"
#include "graphics/PlotItems.h"

#include <cstdint>
#include <iosfwd>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace Brosquin
{

class Drawing;

// The model of one x-y chart: titles, two axes, lines computed from callbacks, off-axis
// variables, comments, a key and shaded regions. It remembers what changed and lays itself out
// into a new Drawing on request.
//
// Plot units: the plot area spans x from 0 to 10 x the axis ratio and y from 0 (top, the Y
// maximum) to 10 (bottom, the Y minimum); titles, labels and the key lie outside it.
class Plot
{
public:
    // The option tables shown by the options dialog and used by the evaluation list.
    static constexpr int ResolutionCount = 4;
    static constexpr const char* ResolutionNames[ResolutionCount + 1] = {
        "Low          (50 pts)", "Medium     (100 pts)", "High         (200 pts)",
        "Extra High (1000 pts)", nullptr};
    static constexpr int ResolutionPoints[ResolutionCount] = {50, 100, 200, 1000};

    static constexpr int ColorCount = 17;
    static constexpr const char* ColorNames[ColorCount + 1] = {
        "Black",       "Blue",  "Blue - Dark",  "Cyan",    "Gray - Light", "Gray",
        "Gray - Dark", "Green", "Green - Dark", "Magenta", "Orange",       "Pink",
        "Purple",      "Red",   "Red - Dark",   "Violet",  "Yellow",       nullptr};
    static constexpr Colour ColorValues[ColorCount] = {
        0x000000, 0xFF0000, 0x800000, 0xFFFF00, 0xC0C0C0, 0x808080, 0x404040, 0x00FF00, 0x008000,
        0xFF00FF, 0x0040FF, 0x8080FF, 0xFF0080, 0x0000FF, 0x000080, 0x800080, 0x00FFFF};

    static constexpr int DefaultLineColorCount = 10;
    static constexpr Colour DefaultLineColors[DefaultLineColorCount] = {
        0x000000, 0x404040, 0x000080, 0x800000, 0x008000,
        0x808080, 0x0000FF, 0xFF0000, 0x00FF00, 0xC0C0C0};

    // A new plot's axes show the values at their two ends and their middle.
    static constexpr std::int32_t DefaultNumberValues = 3;

    // What the settings hold, and so what their record gives back: a size is a number above 0
    // that a Real holds unchanged, the axis ratio a size above SmallestRatio, a width (a line's
    // thickness or point size) such a number of 0 or more; a colour has 24 bits; a style lies
    // in its table; a text holds at most LongestToken characters (a longer one is cut).
    static constexpr double SmallestRatio = 0.5;
    static constexpr Colour LargestColour = 0xFFFFFF;
    static constexpr int AxisStyleCount = 4;
    static constexpr int TicStyleCount = 3;
    static constexpr int LineStyleCount = 6;
    static constexpr int PointStyleCount = 10;
    static bool IsSize(double size);
    static bool IsRatio(double ratio);
    static bool IsWidth(double width);

    static constexpr const char* SizeChoices[] = {"4 x",   "3 x",   "2.5 x",  "2 x",
                                                  "1.5 x", "1.2 x", "Normal", "0.8 x",
                                                  "0.6 x", "0.4 x", "0.2 x",  nullptr};

    // variable: the record whose value the line callbacks read (not owned); resolution: an index
    // into the resolution table.
    Plot(OptimizationInput* variable, int resolution);
    Plot(const Plot&) = delete;
    Plot& operator=(const Plot&) = delete;
    virtual ~Plot();

    // Whether a session record may change the number of lines.
    virtual bool bVariableNumberOfLines() const { return false; }
    // Fits the Y range around the values of the lines over the X range.
    virtual void vdAutoScale();
    // Samples every line over the X range and cuts the samples into segments inside the Y range.
    virtual void vdCalculateLines();
    virtual const char* const* GetLineResolutionList() const { return ResolutionNames; }

    // The plot's settings as one record of the session file: every title, axis, key and look of
    // its lines, off-axis variables and comments, not their curves. Each token is written after a
    // blank; the version decides which fields there are. With segments the record goes on with
    // the segment count and an end of line, then each segment's numbers, each followed by a
    // blank, on a line of its own. Writing clears modified. The scale's ends and the lines'
    // colours, which the plot's owner may set anew, are written as values that move
    // (RecordSize.h).
    void vdWriteToStream(std::ostream& out, const Real& version, bool withSegments);
    // The same record, leaving modified as it is: for measuring it.
    void vdWriteRecord(std::ostream& out, const Real& version, bool withSegments) const;
    // The bytes of line i's fields in the record (from 1), counted at the widest.
    std::uint64_t LineRecordBytes(std::uint32_t i, const Real& version) const;
    // Reads such a record into a plot built with as many lines, off-axis variables and comments
    // (a plot that takes any number of lines, from 2, is given the record's). A missing or bad
    // token, a value the plot's settings do not hold or a count other than the plot's sets the
    // read-error flag and ends the read; the fields read before keep their new values. Whatever
    // the setters hold is written so that it reads back. Auto scale stays off until the whole
    // record was read, and modified is cleared either way. Segments read are drawn as they stand,
    // until a change of the plot samples its curves again.
    void vdReadFromStream(std::istream& in, const Real& version, bool withSegments);

    // A new Drawing of the plot, owned by the caller (null when memory is exhausted); brings the
    // curves up to date first.
    Drawing* GetDrawing();

    // Sizes of texts as the options dialog shows them: "Normal" is 1.0, others read "2.5 x".
    // dSizeFromText gives -1.0 for a text that is not a size greater than 0.
    static double dSizeFromText(const char* text);
    static void vdSizeToText(double size, String& out);

    // Setters. Each does nothing when the value equals the one held or lies outside what the
    // setting holds (an axis end that is not a number, say); otherwise it stores it and marks the
    // drawing out of date and the plot modified. Indexes of lines, off-axis variables and comments
    // count from 1; a setter given an index outside its list does nothing.
    void vdSetMainTitle(const char* text);
    void vdSetMainTitleSize(double size);
    void vdSetMainTitleColor(Colour colour);
    void vdSetSubTitle(const char* text);
    void vdSetSubTitleSize(double size);
    void vdSetSubTitleColor(Colour colour);
    void vdSetYAxisLabel(const char* text);
    void vdSetYAxisLabelSize(double size);
    void vdSetYAxisLabelVertical(bool vertical);
    void vdSetYAxisMinimum(const Real& value);
    void vdSetYAxisMaximum(const Real& value);
    void vdSetYAxisScaleSize(double size);
    void vdSetYAxisNumberValues(std::int32_t count);
    void vdSetYAxisNumberTics(std::int32_t count);
    void vdSetXAxisLabel(const char* text);
    void vdSetXAxisLabelSize(double size);
    void vdSetXAxisMinimum(const Real& value);
    void vdSetXAxisMaximum(const Real& value);
    void vdSetXAxisScaleSize(double size);
    void vdSetXAxisNumberValues(std::int32_t count);
    void vdSetXAxisNumberTics(std::int32_t count);
    // Label indexes count from 0; the X minimum (maximum) becomes the value of that label.
    void vdSetXAxisMinimumLabel(std::uint32_t index);
    void vdSetXAxisMaximumLabel(std::uint32_t index);
    // Only between 2 and the number of X labels.
    void vdSetXAxisNumberLabels(std::uint32_t count);
    void vdSetAxisStyle(std::uint8_t style);
    void vdSetTicStyle(std::uint8_t style);
    void vdSetTicSizeNumber(double size);
    void vdSetTicSizeBetween(double size);
    void vdSetAxisRatio(double ratio);
    void vdSetKeyLineSize(double size);
    void vdSetKeyTitle(const char* text);
    void vdSetKeyTitleSize(double size);
    void vdSetKeyTitleColor(Colour colour);
    void vdSetDisplayKey(bool display);
    void vdSetDisplayOffAxis(bool display);
    void vdSetDisplayComments(bool display);
    void vdSetOffAxisSize(double size);
    void vdSetCommentsSize(double size);
    void vdSetResolution(std::int32_t index);
    void vdSetOffAxisVariableName(std::uint32_t i, const char* text);
    // Reads the text as a number; a number that differs from the value held (or replaces one that
    // is not a number) is stored and the text rewritten with 5 significant digits. Anything else
    // is ignored.
    void vdSetOffAxisVariableValue(std::uint32_t i, const char* text);
    void vdSetComment(std::uint32_t i, const char* text);
    void vdSetLineLabel(std::uint32_t i, const char* text);
    void vdSetLineValueText(std::uint32_t i, const char* text);
    // The step value of line i (0 or below: no step).
    void vdSetLineValue(std::uint32_t i, double step);
    void vdSetLineThickness(std::uint32_t i, double thickness);
    void vdSetLinePointSize(std::uint32_t i, double size);
    void vdSetLineColor(std::uint32_t i, Colour colour);
    void vdSetLineStyle(std::uint32_t i, std::uint8_t style);
    void vdSetLinePointStyle(std::uint32_t i, std::uint8_t style);
    void vdSetLineConnectPoints(std::uint32_t i, bool connect);
    // Marks the plot modified; with the flag set and the scale changed, the drawing is out of
    // date too (the next drawing refits the Y range).
    void vdSetAutoScale(bool on);

    // The curves' values changed although no setting did (a new cost parameter, say): they are
    // recalculated for the next drawing.
    void vdMarkCurvesOutOfDate();

    // Lines. valueText may be null.
    void vdAddLine(OptimizationPointFunction pointFunction,
                   OptimizationIntervalFunction intervalFunction, void* context1, void* context2,
                   const char* label, const char* valueText, double thickness, Colour colour,
                   std::uint8_t style);
    void vdAddLineWithValue(OptimizationPointFunction pointFunction,
                            OptimizationIntervalFunction intervalFunction, void* context1,
                            void* context2, double step, const char* label, const char* valueText,
                            double thickness, Colour colour, std::uint8_t style, bool connectPoints,
                            std::uint8_t pointStyle, double pointSize);
    void vdAddBlankLine(const char* label, const char* valueText, double thickness, Colour colour,
                        std::uint8_t style);
    void vdDeleteLine(std::uint32_t i);
    void vdMoveLine(std::uint32_t from, std::uint32_t to);
    // Attaches points to line i (drawn when it has no curve); the two spans have equal length,
    // x ascending.
    void vdSetLinePoints(std::uint32_t i, std::span<const Real> x, std::span<const Real> y);

    // The lists beside the plot and the labels of a labelled X axis.
    void vdAddOffAxisVariable(const char* name, const char* valueText, OptimizationInput* variable);
    void vdAddComment(const char* text);
    void vdAddShadedRegion(const Real& leftX, const Real& rightX, const Real& lowerY,
                           const Real& upperY, Colour colour);
    void vdSetDisplayShadedRegions(bool display);
    // Key entries read label, " = ", value text.
    void vdSetKeyShowsValues(bool on);
    // Turns the X axis into a labelled one showing every label, the first and last at its ends;
    // no labels make it numeric again. Fewer than two labels, spans of unequal length or a value
    // that is not a number are refused.
    void vdSetXAxisLabels(std::span<const char* const> texts, std::span<const Real> values);

    // The drawing operations, each adding its objects to the Drawing.
    virtual void vdDrawShadedRegions(Drawing& d) const;
    virtual void vdDrawFrame(Drawing& d) const;
    virtual void vdDrawLines(Drawing& d) const;
    virtual void vdDrawYAxisLabels(Drawing& d) const;
    virtual void vdDrawYAxis(Drawing& d, double x, bool primary) const;
    virtual void vdDrawXAxisLabels(Drawing& d) const;
    virtual void vdDrawXAxis(Drawing& d, double y, bool primary) const;
    static void vdAddPointMarker(Drawing& d, std::uint8_t style, double x, double y, double size,
                                 Colour colour, std::uint32_t uID);

    // What the options dialog and the session record read.
    const String& MainTitle() const { return mainTitle; }
    double dMainTitleSize() const { return mainTitleSize; }
    Colour MainTitleColor() const { return mainTitleColor; }
    const String& SubTitle() const { return subTitle; }
    double dSubTitleSize() const { return subTitleSize; }
    Colour SubTitleColor() const { return subTitleColor; }
    const String& YAxisLabel() const { return yAxisLabel; }
    double dYAxisLabelSize() const { return yAxisLabelSize; }
    bool bYAxisLabelVertical() const { return yAxisLabelVertical; }
    const Real& YAxisMinimum() const { return yMinimum; }
    const Real& YAxisMaximum() const { return yMaximum; }
    double dYAxisScaleSize() const { return yScaleSize; }
    std::int32_t YAxisNumberValues() const { return yNumberValues; }
    std::int32_t YAxisNumberTics() const { return yNumberTics; }
    const String& XAxisLabel() const { return xAxisLabel; }
    double dXAxisLabelSize() const { return xAxisLabelSize; }
    std::uint32_t XLabelCount() const { return static_cast<std::uint32_t>(xLabelTexts.size()); }
    std::uint32_t XAxisMinimumLabel() const { return xMinimumLabel; }
    std::uint32_t XAxisMaximumLabel() const { return xMaximumLabel; }
    // Index from 0, below XLabelCount().
    const String& XLabelText(std::uint32_t index) const { return xLabelTexts[index]; }
    const Real& XLabelValue(std::uint32_t index) const { return xLabelValues[index]; }
    std::uint32_t XAxisNumberLabels() const { return xNumberLabels; }
    const Real& XAxisMinimum() const { return xMinimum; }
    const Real& XAxisMaximum() const { return xMaximum; }
    std::int32_t XAxisNumberValues() const { return xNumberValues; }
    std::int32_t XAxisNumberTics() const { return xNumberTics; }
    double dXAxisScaleSize() const { return xScaleSize; }
    std::uint8_t AxisStyle() const { return axisStyle; }
    std::uint8_t TicStyle() const { return ticStyle; }
    double dTicSizeNumber() const { return ticSizeNumber; }
    double dTicSizeBetween() const { return ticSizeBetween; }
    double dAxisRatio() const { return axisRatio; }
    bool bAutoScale() const { return autoScale; }
    bool bScaleChanged() const { return scaleChanged; }
    bool bRebuild() const { return rebuild; }
    std::uint32_t LineCount() const { return static_cast<std::uint32_t>(lines.size()); }
    // Line i from 1, null outside the list.
    const LineInfo* Line(std::uint32_t i) const;
    double dKeyLineSize() const { return keyLineSize; }
    bool bKeyShowsValues() const { return keyShowsValues; }
    bool bDisplayKey() const { return displayKey; }
    const String& KeyTitle() const { return keyTitle; }
    double dKeyTitleSize() const { return keyTitleSize; }
    Colour KeyTitleColor() const { return keyTitleColor; }
    std::uint32_t OffAxisCount() const { return static_cast<std::uint32_t>(offAxis.size()); }
    const OffAxisVariableInfo* OffAxisVariable(std::uint32_t i) const;
    double dOffAxisSize() const { return offAxisSize; }
    bool bDisplayOffAxis() const { return displayOffAxis; }
    std::uint32_t CommentCount() const { return static_cast<std::uint32_t>(comments.size()); }
    const String* Comment(std::uint32_t i) const;
    double dCommentsSize() const { return commentsSize; }
    bool bDisplayComments() const { return displayComments; }
    std::uint32_t ShadedRegionCount() const
    {
        return static_cast<std::uint32_t>(shadedRegions.size());
    }
    bool bDisplayShadedRegions() const { return displayShadedRegions; }
    std::int32_t Resolution() const { return resolution; }
    // Each segment: n, the line number, then n points (x, y) in plot units with x from 0 to 10
    // before the axis ratio is applied.
    std::uint32_t SegmentCount() const { return static_cast<std::uint32_t>(segments.size()); }
    // Segment i from 1; empty outside the list.
    std::span<const double> Segment(std::uint32_t i) const;
    bool bDrawingOutOfDate() const { return drawingOutOfDate; }
    bool bModified() const { return modified; }
    // Forgets the changes made so far, so that bModified tells of the changes made after.
    void vdClearModified() { modified = false; }
    // How many changes the plot has taken: what was measured of its record holds while this stays.
    std::uint64_t ChangeCount() const { return changes; }

private:
    // The reading of the record's fields; false at the first one that fails.
    bool ReadRecord(std::istream& in, const Real& version);
    // The first line count, which only a plot with a variable number of lines may differ from.
    bool ReadLineCount(std::istream& in);
    // Replaces the segments by the record's when it holds them all.
    bool ReadSegments(std::istream& in);
    void vdChanged();
    // Stores a changed value with the given flags; false when the value was already held.
    template <class T> bool Store(T& field, const T& value);
    bool StoreText(String& field, const char* text);
    bool StoreReal(Real& field, const Real& value);
    // Store, for a value the setting holds.
    bool StoreSize(double& field, double size);
    bool StoreWidth(double& field, double width);
    bool StoreColour(Colour& field, Colour colour);
    bool StoreCode(std::uint8_t& field, std::uint8_t code, int codes);
    bool StoreCount(std::int32_t& field, std::int32_t count, std::int32_t least);
    LineInfo* EditableLine(std::uint32_t i);
    void vdAppendLine(std::unique_ptr<LineInfo> line);
    void vdPushOffAxisValues(bool withRanges);
    // Samples the line over the X range into x and y and sets its too-dense flag; false when it
    // has nothing to sample.
    bool SampleLine(LineInfo& line, std::vector<Real>& x, std::vector<Real>& y);
    void vdCutIntoSegments(std::uint32_t k, const std::vector<Real>& x, const std::vector<Real>& y);
    // Sets a decimal Y range around the lowest and highest values.
    void vdFitYRange(const Real& lowest, const Real& highest);
    // Whether the minimum lies below the maximum, both numbers.
    bool HasXRange() const;
    bool HasYRange() const;
    double dWidth() const { return 10.0 * axisRatio; }
    // Where the origin lies across the plot area (0 left or top, 1 right or bottom), unclamped:
    // the left or the bottom edge when a range is degenerate.
    double dXShareOfOrigin() const;
    double dYShareOfOrigin() const;
    // The X labels shown on a labelled axis: each index with its place across the axis (0 to 1).
    std::vector<std::pair<std::uint32_t, double>> ShownXLabels() const;
    void vdDrawKeyColumn(Drawing& d) const;

    String mainTitle;
    double mainTitleSize = 2.0;
    Colour mainTitleColor = 0xFF0000;
    String subTitle;
    double subTitleSize = 1.5;
    Colour subTitleColor = 0;
    String yAxisLabel{"Y-Axis"};
    double yAxisLabelSize = 1.5;
    bool yAxisLabelVertical = true;
    Real yMinimum;
    Real yMaximum;
    double yScaleSize = 1.0;
    std::int32_t yNumberValues = DefaultNumberValues;
    std::int32_t yNumberTics = 4;
    String xAxisLabel{"X-Axis"};
    double xAxisLabelSize = 1.5;
    std::uint32_t xMinimumLabel = 0;
    std::uint32_t xMaximumLabel = 0;
    std::vector<String> xLabelTexts;
    std::vector<Real> xLabelValues;
    std::uint32_t xNumberLabels = 2;
    Real xMinimum;
    Real xMaximum;
    std::int32_t xNumberValues = DefaultNumberValues;
    std::int32_t xNumberTics = 4;
    double xScaleSize = 1.0;
    std::uint8_t axisStyle = 1;
    std::uint8_t ticStyle = 2;
    double ticSizeNumber = 0.4;
    double ticSizeBetween = 0.2;
    double axisRatio = 1.0;
    bool autoScale = false;
    bool scaleChanged = false;
    bool rebuild = false;
    std::vector<std::unique_ptr<LineInfo>> lines;
    double keyLineSize = 1.0;
    bool keyShowsValues = false;
    bool displayKey = true;
    String keyTitle;
    double keyTitleSize = 1.0;
    Colour keyTitleColor = 0;
    std::vector<std::unique_ptr<OffAxisVariableInfo>> offAxis;
    double offAxisSize = 1.0;
    bool displayOffAxis = true;
    std::vector<String> comments;
    double commentsSize = 1.0;
    bool displayComments = true;
    std::vector<ShadedRegion> shadedRegions;
    bool displayShadedRegions = true;
    std::int32_t resolution;
    OptimizationInput* variable;
    std::vector<std::vector<double>> segments;
    bool drawingOutOfDate = false;
    bool modified = false;
    std::uint64_t changes = 0;
};

} // namespace Brosquin
