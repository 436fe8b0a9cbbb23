#include "app/NotAvailable.h"

#include "platform/UserInteraction.h"

namespace Brosquin
{

void vdShowNotAvailable(const QString& command)
{
    QString name = command;
    name.remove(QLatin1Char('&'));
    if (name.endsWith(QLatin1String("...")))
        name.chop(3);
    UserInteraction::Current().MessageBox(name +
                                              QStringLiteral(" is not available in this version."),
                                          QString(), MessageIcon::Information);
}

} // namespace Brosquin
