#include "app/SplashWindow.h"

#include "app/ProductPicture.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>
#include <QVBoxLayout>

namespace Brosquin
{

TSplashWindow::TSplashWindow()
    : QFrame(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      Image1(new QLabel(this)), Label1(NewProductLabel(QStringLiteral("Veltrame"), 30, true, this)),
      Label2(NewProductLabel(QStringLiteral("Version 2.0"), 20, true, this)),
      Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("SplashWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    Image1->setPixmap(ProductPicture(QSize(248, 208)));
    Image1->setAlignment(Qt::AlignHCenter);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 40, 0, 40);
    layout->addWidget(Image1);
    layout->addStretch();
    layout->addWidget(Label1);
    layout->addWidget(Label2);
    setFixedSize(487, 423);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // Never early: the user reads the window for its full time.
    Timer1->setTimerType(Qt::PreciseTimer);
    Timer1->setSingleShot(true);
    Timer1->setInterval(kShowMilliseconds);
    connect(Timer1, &QTimer::timeout, this, &TSplashWindow::Timer1Timer);
    Timer1->start();
}

void TSplashWindow::Timer1Timer()
{
    close();
}

} // namespace Brosquin
