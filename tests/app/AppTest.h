#pragma once

#include "app/StartUp.h"
#include "plans/DefectivesSamplingPlan.h"
#include "plans/DefectsPerUnitSamplingPlan.h"
#include "plans/SamplingPlanDefinitions.h"
#include "tests/support/ScriptedUserInteraction.h"

#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <ostream>

// Failures show texts as text.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace Brosquin
{

// Each test starts the application's set-up with the user's settings in a folder of its own
// and a scripted user who answers every question.
class AppTest : public testing::Test
{
protected:
    void TearDown() override { SamplingPlanDefinitions::vdReset(); }

    void SetUp() override
    {
        ASSERT_TRUE(settingsFolder.isValid());
        SamplingPlanDefinitions::vdReset();
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsFolder.path());
        vdSetUpApplication();
    }

    // The user's settings file as another program would see it.
    QSettings StoredSettings() const
    {
        return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brosquin"),
                         QStringLiteral("Veltrame"));
    }

    // The texts of the messages shown so far.
    QStringList MessageTexts() const
    {
        QStringList texts;
        for (const MessageRequest& message : user.Messages())
            texts.append(message.text);
        return texts;
    }

    QTemporaryDir settingsFolder;
    ScriptedUserInteraction user;
};

} // namespace Brosquin
