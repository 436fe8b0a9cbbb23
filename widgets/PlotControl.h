#pragma once

#include "widgets/DisplayControl.h"

#include <functional>
#include <memory>

namespace Brosquin
{

class Plot;

enum class MouseAction : std::uint8_t
{
    maNone,
    maSingle,
    maDouble
};

// Shows one Plot, which it owns, by laying it out into a Drawing, which it owns too. A click on a
// part of the plot opens the plot options of that part. The fixed size and the copied picture
// are held to plotPictureLimit pixels along their larger side.
class TPlotControl : public TDisplayControl
{
public:
    explicit TPlotControl(QWidget* owner = nullptr);
    ~TPlotControl() override;

    Drawing* ShownDrawing() const override { return drawing.get(); }
    Plot* ShownPlot() const { return plot.get(); }

    // The help base of the plot options: their pages' topics follow it; 0 for none.
    int HelpContext = 0;
    // Which click on a part of the plot asks for its options; maNone also keeps the cursor.
    MouseAction Mouse = MouseAction::maDouble;
    // Asked once the plot options wrote their settings into the Plot: false puts the settings
    // before back, and the options stay open. Unset, every setting is taken.
    std::function<bool()> AcceptsOptions;

    // Takes the Plot over, deleting the one shown before with its Drawing, and shows a new
    // layout of it; null is ignored, and the Plot already shown is laid out again, not deleted.
    void vdSetPlot(Plot* newPlot);
    // Lays the Plot out again when it reports its drawing out of date, after its owner changed
    // it in place; otherwise does nothing.
    void vdRedraw();
    // Crosses out the current layout; the next layout of the Plot has no cross.
    void vdCrossOutPlot() { vdCrossOut(); }
    void vdDeletePlot();
    // Runs the plot options at the page of the part of the plot with this object ID (0: the first
    // page); raises OnChange when they changed the Plot.
    void vdMouseAction(std::uint32_t uObjectID);
    void vdOptionsDialogBox() { vdMouseAction(0); }

protected:
    void vdMouseClick() override;
    void vdMouseDoubleClick() override;
    bool bPointsAtObjects() const override { return Mouse != MouseAction::maNone; }
    PrintFit PrintedAs() const override { return PrintFit::WholePage; }

private:
    void vdActOnMouseDown();

    std::unique_ptr<Plot> plot;
    std::unique_ptr<Drawing> drawing;
};

} // namespace Brosquin
