#include "tests/support/ScriptedUserInteraction.h"

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
}

} // namespace
} // namespace Brosquin
