#include "platform/SharedIconStyle.h"

#include <QApplication>

namespace Brosquin
{

QIcon SharedIconStyle::standardIcon(StandardPixmap icon, const QStyleOption* option,
                                    const QWidget* widget) const
{
    // An option may ask for a state or a size of its own: such icons are not kept.
    if (option != nullptr)
        return QProxyStyle::standardIcon(icon, option, widget);
    const std::pair<int, bool> key(icon, QGuiApplication::isRightToLeft());
    auto found = icons.constFind(key);
    if (found == icons.constEnd())
        found = icons.insert(key, QProxyStyle::standardIcon(icon, option, widget));
    return *found;
}

void vdShareStandardIcons()
{
    if (dynamic_cast<SharedIconStyle*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new SharedIconStyle(QApplication::style()->name()));
}

} // namespace Brosquin
