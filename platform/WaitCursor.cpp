#include "platform/WaitCursor.h"

#include <QCursor>
#include <QGuiApplication>

namespace Brosquin
{

WaitCursor::WaitCursor()
{
    QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

WaitCursor::~WaitCursor()
{
    QGuiApplication::restoreOverrideCursor();
}

} // namespace Brosquin
