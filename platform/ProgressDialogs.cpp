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
#include <QVBoxLayout>

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

void vdShowAndPaint(TPleaseWaitDialog* form)
{
    form->show();
    // The frame is known once the form is shown; it is centred before it is first painted.
    const QScreen* screen = form->screen() ? form->screen() : QGuiApplication::primaryScreen();
    if (screen)
        form->move(form->pos() + screen->availableGeometry().center() -
                   form->frameGeometry().center());
    // Let the window system map the form, then paint it before the work blocks the loop.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
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
        // Centred on the screen before it is first shown, so that nothing is drawn twice.
        form->adjustSize();
        if (const QScreen* screen = QGuiApplication::primaryScreen())
        {
            QRect place(QPoint(), form->size());
            place.moveCenter(screen->availableGeometry().center());
            form->move(place.topLeft());
        }
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
