#pragma once

#include <QMimeData>

#include <memory>

namespace Brosquin
{

class Drawing;

// The Drawing as a picture for the clipboard, 20 pixels per world unit on white: an SVG document
// ("image/svg+xml") and a bitmap, given both as PNG ("image/png") and as image data for the
// platform's own bitmap formats. When limited, the larger side of the picture is held to
// plotPictureLimit pixels. The caller may add further formats (a table adds its text) before it
// hands the data to the clipboard.
std::unique_ptr<QMimeData> DrawingMimeData(const Drawing& drawing, bool limited);

} // namespace Brosquin
