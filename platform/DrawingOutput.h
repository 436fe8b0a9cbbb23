#pragma once

#include "graphics/PictureSize.h"
#include "platform/ApplicationPrinter.h"

#include <memory>

class QMimeData;
class QWidget;

namespace Brosquin
{

class Drawing;

// Prints the drawing as one page under the "Printing ..." form and the hourglass: fitted into
// the printable area less the margin (in printer pixels) on every side, on white, with the
// printer's current settings. A printer that writes PDF files without a file named (as on a
// machine without printers) writes this page to a PDF file the person names first; when they
// cancel, nothing is printed. False when the print job could not be started or completed.
bool PrintDrawing(QWidget* owner, const Drawing& drawing, double margin,
                  QPrinter& printer = ApplicationPrinter());

// The clipboard contents of a drawing, made under the "Copying ..." form and the hourglass: the
// drawing fitted into a picture of the given size on white, as an SVG document (image/svg+xml)
// and as a PNG image. The caller may add the drawing's text before it hands the data to the
// clipboard. A very large PNG is made smaller, keeping its proportions; the SVG never is.
std::unique_ptr<QMimeData> DrawingMimeData(QWidget* owner, const Drawing& drawing,
                                           PictureSize size);

} // namespace Brosquin
