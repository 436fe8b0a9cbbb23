#include "widgets/DrawingControl.h"

#include "graphics/Drawing.h"

#include <cmath>
#include <limits>

namespace Brosquin
{

TDrawingControl::TDrawingControl(QWidget* owner) : TDisplayControl(owner, false) {}

TDrawingControl::~TDrawingControl() = default;

void TDrawingControl::vdSetDrawing(Drawing* newDrawing)
{
    if (!newDrawing)
        return;
    if (newDrawing != drawing.get())
        drawing.reset(newDrawing);
    vdLayOut();
    update();
}

void TDrawingControl::vdRedraw()
{
    if (!drawing)
        return;
    vdLayOutWhenResized();
    update();
}

void TDrawingControl::vdDeleteGraphic()
{
    drawing.reset();
    update();
}

void TDrawingControl::vdReportClick(const decltype(OnMouseClickLocation)& location,
                                    const decltype(OnMouseClickObject)& object)
{
    if (!drawing || !bMouseDownRemembered())
        return;
    // The point stays NaN when the Drawing has no area on the control to be clicked.
    double x = std::numeric_limits<double>::quiet_NaN();
    double y = x;
    const DrawingObject* hit = ObjectAtMouseDown(&x, &y);
    if (std::isnan(x) || std::isnan(y))
        return;
    // Both IDs are taken before any handler runs: a handler may replace the Drawing.
    const std::uint32_t graphicID = drawing->uID;
    const std::uint32_t objectID = hit ? hit->uID : 0;
    if (location)
        location(this, x, y, graphicID);
    if (objectID != 0 && object)
        object(this, objectID, graphicID);
}

void TDrawingControl::vdMouseClick()
{
    vdReportClick(OnMouseClickLocation, OnMouseClickObject);
}

void TDrawingControl::vdMouseDoubleClick()
{
    vdReportClick(OnMouseDoubleClickLocation, OnMouseDoubleClickObject);
}

} // namespace Brosquin
