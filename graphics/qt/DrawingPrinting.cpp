#include "graphics/qt/DrawingPrinting.h"

#include "graphics/DisplaySize.h"
#include "graphics/Drawing.h"
#include "platform/ApplicationPrinter.h"
#include "platform/PainterCanvas.h"

#include <QPainter>
#include <QPrinter>

namespace Brosquin
{

bool PrintDrawing(const Drawing& drawing, double margin)
{
    QPrinter& printer = ApplicationPrinter();
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    // The painter's device is the printable area of the page.
    const DeviceRect page = MarginRect(printer.width(), printer.height(), margin);
    if (!page.bEmpty())
    {
        PainterCanvas canvas(painter);
        drawing.vdDraw(canvas, page.left, page.top, page.right, page.bottom, 0xFFFFFF);
    }
    return painter.end() && printer.printerState() != QPrinter::Error;
}

} // namespace Brosquin
