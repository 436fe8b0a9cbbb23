#pragma once

#include <QString>
#include <QUrl>
#include <memory>
#include <optional>

class QPrinter;

namespace Brosquin
{

enum class MessageIcon
{
    Information,
    Exclamation,
    Error,
    Question,
    None
};

enum class MessageButtons
{
    Ok,
    OkCancel,
    YesNo,
    YesNoCancel
};

enum class MessageAnswer
{
    Ok,
    Cancel,
    Yes,
    No
};

// What a message box shows: the caption is already resolved (never empty).
struct MessageRequest
{
    QString caption;
    QString text;
    MessageIcon icon = MessageIcon::Exclamation;
    MessageButtons buttons = MessageButtons::Ok;
};

// An open or save dialog; filter is a Qt name filter such as "Veltrame files (*.vlx)".
struct FileDialogRequest
{
    QString title;
    QString fileName;
    QString filter;
    QString defaultExtension;
};

// Long work that the person is shown the progress of and may stop: the caption and the text of
// what goes on.
struct WorkProgressRequest
{
    QString caption;
    QString text;
};

class WorkProgress
{
public:
    virtual ~WorkProgress() = default;
    // Told the share of the work done, from 0 to 1; false once the person has asked to stop it.
    virtual bool Continues(double fraction) = 0;
};

// The help commands the program gives, numbered like the commands of the Windows help engine
// whose place our own help window takes.
enum class HelpCommand : unsigned
{
    Contents = 3,
    HelpOnHelp = 4,
    PartialKey = 0x105
};

// Everything the program asks of the person in front of it goes through here, so that tests
// can answer without a person and check what was asked.
class UserInteraction
{
public:
    virtual ~UserInteraction() = default;

    // The implementation in force: the one installed last, else the real Qt one.
    static UserInteraction& Current();

    // An empty caption shows the application's title.
    MessageAnswer MessageBox(const QString& text, const QString& caption = QString(),
                             MessageIcon icon = MessageIcon::Exclamation,
                             MessageButtons buttons = MessageButtons::Ok);

    // The chosen path, or nothing when the person cancelled.
    virtual std::optional<QString> OpenFileName(const FileDialogRequest& request) = 0;
    virtual std::optional<QString> SaveFileName(const FileDialogRequest& request) = 0;

    // The printer setup dialog on the given printer; false when the person cancelled.
    virtual bool PrinterSetup(QPrinter& printer) = 0;

    // The folder (a resource folder such as ":/help" or a directory) that holds the help pages.
    virtual void vdSetHelpFile(const QString& folder) = 0;
    virtual void vdShowHelpTopic(int context) = 0;
    virtual void vdRunHelpCommand(HelpCommand command, const QString& key = QString()) = 0;

    // Opens the address in the user's browser without waiting; a failure is not reported.
    virtual void vdOpenWebAddress(const QUrl& address) = 0;

    // The progress of long work, shown with a Cancel button once the work has gone on for about
    // a second; it goes when the returned object does.
    virtual std::unique_ptr<WorkProgress> StartWork(const WorkProgressRequest& request) = 0;

protected:
    // Installs this implementation until it is destroyed; the one before comes back then.
    void vdInstall();
    void vdUninstall();

    virtual MessageAnswer AnswerMessage(const MessageRequest& request) = 0;
};

} // namespace Brosquin
