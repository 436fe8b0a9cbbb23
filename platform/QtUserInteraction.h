#pragma once

#include "platform/UserInteraction.h"

#include <QPointer>

namespace Brosquin
{

class HelpWindow;

// The real dialogs, message boxes, help window and browser.
class QtUserInteraction : public UserInteraction
{
public:
    // The help topic of Print Setup.
    static constexpr int kPrintingHelpContext = 70;

    QtUserInteraction();
    ~QtUserInteraction() override;

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
    HelpWindow& Help();

    QString helpFolder;
    QPointer<HelpWindow> pHelpWindow;
};

} // namespace Brosquin
