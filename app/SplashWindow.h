#pragma once

#include <QFrame>

class QLabel;
class QTimer;

namespace Brosquin
{

// The window shown first at start-up: the program's picture, name and version, with no caption
// bar, above the other windows. It closes and deletes itself at the first timer event after
// kShowMilliseconds, which the message loop delivers once start-up is over; the user cannot
// close it.
class TSplashWindow : public QFrame
{
public:
    static constexpr int kShowMilliseconds = 1500;

    TSplashWindow();

    void Timer1Timer();

    QLabel* Image1;
    QLabel* Label1;
    QLabel* Label2;
    QTimer* Timer1;
};

} // namespace Brosquin
