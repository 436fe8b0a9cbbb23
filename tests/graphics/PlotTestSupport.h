#pragma once

#include "core/Interval.h"
#include "core/OptimizationInput.h"
#include "core/Real.h"
#include "core/RealOf.h"
#include "graphics/Canvas.h"
#include "graphics/DrawingObject.h"
#include "tests/graphics/RecordingCanvas.h"

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

// What an object paints first, drawn large enough for its text to be written.
inline RecordingCanvas::Painted PaintedBy(const DrawingObject& object)
{
    RecordingCanvas canvas;
    object.vdDrawScaled(canvas, 100, 0, 100, 0, 0xFFFFFF);
    return canvas.painted.empty() ? RecordingCanvas::Painted{} : canvas.painted.front();
}

} // namespace Brosquin
