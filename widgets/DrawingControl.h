#pragma once

#include "widgets/DisplayControl.h"

#include <memory>

namespace Brosquin
{

// Shows one Drawing, which it owns. Clicks and double clicks on it are reported with the world
// point and the IDs of the Drawing and of the object clicked.
class TDrawingControl : public TDisplayControl
{
public:
    explicit TDrawingControl(QWidget* owner = nullptr);
    ~TDrawingControl() override;

    Drawing* ShownDrawing() const override { return drawing.get(); }

    // Raised for a click (double click) with the left button anywhere on the Drawing, with the
    // world point and the Drawing's own ID.
    std::function<void(QObject*sender, double dxLocation, double dyLocation,
                       std::uint32_t uGraphicID)>
        OnMouseClickLocation, OnMouseDoubleClickLocation;
    // Raised after the location event when the click hit an object with an ID.
    std::function<void(QObject*sender, std::uint32_t uObjectID, std::uint32_t uGraphicID)>
        OnMouseClickObject, OnMouseDoubleClickObject;

    // Takes the Drawing over and shows it, deleting the one shown before; null is ignored.
    void vdSetDrawing(Drawing* newDrawing);
    // Shows the Drawing again after its owner has rebuilt it in place, taking its new size in a
    // fixed size mode.
    void vdRedraw();
    void vdCrossOutGraphic() { vdCrossOut(); }
    void vdDeleteGraphic();

protected:
    void vdMouseClick() override;
    void vdMouseDoubleClick() override;
    PrintFit PrintedAs() const override { return PrintFit::ReadableText; }

private:
    void vdReportClick(const decltype(OnMouseClickLocation)& location,
                       const decltype(OnMouseClickObject)& object);

    std::unique_ptr<Drawing> drawing;
};

} // namespace Brosquin
