#pragma once

#include "graphics/PictureSize.h"
#include "platform/ApplicationPrinter.h"

#include <QString>

#include <memory>

class QMimeData;
class QWidget;

namespace Brosquin
{

class Drawing;

// How a drawing goes onto paper: a plot whole on one page, as large as it fits; a table with
// its text no smaller than a reader needs, whole on one page where that allows, else turned or
// over several pages.
enum class PrintFit
{
    WholePage,
    ReadableText
};

// What became of a print: done (printed, or cancelled by the person), or why not.
struct PrintOutcome
{
    bool bDone = true;
    // The PDF file that could not be written, when that is why.
    QString unwritableFile;
};

// Prints the drawing under the "Printing ..." form and the hourglass: fitted into the printable
// area less the margin (in printer pixels) on every side, on white, with the printer's settings;
// a table turns the page only for this print. A printer that writes PDF files without a file
// named (as on a machine without printers) writes to a PDF file the person names first; when
// they cancel, nothing is printed.
PrintOutcome PrintDrawing(QWidget* owner, const Drawing& drawing, double margin, PrintFit fit,
                          QPrinter& printer = ApplicationPrinter());

// The clipboard contents of a drawing: the drawing fitted into a picture of the given size on
// white, as an SVG document (image/svg+xml) and as a PNG image. The caller shows the "Copying ..."
// form, and may add the drawing's text before it hands the data to the clipboard. A very large
// PNG is made smaller, keeping its proportions; the SVG never is.
std::unique_ptr<QMimeData> DrawingMimeData(const Drawing& drawing, PictureSize size);

} // namespace Brosquin
