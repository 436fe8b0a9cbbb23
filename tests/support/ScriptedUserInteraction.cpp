#include "tests/support/ScriptedUserInteraction.h"

#include <utility>

namespace Brosquin
{

ScriptedUserInteraction::ScriptedUserInteraction()
{
    vdInstall();
}

ScriptedUserInteraction::~ScriptedUserInteraction()
{
    vdUninstall();
}

void ScriptedUserInteraction::vdQueueAnswer(MessageAnswer answer)
{
    answers.push_back(answer);
}

void ScriptedUserInteraction::vdQueueFileName(const std::optional<QString>& path)
{
    fileNames.push_back(path.value_or(QString()));
}

void ScriptedUserInteraction::vdQueueWorkCancel(double atFraction)
{
    workCancels.push_back(atFraction);
}

void ScriptedUserInteraction::vdWhenShown(std::function<void(const MessageRequest&)> action)
{
    whenShown = std::move(action);
}

void ScriptedUserInteraction::vdClearRecords()
{
    messages.clear();
    works.clear();
    fileDialogs.clear();
    helpRequests.clear();
    webAddresses.clear();
    printerSetups = 0;
}

MessageAnswer ScriptedUserInteraction::AnswerMessage(const MessageRequest& request)
{
    messages.push_back(request);
    if (whenShown)
        whenShown(request);
    if (!answers.empty())
    {
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    switch (request.buttons)
    {
    case MessageButtons::Ok:
        return MessageAnswer::Ok;
    case MessageButtons::YesNo:
        return MessageAnswer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
        break;
    }
    return MessageAnswer::Cancel;
}

std::optional<QString> ScriptedUserInteraction::NextFileName(const FileDialogRequest& request)
{
    fileDialogs.push_back({request});
    if (fileNames.empty())
        return std::nullopt;
    const QString path = fileNames.front();
    fileNames.pop_front();
    if (path.isNull())
        return std::nullopt;
    return path;
}

std::optional<QString> ScriptedUserInteraction::OpenFileName(const FileDialogRequest& request)
{
    return NextFileName(request);
}

std::optional<QString> ScriptedUserInteraction::SaveFileName(const FileDialogRequest& request)
{
    return NextFileName(request);
}

bool ScriptedUserInteraction::PrinterSetup(QPrinter&)
{
    ++printerSetups;
    return false;
}

void ScriptedUserInteraction::vdSetHelpFile(const QString& folder)
{
    helpFolder = folder;
}

void ScriptedUserInteraction::vdShowHelpTopic(int context)
{
    helpRequests.push_back({context, std::nullopt, QString()});
}

void ScriptedUserInteraction::vdRunHelpCommand(HelpCommand command, const QString& key)
{
    helpRequests.push_back({0, command, key});
}

void ScriptedUserInteraction::vdOpenWebAddress(const QUrl& address)
{
    webAddresses.push_back(address);
}

std::unique_ptr<WorkProgress> ScriptedUserInteraction::StartWork(const WorkProgressRequest& request)
{
    // Records the reports in its entry of works, found by index: the vector may grow meanwhile.
    class Scripted : public WorkProgress
    {
    public:
        Scripted(std::vector<WorkRecord>& works, std::size_t index, std::optional<double> cancelAt)
            : works(works), index(index), cancelAt(cancelAt)
        {
        }
        bool Continues(double fraction) override
        {
            // Records cleared meanwhile leave the work to run.
            if (index >= works.size())
                return true;
            WorkRecord& record = works[index];
            ++record.reports;
            record.fraction = fraction;
            record.bCancelled = record.bCancelled || (cancelAt && fraction >= *cancelAt);
            return !record.bCancelled;
        }

    private:
        std::vector<WorkRecord>& works;
        std::size_t index;
        std::optional<double> cancelAt;
    };
    works.push_back({request});
    std::optional<double> cancelAt;
    if (!workCancels.empty())
    {
        cancelAt = workCancels.front();
        workCancels.pop_front();
    }
    return std::make_unique<Scripted>(works, works.size() - 1, cancelAt);
}

} // namespace Brosquin
