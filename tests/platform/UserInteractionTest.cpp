#include "platform/ScriptedUserInteraction.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

TEST(ScriptedUserInteraction, AnswersFromItsQueueAndRecordsWhatWasAsked)
{
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Veltrame"));
    ScriptedUserInteraction user;
    EXPECT_EQ(&UserInteraction::Current(), &user);
    user.vdQueueAnswer(MessageAnswer::Yes);
    EXPECT_EQ(UserInteraction::Current().MessageBox("Go on?", "Warning", MessageIcon::Question,
                                                    MessageButtons::YesNoCancel),
              MessageAnswer::Yes);
    EXPECT_EQ(UserInteraction::Current().MessageBox("Done."), MessageAnswer::Ok);
    ASSERT_EQ(user.Messages().size(), 2u);
    EXPECT_EQ(user.Messages()[0].caption, "Warning");
    EXPECT_EQ(user.Messages()[0].icon, MessageIcon::Question);
    EXPECT_EQ(user.Messages()[1].caption, "Veltrame") << "the title is the default caption";
    EXPECT_EQ(user.Messages()[1].icon, MessageIcon::Exclamation);
    EXPECT_EQ(user.Messages()[1].buttons, MessageButtons::Ok);
}

TEST(ScriptedUserInteraction, UnansweredQuestionsGetTheirCancellingAnswer)
{
    ScriptedUserInteraction user;
    UserInteraction& current = UserInteraction::Current();
    EXPECT_EQ(current.MessageBox("?", {}, MessageIcon::Question, MessageButtons::YesNoCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(current.MessageBox("?", {}, MessageIcon::Question, MessageButtons::OkCancel),
              MessageAnswer::Cancel);
    EXPECT_EQ(current.MessageBox("?", {}, MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(current.OpenFileName({"Open File", "*.vlx", "Veltrame files (*.vlx)", "vlx"}),
              std::nullopt);
}

TEST(ScriptedUserInteraction, AnswersFileDialogsInTurn)
{
    ScriptedUserInteraction user;
    user.vdQueueFileName(QStringLiteral("/tmp/a.vlx"));
    user.vdQueueFileName(std::nullopt);
    const FileDialogRequest save{"Save File", "*.vlx", "Veltrame (*.vlx)", "vlx"};
    EXPECT_EQ(UserInteraction::Current().SaveFileName(save), QStringLiteral("/tmp/a.vlx"));
    EXPECT_EQ(UserInteraction::Current().OpenFileName(save), std::nullopt);
    ASSERT_EQ(user.FileDialogs().size(), 2u);
    EXPECT_EQ(user.FileDialogs()[0].kind, ScriptedUserInteraction::FileDialogKind::Save);
    EXPECT_EQ(user.FileDialogs()[0].request.title, "Save File");
    EXPECT_EQ(user.FileDialogs()[1].kind, ScriptedUserInteraction::FileDialogKind::Open);
}

TEST(ScriptedUserInteraction, InstallsUntilDestroyedInAnyOrder)
{
    auto outer = std::make_unique<ScriptedUserInteraction>();
    auto inner = std::make_unique<ScriptedUserInteraction>();
    EXPECT_EQ(&UserInteraction::Current(), inner.get());
    outer.reset();
    EXPECT_EQ(&UserInteraction::Current(), inner.get());
    inner.reset();
    ScriptedUserInteraction last;
    EXPECT_EQ(&UserInteraction::Current(), &last);
    UserInteraction::Current().vdShowHelpTopic(100);
    UserInteraction::Current().vdRunHelpCommand(HelpCommand::PartialKey, "AOQ");
    UserInteraction::Current().vdOpenWebAddress(QUrl("https://example.org/"));
    ASSERT_EQ(last.HelpRequests().size(), 2u);
    EXPECT_EQ(last.HelpRequests()[0].context, 100);
    EXPECT_EQ(last.HelpRequests()[1].command, HelpCommand::PartialKey);
    EXPECT_EQ(last.HelpRequests()[1].key, "AOQ");
    EXPECT_EQ(last.WebAddresses().size(), 1u);
}

} // namespace
} // namespace Brosquin
