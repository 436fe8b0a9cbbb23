#include "app/QtSettingsStore.h"
#include "tests/app/AppTest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <sys/stat.h>

namespace Brosquin
{
namespace
{

using QtSettingsStoreTest = AppTest;

TEST_F(QtSettingsStoreTest, KeepsTheUsersSettingsUnderBrosquinVeltrame)
{
    {
        QtSettingsStore store;
        store.vdWriteText("AQL Probability", "0.99");
        store.vdWriteInteger("LTPD Symbol", 1);
        store.vdWriteBool("Display Tabs Bottom", false);
        EXPECT_TRUE(store.Flush());
    }
    QSettings stored = StoredSettings();
    EXPECT_TRUE(stored.fileName().startsWith(settingsFolder.path()));
    EXPECT_EQ(stored.value("AQL Probability").toString(), "0.99");
    EXPECT_EQ(stored.value("LTPD Symbol").toInt(), 1);
    EXPECT_EQ(stored.value("Display Tabs Bottom").toBool(), false);

    QtSettingsStore store;
    EXPECT_EQ(store.ReadText("AQL Probability"), "0.99");
    EXPECT_EQ(store.ReadInteger("LTPD Symbol"), 1);
    EXPECT_EQ(store.ReadBool("Display Tabs Bottom"), false);
}

TEST_F(QtSettingsStoreTest, ReadsValuesAsTheSettingsFileHoldsThem)
{
    const QString file = settingsFolder.filePath(QStringLiteral("Brosquin/Veltrame.conf"));
    {
        QFile ini(file);
        QDir().mkpath(QFileInfo(file).path());
        ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
        ini.write("[General]\n"
                  "Display%20Tabs%20Bottom=false\n"
                  "LTPD%20Symbol=3\n"
                  "Units%20Defectives=2x\n"
                  "Units%20Defects=99999999999\n"
                  "Tool%20Bar%20Visible=1\n"
                  "1=\"/home/q/lots, 2024.vlx\"\n"
                  "2=a, b\n");
    }
    QtSettingsStore store;
    EXPECT_EQ(store.ReadBool("Display Tabs Bottom"), false);
    EXPECT_EQ(store.ReadInteger("LTPD Symbol"), 3);
    EXPECT_EQ(store.ReadInteger("Units Defectives"), std::nullopt) << "not a whole number";
    EXPECT_EQ(store.ReadInteger("Units Defects"), std::nullopt) << "beyond the integer range";
    EXPECT_EQ(store.ReadBool("Tool Bar Visible"), true);
    EXPECT_EQ(store.ReadText("1"), "/home/q/lots, 2024.vlx");
    EXPECT_EQ(store.ReadText("2"), std::nullopt) << "a list is not a text";
    EXPECT_EQ(store.ReadText("3"), std::nullopt);
    EXPECT_EQ(store.ReadBool("LTPD Symbol"), true) << "an integer reads as a flag";
    EXPECT_EQ(store.ReadBool("1"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, TextsWithCommasAndQuotesReadBackUnchanged)
{
    const std::string path = "/home/q/\"odd\", name=1;.vlx";
    {
        QtSettingsStore store;
        store.vdWriteText("1", path);
    }
    QtSettingsStore store;
    EXPECT_EQ(store.ReadText("1"), path);
    store.vdRemove("1");
    store.vdRemove("2");
    EXPECT_EQ(store.ReadText("1"), std::nullopt);
}

TEST_F(QtSettingsStoreTest, ANamedPipeInPlaceOfTheSettingsFileIsNotOpened)
{
    for (const char* name : {"Brosquin/Veltrame.conf", "Brosquin.conf"})
    {
        const QString pipe = settingsFolder.filePath(QLatin1String(name));
        QDir().mkpath(settingsFolder.filePath(QStringLiteral("Brosquin")));
        ASSERT_EQ(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0) << name;
        {
            // Opening the pipe would wait for a writer that never comes.
            QtSettingsStore store;
            EXPECT_EQ(store.ReadBool("Display Tabs Bottom"), std::nullopt) << name;
            store.vdWriteInteger("LTPD Symbol", 1);
            EXPECT_FALSE(store.Flush()) << name;
        }
        EXPECT_FALSE(QFileInfo(pipe).isFile()) << "left as it was";
        ASSERT_TRUE(QFile::remove(pipe));
    }
    QtSettingsStore store;
    store.vdWriteInteger("LTPD Symbol", 1);
    EXPECT_TRUE(store.Flush());
    EXPECT_EQ(store.ReadInteger("LTPD Symbol"), 1);
}

TEST_F(QtSettingsStoreTest, AWriteThatCannotLastIsReported)
{
    // A file stands where the settings folder would be made.
    QFile blocker(settingsFolder.filePath(QStringLiteral("Brosquin")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QtSettingsStore store;
    store.vdWriteInteger("LTPD Symbol", 1);
    EXPECT_FALSE(store.Flush());
}

} // namespace
} // namespace Brosquin
