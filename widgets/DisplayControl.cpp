#include "widgets/DisplayControl.h"

#include "graphics/Drawing.h"
#include "graphics/SvgCanvas.h"
#include "platform/PainterCanvas.h"
#include "platform/ProgressDialogs.h"
#include "platform/UserInteraction.h"
#include "platform/WaitCursor.h"

#include <QActionGroup>
#include <QClipboard>
#include <QFontInfo>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>

#include <cmath>
#include <exception>

namespace Brosquin
{

namespace
{

// Percentages of the "Fi&xed Size - Custom" submenu, in menu order.
constexpr struct
{
    const char* caption;
    SizeMode mode;
} percentages[10] = {{"50%", SizeMode::Size50},   {"75%", SizeMode::Size75},
                     {"100%", SizeMode::Size100}, {"125%", SizeMode::Size125},
                     {"150%", SizeMode::Size150}, {"175%", SizeMode::Size175},
                     {"200%", SizeMode::Size200}, {"250%", SizeMode::Size250},
                     {"300%", SizeMode::Size300}, {"400%", SizeMode::Size400}};
constexpr int defaultPercentage = 2;

Colour ColourOf(const QColor& colour)
{
    return static_cast<Colour>(colour.red()) | static_cast<Colour>(colour.green()) << 8 |
           static_cast<Colour>(colour.blue()) << 16;
}

QAction* RadioItem(QMenu& menu, QActionGroup& group, const QString& caption)
{
    QAction* item = menu.addAction(caption);
    item->setCheckable(true);
    group.addAction(item);
    return item;
}

} // namespace

TDisplayControl::TDisplayControl(QWidget* owner, bool limited)
    : QWidget(owner), limited(limited),
      // A line of text is 1.2 times the character height of the font.
      lineHeight(1.2 * QFontInfo(font()).pixelSize()), savedCursor(cursor()),
      popupMenu(new QMenu(this))
{
    setAutoFillBackground(true);
    setMouseTracking(true);
    vdBuildPopupMenu();
    vdWatchParent();
    vdLayOut();
}

TDisplayControl::~TDisplayControl() = default;

void TDisplayControl::vdBuildPopupMenu()
{
    auto* sizes = new QActionGroup(popupMenu);
    sizeToFitItem = RadioItem(*popupMenu, *sizes, QStringLiteral("&Size To Fit"));
    fixedSizeNormalItem = RadioItem(*popupMenu, *sizes, QStringLiteral("&Fixed Size - Normal"));
    QMenu* custom = popupMenu->addMenu(QStringLiteral("Fi&xed Size - Custom"));
    fixedSizeCustomItem = custom->menuAction();
    fixedSizeCustomItem->setCheckable(true);
    sizes->addAction(fixedSizeCustomItem);
    auto* percents = new QActionGroup(custom);
    for (std::size_t i = 0; i < percentItems.size(); ++i)
    {
        const SizeMode mode = percentages[i].mode;
        percentItems[i] =
            RadioItem(*custom, *percents, QString::fromLatin1(percentages[i].caption));
        connect(percentItems[i], &QAction::triggered, this, [this, mode] { vdSetSizeMode(mode); });
    }
    custom->setDefaultAction(percentItems[defaultPercentage]);
    connect(sizeToFitItem, &QAction::triggered, this, [this] { vdSizeToFit(); });
    connect(fixedSizeNormalItem, &QAction::triggered, this, [this] { vdFixedSizeNormal(); });
    popupMenu->addSeparator();
    connect(popupMenu->addAction(QStringLiteral("&Print")), &QAction::triggered, this,
            [this] { vdPrint(); });
    copyItem = popupMenu->addAction(QStringLiteral("&Copy to Clipboard"));
    vdSetCopyAction([this] { vdClipboard(); });
    sizeToFitItem->setChecked(true);
    percentItems[defaultPercentage]->setChecked(true);
}

void TDisplayControl::vdSetCopyAction(const std::function<void()>& copy)
{
    disconnect(copyItem, &QAction::triggered, this, nullptr);
    connect(copyItem, &QAction::triggered, this, copy);
}

void TDisplayControl::vdUpdateChecks()
{
    sizeToFitItem->setChecked(sizeMode == SizeMode::SizeToFit);
    fixedSizeNormalItem->setChecked(sizeMode == SizeMode::FixedSizeNormal);
    fixedSizeCustomItem->setChecked(sizeMode != SizeMode::SizeToFit &&
                                    sizeMode != SizeMode::FixedSizeNormal);
    for (std::size_t i = 0; i < percentItems.size(); ++i)
        percentItems[i]->setChecked(sizeMode == percentages[i].mode);
}

void TDisplayControl::vdSetSizeMode(SizeMode mode)
{
    if (mode == sizeMode || (dSize(mode) == 0.0 && mode != SizeMode::SizeToFit))
        return;
    sizeMode = mode;
    vdUpdateChecks();
    vdLayOut();
    if (OnChange)
        OnChange(this);
    update();
}

void TDisplayControl::vdSetMargin(double pixels)
{
    if (!std::isfinite(pixels) || pixels < 0 || pixels == margin)
        return;
    margin = pixels;
    if (sizeMode != SizeMode::SizeToFit)
        vdLayOut();
    update();
}

PixelSize TDisplayControl::FixedSize() const
{
    const Drawing* drawing = ShownDrawing();
    if (!drawing)
        return emptyClientSize;
    return FixedClientSize(drawing->dRight() - drawing->dLeft(),
                           drawing->dBottom() - drawing->dTop(), sizeMode, lineHeight, margin,
                           limited);
}

void TDisplayControl::vdLayOut()
{
    if (sizeMode == SizeMode::SizeToFit)
    {
        setMinimumSize(0, 0);
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        vdFillParent();
        return;
    }
    const PixelSize fixed = FixedSize();
    setFixedSize(fixed.width, fixed.height);
    // A layout places the component itself; otherwise it sits at the parent's top left.
    if (watchedParent && !watchedParent->layout())
        move(0, 0);
}

void TDisplayControl::vdLayOutWhenResized()
{
    if (sizeMode == SizeMode::SizeToFit)
        return;
    const PixelSize fixed = FixedSize();
    if (fixed.width != width() || fixed.height != height())
        vdLayOut();
}

void TDisplayControl::vdFillParent()
{
    if (watchedParent && !watchedParent->layout())
        setGeometry(watchedParent->rect());
}

void TDisplayControl::vdWatchParent()
{
    if (watchedParent == parentWidget())
        return;
    if (watchedParent)
        watchedParent->removeEventFilter(this);
    watchedParent = parentWidget();
    if (watchedParent)
        watchedParent->installEventFilter(this);
}

bool TDisplayControl::event(QEvent* event)
{
    if (event->type() == QEvent::ParentChange)
    {
        vdWatchParent();
        vdLayOut();
    }
    return QWidget::event(event);
}

bool TDisplayControl::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == watchedParent && event->type() == QEvent::Resize &&
        sizeMode == SizeMode::SizeToFit)
        vdFillParent();
    return QWidget::eventFilter(watched, event);
}

