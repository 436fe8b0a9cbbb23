#pragma once

#include "core/Interval.h"
#include "core/OptimizationInput.h"
#include "core/Real.h"
#include "core/RealOf.h"
#include "graphics/Canvas.h"
#include "graphics/DrawingObject.h"

#include <cmath>
#include <string>
#include <vector>

namespace Brosquin
{

// A curve for a Plot line, given as a formula of x with an optional interval extension. The plot
// hands it the variable record as the second context, as the evaluation list does with its
// plans. A NaN from the formula stands for a value that is not a number.
class TestCurve
{
public:
    using Formula = double (*)(const TestCurve& curve, double x);
    using Extension = void (*)(const TestCurve& curve, double lo, double hi, double& low,
                               double& high);

    explicit TestCurve(Formula formula, Extension extension = nullptr, double parameter = 0.0)
        : formula(formula), extension(extension), parameter(parameter)
    {
    }

    static const Real* Point(void* context1, void* context2)
    {
        auto& curve = *static_cast<TestCurve*>(context1);
        const auto& input = *static_cast<const OptimizationInput*>(context2);
        ++curve.calls;
        curve.xSeen.push_back(input.value.dValue());
        const double y = curve.formula(curve, input.value.dValue());
        if (std::isnan(y))
        {
            curve.result.vdSetMessage("No value");
        }
        else
        {
            curve.result = y;
        }
        return &curve.result;
    }

    static const Interval* Range(void* context1, void* context2)
    {
        auto& curve = *static_cast<TestCurve*>(context1);
        const auto& input = *static_cast<const OptimizationInput*>(context2);
        double low = 0.0;
        double high = 0.0;
        curve.extension(curve, input.range.Lower(), input.range.Upper(), low, high);
        curve.range.SetEnds(low, high);
        return &curve.range;
    }

    Formula formula;
    Extension extension;
    double parameter;
    int calls = 0;
    std::vector<double> xSeen;
    Real result;
    Interval range;
};

// A canvas that keeps what is written on it, to read back the texts and figures of drawing
// objects.
class RecordingCanvas : public Canvas
{
public:
    struct Figure
    {
        std::string kind;
        int points = 0;
        bool hollow = false;
    };

    void vdRectangle(int, int, int, int) override { vdRecord("rectangle", 4); }
    void vdEllipse(int, int, int, int) override { vdRecord("ellipse", 4); }
    void vdPolygon(std::span<const DevicePoint> points) override
    {
        vdRecord("polygon", static_cast<int>(points.size()));
    }
    void vdPolyline(std::span<const DevicePoint> points) override
    {
        vdRecord("polyline", static_cast<int>(points.size()));
    }
    int TextWidth(std::string_view text) override { return static_cast<int>(text.size()) * 10; }
    void vdTextOut(int, int, std::string_view text) override { texts.emplace_back(text); }
    double dPixelsPerInchX() const override { return 96; }
    double dPixelsPerInchY() const override { return 96; }

    std::vector<std::string> texts;
    std::vector<Figure> figures;

protected:
    void vdDrawLine(DevicePoint, DevicePoint) override { vdRecord("line", 2); }

private:
    void vdRecord(const char* kind, int points)
    {
        figures.push_back({kind, points, CurrentBrush().hollow});
    }
};

// The text a text object writes (drawn large enough to be written).
inline std::string TextOf(const DrawingObject& object)
{
    RecordingCanvas canvas;
    object.vdDrawScaled(canvas, 100, 0, 100, 0, 0xFFFFFF);
    return canvas.texts.empty() ? "" : canvas.texts.front();
}

// The figure a marker or shape draws.
inline RecordingCanvas::Figure FigureOf(const DrawingObject& object)
{
    RecordingCanvas canvas;
    object.vdDrawScaled(canvas, 100, 0, 100, 0, 0xFFFFFF);
    return canvas.figures.empty() ? RecordingCanvas::Figure{} : canvas.figures.front();
}

} // namespace Brosquin
