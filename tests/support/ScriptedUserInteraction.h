#pragma once

#include "platform/UserInteraction.h"

#include <deque>
#include <functional>
#include <vector>

namespace Brosquin
{

// Stands in for the person while it exists: answers message boxes and file dialogs from queued
// answers and records everything that was asked. A box with no queued answer gets its
// cancelling answer (No for Yes/No, Ok for a plain box), a file dialog with none is cancelled;
// long work runs to its end unless a cancel is queued for it.
class ScriptedUserInteraction : public UserInteraction
{
public:
    struct FileDialogRecord
    {
        FileDialogRequest request;
    };
    struct WorkRecord
    {
        WorkProgressRequest request;
        int reports = 0;       // of its progress
        double fraction = 0.0; // the last reported
        bool bCancelled = false;
    };
    struct HelpRecord
    {
        // A topic request has context > 0 and no command.
        int context = 0;
        std::optional<HelpCommand> command;
        QString key;
    };

    ScriptedUserInteraction();
    ~ScriptedUserInteraction() override;
    ScriptedUserInteraction(const ScriptedUserInteraction&) = delete;
    ScriptedUserInteraction& operator=(const ScriptedUserInteraction&) = delete;

    void vdQueueAnswer(MessageAnswer answer);
    void vdQueueFileName(const std::optional<QString>& path);
    // The next long work is cancelled at the first report of its progress that has come this
    // far (0 for the first report).
    void vdQueueWorkCancel(double atFraction);
    // Runs as each message box shows, before it is answered, to look at what the person sees
    // then; an empty action ends it.
    void vdWhenShown(std::function<void(const MessageRequest&)> action);

    const std::vector<MessageRequest>& Messages() const { return messages; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return fileDialogs; }
    const std::vector<HelpRecord>& HelpRequests() const { return helpRequests; }
    const std::vector<QUrl>& WebAddresses() const { return webAddresses; }
    const std::vector<WorkRecord>& Works() const { return works; }
    const QString& HelpFile() const { return helpFolder; }
    // Printer setups asked for; each is cancelled.
    int PrinterSetups() const { return printerSetups; }
    void vdClearRecords();

    std::optional<QString> OpenFileName(const FileDialogRequest& request) override;
    std::optional<QString> SaveFileName(const FileDialogRequest& request) override;
    bool PrinterSetup(QPrinter& printer) override;
    void vdSetHelpFile(const QString& folder) override;
    void vdShowHelpTopic(int context) override;
    void vdRunHelpCommand(HelpCommand command, const QString& key) override;
    void vdOpenWebAddress(const QUrl& address) override;
    std::unique_ptr<WorkProgress> StartWork(const WorkProgressRequest& request) override;

protected:
    MessageAnswer AnswerMessage(const MessageRequest& request) override;

private:
    std::optional<QString> NextFileName(const FileDialogRequest& request);

    std::deque<MessageAnswer> answers;
    std::function<void(const MessageRequest&)> whenShown;
    std::deque<QString> fileNames; // a null text stands for a cancelled dialog
    std::vector<MessageRequest> messages;
    std::vector<FileDialogRecord> fileDialogs;
    std::vector<HelpRecord> helpRequests;
    std::vector<QUrl> webAddresses;
    std::deque<double> workCancels;
    std::vector<WorkRecord> works;
    QString helpFolder;
    int printerSetups = 0;
};

} // namespace Brosquin
