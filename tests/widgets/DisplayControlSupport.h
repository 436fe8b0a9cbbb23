#pragma once

#include "tests/platform/OutputSupport.h"

#include <QApplication>
#include <QMenu>
#include <QMouseEvent>
#include <QWidget>
#include <gtest/gtest.h>

namespace Brosquin
{

inline void vdSendMouse(QWidget& widget, QEvent::Type type, QPoint pixel,
                        Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : button;
    QMouseEvent event(type, QPointF(pixel), widget.mapToGlobal(QPointF(pixel)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

inline void vdClick(QWidget& widget, QPoint pixel, Qt::MouseButton button = Qt::LeftButton)
{
    vdSendMouse(widget, QEvent::MouseButtonPress, pixel, button);
    vdSendMouse(widget, QEvent::MouseButtonRelease, pixel, button);
}

// The events a window system sends for a double click.
inline void vdDoubleClick(QWidget& widget, QPoint pixel)
{
    vdClick(widget, pixel);
    vdSendMouse(widget, QEvent::MouseButtonDblClick, pixel);
    vdSendMouse(widget, QEvent::MouseButtonRelease, pixel);
}

inline void vdMoveMouse(QWidget& widget, QPoint pixel)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(pixel), widget.mapToGlobal(QPointF(pixel)),
                      Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// A component in a container without a layout, as on the evaluation window's tab pages. The
// container's font has a character height of 10 pixels, so one world unit is 12 pixels at 100 %.
template <class Control> class DisplayControlTest : public testing::Test
{
protected:
    QWidget container;
    Control* control = nullptr;

    void vdShowInContainer(int width, int height)
    {
        QFont font = container.font();
        font.setPixelSize(10);
        container.setFont(font);
        container.resize(width, height);
        control = new Control(&container);
        container.show();
        ASSERT_DOUBLE_EQ(control->dLineHeight(), 12);
    }
};

// The item of a menu or of one of its submenus with this caption, or null.
inline QAction* MenuItem(const QMenu& menu, const QString& caption)
{
    for (QAction* item : menu.actions())
    {
        if (item->text() == caption)
            return item;
        if (item->menu())
            if (QAction* inner = MenuItem(*item->menu(), caption))
                return inner;
    }
    return nullptr;
}

// device = world * scale + offset, as a drawing of the given bounds is fitted into a rectangle
// on a device with square pixels: as large as fits, centred along the axis with room to spare.
struct FittedMapping
{
    double sx, ox, sy, oy;
    QPoint Pixel(double x, double y) const
    {
        return QPoint(static_cast<int>(x * sx + ox), static_cast<int>(y * sy + oy));
    }
};

inline FittedMapping Fitted(double boundLeft, double boundTop, double boundRight,
                            double boundBottom, double left, double top, double right,
                            double bottom)
{
    const double scale = std::min((right - left) / (boundRight - boundLeft),
                                  (bottom - top) / (boundBottom - boundTop));
    const double spareX = (right - left) - scale * (boundRight - boundLeft);
    const double spareY = (bottom - top) - scale * (boundBottom - boundTop);
    return {scale, left + spareX / 2 - boundLeft * scale, scale,
            top + spareY / 2 - boundTop * scale};
}

} // namespace Brosquin
