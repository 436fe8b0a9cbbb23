#include "widgets/PlotControl.h"

#include "graphics/Drawing.h"
#include "graphics/Plot.h"
#include "platform/WaitCursor.h"
#include "widgets/PlotOptionsDialogBox.h"

#include <QMenu>
#include <QPointer>

namespace Brosquin
{

TPlotControl::TPlotControl(QWidget* owner) : TDisplayControl(owner, true)
{
    QMenu* menu = PopupMenu();
    QAction* first = menu->actions().value(0);
    auto* options = new QAction(QStringLiteral("Plot &Options..."), menu);
    menu->insertAction(first, options);
    menu->insertSeparator(first);
    connect(options, &QAction::triggered, this, [this] { vdOptionsDialogBox(); });
}

TPlotControl::~TPlotControl() = default;

void TPlotControl::vdSetPlot(Plot* newPlot)
{
    if (!newPlot)
        return;
    if (newPlot != plot.get())
    {
        drawing.reset();
        plot.reset(newPlot);
    }
    if (Drawing* layout = plot->GetDrawing())
        drawing.reset(layout);
    vdLayOut();
    update();
}

void TPlotControl::vdRedraw()
{
    if (!plot || !plot->bDrawingOutOfDate())
        return;
    {
        const WaitCursor hourglass;
        // The layout shown stays when a new one cannot be made.
        std::unique_ptr<Drawing> layout(plot->GetDrawing());
        if (layout)
            drawing = std::move(layout);
    }
    vdLayOutWhenResized();
    update();
}

void TPlotControl::vdDeletePlot()
{
    drawing.reset();
    plot.reset();
    update();
}

void TPlotControl::vdMouseAction(std::uint32_t uObjectID)
{
    if (!plot)
        return;
    plot->vdClearModified();
    // The dialog is the control's child: should the control go while it runs, both are gone.
    const QPointer<TPlotControl> alive(this);
    QPointer<TPlotOptionsDialogBox> dialog = new TPlotOptionsDialogBox(*this, uObjectID, *plot);
    dialog->exec();
    delete dialog.data();
    if (alive && plot && OnChange && plot->bModified())
        OnChange(this);
}

void TPlotControl::vdActOnMouseDown()
{
    double x = 0;
    double y = 0;
    const DrawingObject* hit = ObjectAtMouseDown(&x, &y);
    if (hit && hit->uID != 0)
        vdMouseAction(hit->uID);
}

void TPlotControl::vdMouseClick()
{
    if (Mouse == MouseAction::maSingle)
        vdActOnMouseDown();
}

void TPlotControl::vdMouseDoubleClick()
{
    if (Mouse == MouseAction::maDouble)
        vdActOnMouseDown();
}

} // namespace Brosquin
