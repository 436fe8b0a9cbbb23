#pragma once

#include "graphics/DisplaySize.h"
#include "platform/DrawingOutput.h"

#include <QCursor>
#include <QPoint>
#include <QWidget>

#include <array>
#include <cstdint>
#include <functional>

class QAction;
class QMenu;

namespace Brosquin
{

class Drawing;
class DrawingObject;

// What the two display components share: a Drawing shown fitted into the client area or at a
// fixed size, a margin, the popup menu of sizes, printing and copying, and the mouse-down pixel.
// One world unit is one line of the component's font at 100 %.
class TDisplayControl : public QWidget
{
public:
    ~TDisplayControl() override;
    TDisplayControl(const TDisplayControl&) = delete;
    TDisplayControl& operator=(const TDisplayControl&) = delete;

    // The Drawing shown, or null; owned by the component.
    virtual Drawing* ShownDrawing() const = 0;

    SizeMode Size() const { return sizeMode; }
    double Margin() const { return margin; }
    // Pixels of one world unit at 100 %.
    double dLineHeight() const { return lineHeight; }
    // The owner attaches this menu as the context menu of the container that holds the
    // component; the component does not attach it itself.
    QMenu* PopupMenu() const { return popupMenu; }

    // Raised with the component as sender when its size mode changes.
    std::function<void(QObject* sender)> OnChange;

    void vdSetSizeMode(SizeMode mode);
    // A margin that is not a finite number of pixels, zero or more, is ignored.
    void vdSetMargin(double pixels);
    void vdSizeToFit() { vdSetSizeMode(SizeMode::SizeToFit); }
    void vdFixedSizeNormal() { vdSetSizeMode(SizeMode::FixedSizeNormal); }
    void vdSize50() { vdSetSizeMode(SizeMode::Size50); }
    void vdSize75() { vdSetSizeMode(SizeMode::Size75); }
    void vdSize100() { vdSetSizeMode(SizeMode::Size100); }
    void vdSize125() { vdSetSizeMode(SizeMode::Size125); }
    void vdSize150() { vdSetSizeMode(SizeMode::Size150); }
    void vdSize175() { vdSetSizeMode(SizeMode::Size175); }
    void vdSize200() { vdSetSizeMode(SizeMode::Size200); }
    void vdSize250() { vdSetSizeMode(SizeMode::Size250); }
    void vdSize300() { vdSetSizeMode(SizeMode::Size300); }
    void vdSize400() { vdSetSizeMode(SizeMode::Size400); }

    // Prints the Drawing on the application's printer, fitted within the margin (taken as
    // printer pixels): a plot whole on one page, a table at a readable size. A failure is shown
    // to the user; nothing without a Drawing.
    void vdPrint();
    // Puts the Drawing on the clipboard as SVG and PNG in one go, under the "Copying ..." form,
    // together with the text that `text` gives (a table copies its tab-separated text with its
    // picture), built under the form too. A failure is shown to the user; nothing without a
    // Drawing.
    void vdClipboard(const std::function<QString()>& text = nullptr);
    // The popup menu's Copy to Clipboard runs copy in place of vdClipboard, for an owner that
    // copies more than the picture.
    void vdSetCopyAction(const std::function<void()>& copy);

protected:
    // limited: the fixed size and the copied picture are held to plotPictureLimit pixels.
    TDisplayControl(QWidget* owner, bool limited);

    // The client size of the current fixed size mode.
    PixelSize FixedSize() const;
    // Applies the current size mode: fills the parent, or takes the fixed size at the top left.
    void vdLayOut();
    // In a fixed size, lays the component out again when the Drawing's size has changed.
    void vdLayOutWhenResized();
    // Adds the two red diagonals over the bounds of the Drawing and repaints.
    void vdCrossOut();
    // The object at the remembered mouse-down pixel and the world point there; null when there is
    // no Drawing, no remembered pixel or no object.
    DrawingObject* ObjectAtMouseDown(double* x, double* y) const;
    bool bMouseDownRemembered() const { return mouseDown.x() != -1; }
    // Whether moving over an object with an ID shows the hand-point cursor.
    virtual bool bPointsAtObjects() const { return true; }
    virtual PrintFit PrintedAs() const = 0;

    virtual void vdMouseClick() = 0;
    virtual void vdMouseDoubleClick() = 0;

    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DrawingObject* ObjectAtPixel(QPoint pixel, double* x, double* y) const;
    void vdBuildPopupMenu();
    void vdUpdateChecks();
    void vdWatchParent();
    void vdFillParent();
    void vdRememberPress(const QMouseEvent& event);
    // Runs a printing or copying job, which answers what went wrong (empty when nothing did);
    // that, or the failure given for an exception it throws, is shown to the user after its
    // progress form and the hourglass are gone.
    void vdReportFailures(const QString& failure, const std::function<QString()>& job);

    const bool limited;
    SizeMode sizeMode = SizeMode::SizeToFit;
    double margin = 0;
    double lineHeight;
    QCursor savedCursor;
    // -1, -1 after any button but the left one.
    QPoint mouseDown{-1, -1};
    // A left press whose release is a click.
    bool clickPending = false;
    QWidget* watchedParent = nullptr;

    QMenu* popupMenu;
    QAction* sizeToFitItem = nullptr;
    QAction* fixedSizeNormalItem = nullptr;
    QAction* fixedSizeCustomItem = nullptr;
    QAction* copyItem = nullptr;
    std::array<QAction*, 10> percentItems{};
};

} // namespace Brosquin
