#include "platform/ApplicationPrinter.h"

#include <QCoreApplication>
#include <QPrinter>

namespace Brosquin
{

namespace
{

QPrinter* printer = nullptr;

void vdDeletePrinter()
{
    delete printer;
    printer = nullptr;
}

} // namespace

QPrinter& ApplicationPrinter()
{
    if (!printer)
    {
        printer = new QPrinter(QPrinter::HighResolution);
        qAddPostRoutine(vdDeletePrinter);
    }
    return *printer;
}

} // namespace Brosquin
