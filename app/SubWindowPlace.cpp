#include "app/SubWindowPlace.h"

#include <QMdiSubWindow>

namespace Brosquin
{

namespace
{

constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

} // namespace

WindowPlace PlaceOf(const QMdiSubWindow& window)
{
    const QRect place = window.geometry();
    const int state = window.isMinimized()   ? kMinimised
                      : window.isMaximized() ? kMaximised
                                             : kNormal;
    return {state, place.top(), place.left(), place.height(), place.width()};
}

void vdApplyPlace(QMdiSubWindow& window, const WindowPlace& place)
{
    if (place.state == kMinimised)
        window.showMinimized();
    else if (place.state == kMaximised)
        window.showMaximized();
    else
    {
        window.showNormal();
        window.setGeometry(QRect(place.left, place.top, place.width, place.height));
    }
}

} // namespace Brosquin