void TDisplayControl::paintEvent(QPaintEvent*)
{
    const Drawing* drawing = ShownDrawing();
    if (!drawing)
        return;
    QPainter painter(this);
    PainterCanvas canvas(painter);
    drawing->vdDraw(canvas, margin, margin, width() - margin, height() - margin,
                    ColourOf(palette().color(backgroundRole())));
}

DrawingObject* TDisplayControl::ObjectAtPixel(QPoint pixel, double* x, double* y) const
{
    Drawing* drawing = ShownDrawing();
    if (!drawing)
        return nullptr;
    // Finding the fitted rectangle needs only the resolution of the screen it was drawn on.
    const SvgCanvas screen(0, 0, logicalDpiX(), logicalDpiY());
    return drawing->ObjectAt(screen, margin, margin, width() - margin, height() - margin, pixel.x(),
                             pixel.y(), x, y);
}

DrawingObject* TDisplayControl::ObjectAtMouseDown(double* x, double* y) const
{
    if (!bMouseDownRemembered())
        return nullptr;
    return ObjectAtPixel(mouseDown, x, y);
}

void TDisplayControl::vdRememberPress(const QMouseEvent& event)
{
    const bool left = event.button() == Qt::LeftButton;
    mouseDown = left ? event.position().toPoint() : QPoint(-1, -1);
}

