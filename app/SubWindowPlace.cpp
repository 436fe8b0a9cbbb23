#include "app/SubWindowPlace.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <algorithm>
#include <optional>

namespace Brosquin
{

namespace
{

constexpr int kNormal = 0;
constexpr int kMinimised = 1;
constexpr int kMaximised = 2;

// Where the corner of the area's contents stands in its viewport: scrolling moves the windows,
// not the corner.
QPoint ScrollOffset(const QMdiSubWindow& window)
{
    const QMdiArea* area = window.mdiArea();
    if (area == nullptr)
        return {};
    return {area->horizontalScrollBar()->value(), area->verticalScrollBar()->value()};
}

// Moves the place along one axis into [0, room - size], or to 0 where the size does not fit;
// without a room, only to 0 or more.
int KeptInside(int place, int size, std::optional<int> room)
{
    return std::clamp(place, 0, room ? std::max(0, *room - size) : std::max(place, 0));
}

} // namespace

WindowPlace PlaceOf(const QMdiSubWindow& window)
{
    const QRect place = window.geometry().translated(ScrollOffset(window));
    const int state = window.isMinimized()   ? kMinimised
                      : window.isMaximized() ? kMaximised
                                             : kNormal;
    return {state, place.top(), place.left(), place.height(), place.width()};
}

void vdApplyPlace(QMdiSubWindow& window, const WindowPlace& place)
{
    if (place.state == kMinimised)
    {
        window.showMinimized();
        return;
    }
    if (place.state == kMaximised)
    {
        window.showMaximized();
        return;
    }
    window.showNormal();
    QRect shown =
        QRect(place.left, place.top, place.width, place.height).translated(-ScrollOffset(window));
    // Until the area is shown its size is not yet the one the user sees; then only the title
    // bar is kept from going above or left of the area.
    const QMdiArea* area = window.mdiArea();
    const bool bShown = area != nullptr && area->isVisible();
    const QSize room = bShown ? area->viewport()->size() : QSize();
    shown.moveTo(KeptInside(shown.left(), shown.width(),
                            bShown ? std::optional(room.width()) : std::nullopt),
                 KeptInside(shown.top(), shown.height(),
                            bShown ? std::optional(room.height()) : std::nullopt));
    window.setGeometry(shown);
}

} // namespace Brosquin
