#include "platform/UserInteraction.h"

#include "platform/QtUserInteraction.h"

#include <QGuiApplication>
#include <algorithm>
#include <vector>

namespace Brosquin
{

namespace
{

std::vector<UserInteraction*>& Installed()
{
    static std::vector<UserInteraction*> installed;
    return installed;
}

} // namespace

UserInteraction& UserInteraction::Current()
{
    if (!Installed().empty())
        return *Installed().back();
    static QtUserInteraction real;
    return real;
}

void UserInteraction::vdInstall()
{
    Installed().push_back(this);
}

void UserInteraction::vdUninstall()
{
    auto& installed = Installed();
    installed.erase(std::remove(installed.begin(), installed.end(), this), installed.end());
}

MessageAnswer UserInteraction::MessageBox(const QString& text, const QString& caption,
                                          MessageIcon icon, MessageButtons buttons)
{
    MessageRequest request;
    request.caption = caption.isEmpty() ? QGuiApplication::applicationDisplayName() : caption;
    request.text = text;
    request.icon = icon;
    request.buttons = buttons;
    return AnswerMessage(request);
}

} // namespace Brosquin
