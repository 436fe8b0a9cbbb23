#pragma once

#include "graphics/StyleSamples.h"

#include <QComboBox>

class QPainter;

namespace Brosquin
{

// A drop-down list whose items draw themselves, in the list and in the closed box alike: the
// line styles or the point styles of the plot options. The items keep their names as texts for
// the keyboard's search and for screen readers.
class TStyleComboBox : public QComboBox
{
public:
    using DrawItem = void (*)(Canvas& canvas, int item, const ItemRect& rect);

    TStyleComboBox(DrawItem drawItem, QWidget* parent);

    // Paints an item into a rectangle of the painter's device.
    void vdPaintItem(QPainter& painter, int item, const QRect& rect, bool focused) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    DrawItem drawItem;
};

} // namespace Brosquin
