#pragma once

#include <QHash>
#include <QProxyStyle>

namespace Brosquin
{

// The application's style, handing out each standard icon asked for without a style option once
// loaded: every child window's title bar and system menu asks for the same few.
class SharedIconStyle : public QProxyStyle
{
public:
    // Over the style of that name.
    explicit SharedIconStyle(const QString& base) : QProxyStyle(base) {}

    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;

private:
    // By the icon and the layout direction it was drawn for.
    mutable QHash<std::pair<int, bool>, QIcon> icons;
};

// Makes SharedIconStyle the application's style, over the style it has.
void vdShareStandardIcons();

} // namespace Brosquin
