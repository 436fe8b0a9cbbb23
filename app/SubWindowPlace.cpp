#include "app/SubWindowPlace.h"

#include "platform/WindowFit.h"

#include <QEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <algorithm>

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

// The window's place in its area's viewport, fitted into the viewport once the area is shown;
// until then its size is not yet the one the user sees, and only the title bar is kept from
// going above or left of the area.
QRect KeptInside(const QMdiSubWindow& window, QRect wanted)
{
    const QMdiArea* area = window.mdiArea();
    if (area != nullptr && area->isVisible())
        return FittedFrame(wanted, window.minimumSizeHint(), area->viewport()->rect());
    wanted.moveTo(std::max(wanted.left(), 0), std::max(wanted.top(), 0));
    return wanted;
}

// Places a window again from its wanted place whenever its area shows or changes its size before
// it is first painted, which is when it has the size the user sees (a window manager may still
// size the frame after showing it); it stops sooner when the window has been moved or sized by
// anything else (a command, a new state).
class PlaceFollower : public QObject
{
public:
    PlaceFollower(QMdiSubWindow& window, const QRect& wanted)
        : QObject(&window), window(window), wanted(wanted), placed(window.geometry())
    {
        window.mdiArea()->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const QEvent::Type type = event->type();
        if (type != QEvent::Show && type != QEvent::Resize && type != QEvent::Paint)
            return false;
        if (type == QEvent::Paint || window.geometry() != placed || window.isHidden() ||
            window.isMinimized() || window.isMaximized())
        {
            watched->removeEventFilter(this);
            deleteLater();
            return false;
        }
        window.setGeometry(KeptInside(window, wanted));
        placed = window.geometry();
        return false;
    }

private:
    QMdiSubWindow& window;
    const QRect wanted;
    QRect placed;
};

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
    const QRect wanted =
        QRect(place.left, place.top, place.width, place.height).translated(-ScrollOffset(window));
    // A copy: deleting a child takes it out of the window's own list.
    const QObjectList children = window.children();
    for (QObject* child : children)
        delete dynamic_cast<PlaceFollower*>(child);
    window.setGeometry(KeptInside(window, wanted));
    if (window.mdiArea() != nullptr && !window.mdiArea()->isVisible())
        new PlaceFollower(window, wanted);
}

void vdCascade(QMdiArea& area)
{
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* window : area.subWindowList(QMdiArea::StackingOrder))
        if (!window->isMinimized() && !window->isHidden())
            windows.append(window);
    if (windows.isEmpty())
        return;
    for (QMdiSubWindow* window : std::as_const(windows))
        if (window->isMaximized())
            window->showNormal();
    // A step of one title bar, frame included; past half the area's height the steps start again
    // at the top.
    const int step = std::max(1, windows.constFirst()->contentsMargins().top());
    const QSize room = area.viewport()->size();
    const int places = std::max(1, room.height() / 2 / step + 1);
    for (qsizetype i = 0; i < windows.size(); ++i)
    {
        QMdiSubWindow& window = *windows.at(i);
        const int offset = static_cast<int>(i % places) * step;
        window.setGeometry(offset, offset,
                           std::min(window.width(), std::max(room.width() - offset, 0)),
                           std::min(window.height(), std::max(room.height() - offset, 0)));
    }
}

} // namespace Brosquin