void TDisplayControl::mousePressEvent(QMouseEvent* event)
{
    vdRememberPress(*event);
    clickPending = event->button() == Qt::LeftButton;
}

void TDisplayControl::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = clickPending && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    clickPending = false;
    if (click)
        vdMouseClick();
}

void TDisplayControl::mouseDoubleClickEvent(QMouseEvent* event)
{
    // The second press of a double click raises the double click with the pixel of the first
    // press, then counts as a press that is no click of its own.
    clickPending = false;
    if (event->button() == Qt::LeftButton)
        vdMouseDoubleClick();
    vdRememberPress(*event);
}

void TDisplayControl::mouseMoveEvent(QMouseEvent* event)
{
    if (!bPointsAtObjects())
        return;
    double x = 0;
    double y = 0;
    const DrawingObject* object = ObjectAtPixel(event->position().toPoint(), &x, &y);
    if (object && object->uID != 0)
        setCursor(Qt::PointingHandCursor);
    else
        setCursor(savedCursor);
}

void TDisplayControl::vdCrossOut()
{
    Drawing* drawing = ShownDrawing();
    if (!drawing)
        return;
    const double left = drawing->dLeft();
    const double top = drawing->dTop();
    const double right = drawing->dRight();
    const double bottom = drawing->dBottom();
    const double width = 0.05 * std::min(right - left, bottom - top);
    constexpr Colour red = 0x0000FF;
    drawing->AddLine(left, top, right, bottom, 1, red, width, 0, 0);
    drawing->AddLine(left, bottom, right, top, 1, red, width, 0, 0);
    update();
}

void TDisplayControl::vdReportFailures(const QString& failure, const std::function<QString()>& job)
{
    QString failed;
    try
    {
        failed = job();
    }
    catch (const std::exception&)
    {
        failed = failure;
    }
    if (!failed.isEmpty())
        UserInteraction::Current().MessageBox(failed, QStringLiteral("Error"), MessageIcon::Error);
}

void TDisplayControl::vdPrint()
{
    const Drawing* drawing = ShownDrawing();
    if (!drawing)
        return;
    const QString failure = QStringLiteral("The picture could not be printed.");
    vdReportFailures(failure,
                     [&]
                     {
                         const PrintOutcome outcome =
                             PrintDrawing(this, *drawing, margin, PrintedAs());
                         if (outcome.bDone)
                             return QString();
                         if (outcome.unwritableFile.isEmpty())
                             return failure;
                         return QStringLiteral("The picture could not be printed: the file \"%1\" "
                                               "could not be written.")
                             .arg(outcome.unwritableFile);
                     });
}

void TDisplayControl::vdClipboard(const std::function<QString()>& text)
{
    const Drawing* drawing = ShownDrawing();
    if (!drawing)
        return;
    vdReportFailures(QStringLiteral("The picture could not be copied to the clipboard."),
                     [&]
                     {
                         // The text of a long table takes a while too: the form is up first.
                         const ProgressShown<TCopyingDialog> progress(this);
                         const WaitCursor hourglass;
                         const QString copied = text ? text() : QString();
                         std::unique_ptr<QMimeData> data = DrawingMimeData(
                             *drawing, CopyPictureSize(*drawing, limited ? plotPictureLimit : 0));
                         if (!copied.isEmpty())
                             data->setText(copied);
                         QGuiApplication::clipboard()->setMimeData(data.release());
                         return QString();
                     });
}

} // namespace Brosquin
