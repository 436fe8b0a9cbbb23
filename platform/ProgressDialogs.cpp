#include "platform/ProgressDialogs.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <QVBoxLayout>
#include <QWindow>

#include <algorithm>
#include <cmath>

namespace Brosquin
{

namespace
{

// The forms were laid out at 120 pixels per inch; these are their sizes at 96.
constexpr int pictureSide = 48;
constexpr int labelPixelSize = 16;

// A 16 x 16 icon painted by the caller, shown enlarged with its pixels kept square.
// The printer keeps to the 16 colours of a 4-bit picture; the clipboard may use any.
QPixmap Picture(void (*paint)(QPainter&))
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    paint(painter);
    painter.end();
    return QPixmap::fromImage(
        image.scaled(pictureSide, pictureSide, Qt::KeepAspectRatio, Qt::FastTransformation));
}

void vdPaintPrinter(QPainter& painter)
{
    painter.fillRect(4, 1, 8, 5, Qt::white);
    painter.fillRect(1, 6, 14, 6, QColor(0x80, 0x80, 0x80));
    painter.fillRect(2, 7, 12, 1, QColor(0xC0, 0xC0, 0xC0));
    painter.fillRect(12, 9, 2, 1, QColor(0x00, 0xFF, 0x00));
    painter.fillRect(4, 10, 8, 5, Qt::white);
    painter.fillRect(5, 12, 6, 1, Qt::black);
}

void vdPaintClipboard(QPainter& painter)
{
    painter.fillRect(2, 2, 12, 14, QColor(0xA0, 0x60, 0x20));
    painter.fillRect(4, 4, 8, 10, Qt::white);
    painter.fillRect(5, 1, 6, 3, QColor(0x80, 0x80, 0x80));
    for (int y = 6; y <= 12; y += 2)
        painter.fillRect(5, y, 6, 1, QColor(0x00, 0x00, 0x80));
}

} // namespace

TPleaseWaitDialog::TPleaseWaitDialog(QWidget* owner, const QString& caption, const QPixmap& picture)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Image1(new QLabel(this)), Label1(new QLabel(QStringLiteral("Please Wait!"), this))
{
    setWindowTitle(caption);
    setModal(false);
    Image1->setPixmap(picture);
    Image1->setFixedSize(pictureSide, pictureSide);
    QFont font = Label1->font();
    font.setPixelSize(labelPixelSize);
    Label1->setFont(font);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(13, 6, 13, 6);
    layout->setSpacing(26);
    layout->addWidget(Image1);
    layout->addWidget(Label1);
    setFixedSize(sizeHint().expandedTo(QSize(198, 64)));
}

TCopyingDialog::TCopyingDialog(QWidget* owner)
    : TPleaseWaitDialog(owner, QStringLiteral("Copying ..."), Picture(vdPaintClipboard))
{
}

TPrintingDialog::TPrintingDialog(QWidget* owner)
    : TPleaseWaitDialog(owner, QStringLiteral("Printing ..."), Picture(vdPaintPrinter))
{
}

namespace
{

// The longest wait for the window system to put a shown form on the screen; past it the work
// starts all the same.
constexpr qint64 exposeWait = 1000;

bool IsExposed(const QWidget& form)
{
    const QWindow* window = form.windowHandle();
    return window && window->isExposed();
}

// The frame a window manager gives a top-level window, as it gave the owner's window; none
// where the owner has no frame.
QMargins FrameOf(const QWidget* owner)
{
    const QWidget* window = owner ? owner->window() : nullptr;
    if (!window || !window->isVisible())
        return {};
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {client.left() - frame.left(), client.top() - frame.top(),
            frame.right() - client.right(), frame.bottom() - client.bottom()};
}

// Centred on the screen, frame and all, before it is first shown: a form moved once it is on
// the screen leaves its first place unpainted while the work blocks the loop.
void vdCentreBeforeShowing(QWidget& form, const QWidget* owner)
{
    const QScreen* screen = form.screen() ? form.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // A window's position is that of its frame.
    QRect frame(QPoint(), form.size().grownBy(FrameOf(owner)));
    frame.moveCenter(screen->availableGeometry().center());
    form.move(frame.topLeft());
}

} // namespace

void vdShowAndPaint(TPleaseWaitDialog* form)
{
    vdCentreBeforeShowing(*form, form->parentWidget());
    form->show();
    // A window manager maps the form in its own time, and a paint before that reaches nothing:
    // the form waits for the screen, then is painted there before the work blocks the loop.
    QElapsedTimer clock;
    clock.start();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    while (!IsExposed(*form) && clock.elapsed() < exposeWait)
    {
        QThread::msleep(1);
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    form->repaint();
}

void vdCloseAndDelete(TPleaseWaitDialog* form)
{
    if (!form)
        return;
    form->close();
    delete form;
}

namespace
{

// Steps of the bar, and the least time between two updates of a shown form.
constexpr int barSteps = 1000;
constexpr qint64 updateEvery = 50;

} // namespace

TWorkProgressDialog::TWorkProgressDialog(QWidget* owner, const WorkProgressRequest& request)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      Label1(new QLabel(request.text, this)), ProgressBar1(new QProgressBar(this)),
      CancelButton(new QPushButton(QStringLiteral("Cancel"), this))
{
    setWindowTitle(request.caption);
    ProgressBar1->setRange(0, barSteps);
    ProgressBar1->setValue(0);
    ProgressBar1->setMinimumWidth(300);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    layout->addWidget(ProgressBar1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(CancelButton);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    connect(CancelButton, &QPushButton::clicked, this, &TWorkProgressDialog::reject);
}

void TWorkProgressDialog::reject()
{
    bCancelled = true;
    CancelButton->setEnabled(false);
}

ShownWorkProgress::ShownWorkProgress(const WorkProgressRequest& request, int showAfter)
    : request(request), showAfter(showAfter)
{
    clock.start();
}

ShownWorkProgress::~ShownWorkProgress()
{
    if (bArrowShown)
        QGuiApplication::restoreOverrideCursor();
    if (!form)
        return;
    form->close();
    delete form.data();
}

bool ShownWorkProgress::Continues(double fraction)
{
    const qint64 now = clock.elapsed();
    if (!form && now >= showAfter)
    {
        form = new TWorkProgressDialog(QApplication::activeWindow(), request);
        form->setWindowModality(Qt::ApplicationModal);
        // Over the hourglass of the work, the arrow: the form answers its Cancel button.
        QGuiApplication::setOverrideCursor(QCursor(Qt::ArrowCursor));
        bArrowShown = true;
        form->adjustSize();
        vdCentreBeforeShowing(*form, form->parentWidget());
        form->show();
        lastUpdate = now - updateEvery;
    }
    if (form && now - lastUpdate >= updateEvery)
    {
        lastUpdate = now;
        form->ProgressBar1->setValue(
            static_cast<int>(std::lround(std::clamp(fraction, 0.0, 1.0) * barSteps)));
        // Only the modal form takes input meanwhile.
        QCoreApplication::processEvents();
        bCancelled = bCancelled || !form;
    }
    bCancelled = bCancelled || (form && form->Cancelled());
    return !bCancelled;
}

} // namespace Brosquin
