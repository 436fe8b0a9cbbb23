#include "platform/WindowFit.h"

#include <QApplication>
#include <QDialog>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <algorithm>

namespace Brosquin
{

namespace
{

const QString kFilterName = QStringLiteral("WindowFit");

// Moves a frame's side into [low, high - size], or to low where the size does not fit.
int KeptInside(int place, int size, int low, int high)
{
    return std::max(low, std::min(place, high - size));
}

// Windows that stand on their own; menus, lists that drop down and tips place themselves.
bool StandsAlone(const QWidget& window)
{
    switch (window.windowType())
    {
    case Qt::Window:
    case Qt::Dialog:
    case Qt::Sheet:
    case Qt::Tool:
    case Qt::SplashScreen:
        return true;
    default:
        return false;
    }
}

QMargins MarginsOf(const QWidget& window)
{
    const QRect frame = window.frameGeometry();
    const QRect inner = window.geometry();
    return {inner.left() - frame.left(), inner.top() - frame.top(), frame.right() - inner.right(),
            frame.bottom() - inner.bottom()};
}

bool IsFramed(const QWidget& window)
{
    return !(window.windowFlags() & Qt::FramelessWindowHint) &&
           window.windowType() != Qt::SplashScreen;
}

// The window's frame, which the window system tells only once it has framed the window; until
// then it is taken to be that of another window already shown.
QMargins FrameMargins(const QWidget& window)
{
    const QMargins own = MarginsOf(window);
    if (!own.isNull() || !IsFramed(window))
        return own;
    for (const QWidget* other : QApplication::topLevelWidgets())
        if (other != &window && other->isVisible() && StandsAlone(*other) && IsFramed(*other))
            if (const QMargins margins = MarginsOf(*other); !margins.isNull())
                return margins;
    return own;
}

// Fits the window, frame included, into the available area of its screen. A window whose place
// is its own keeps it as far as the area allows; one with none is centred, or, for a dialog, left
// for Qt to place over its owner, which keeps it inside the area at the size given here.
void vdFit(QWidget& window, bool bPlaced)
{
    const QScreen* screen = window.screen();
    if (screen == nullptr || !StandsAlone(window) ||
        (window.windowState() &
         (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen)) != 0)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins margins = FrameMargins(window);
    QRect wanted = window.geometry() + margins;
    if (!bPlaced)
        wanted.moveCenter(area.center());
    const QSize least = window.minimumSize().expandedTo(window.minimumSizeHint()).grownBy(margins);
    const QRect fitted = FittedFrame(wanted, least, area) - margins;
    if (fitted == window.geometry())
        return;
    const bool bDialog = qobject_cast<QDialog*>(&window) != nullptr;
    const bool bMoved = window.testAttribute(Qt::WA_Moved);
    const bool bSized = window.testAttribute(Qt::WA_Resized);
    if (bPlaced || !bDialog)
        window.setGeometry(fitted);
    else
        window.resize(fitted.size());
    // Qt sizes a dialog to its contents and places it over its owner at each showing, until
    // something else does: fitting it does not count.
    if (bDialog)
    {
        window.setAttribute(Qt::WA_Moved, bMoved);
        window.setAttribute(Qt::WA_Resized, bSized);
    }
}

// Fits each window as it shows, before the window system maps it, and again when it grows.
class WindowFitFilter : public QObject
{
public:
    explicit WindowFitFilter(QObject* application) : QObject(application)
    {
        setObjectName(kFilterName);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (!watched->isWidgetType() || !static_cast<QWidget*>(watched)->isWindow())
            return false;
        auto& window = *static_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show)
            vdFit(window, window.testAttribute(Qt::WA_Moved));
        // A shown window that grows by itself, as a dialog does when it shows more of its
        // entries, stays where it is as far as the area allows, once its layout has settled;
        // what the person sizes is left as it is.
        else if (event->type() == QEvent::Resize && !event->spontaneous() && window.isVisible())
            if (const auto* resize = static_cast<const QResizeEvent*>(event);
                resize->size().width() > resize->oldSize().width() ||
                resize->size().height() > resize->oldSize().height())
                QTimer::singleShot(0, &window, [&window] { vdFit(window, true); });
        return false;
    }
};

} // namespace

QRect FittedFrame(const QRect& wanted, const QSize& least, const QRect& area)
{
    if (!area.isValid())
        return wanted;
    const QSize size = wanted.size().boundedTo(area.size()).expandedTo(least);
    return {KeptInside(wanted.left(), size.width(), area.left(), area.left() + area.width()),
            KeptInside(wanted.top(), size.height(), area.top(), area.top() + area.height()),
            size.width(), size.height()};
}

void vdFitWindowsToScreen()
{
    QCoreApplication* application = QCoreApplication::instance();
    if (application == nullptr ||
        application->findChild<WindowFitFilter*>(kFilterName, Qt::FindDirectChildrenOnly))
        return;
    application->installEventFilter(new WindowFitFilter(application));
}

} // namespace Brosquin
