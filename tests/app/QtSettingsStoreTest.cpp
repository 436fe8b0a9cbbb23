#include "app/QtSettingsStore.h"
#include "tests/app/AppTest.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLockFile>
#include <QSysInfo>
#include <algorithm>
#include <optional>
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

// The program writes a few kilobytes; a file beyond 1 MiB is no settings file of its own, and
// reading one of a gigabyte would take seconds and twice its size in memory.
TEST_F(QtSettingsStoreTest, ASettingsFileFarLargerThanTheProgramWritesIsNotRead)
{
    constexpr qint64 largest = 1024 * 1024;
    const QByteArray start = "[General]\nLTPD%20Symbol=3\n";
    for (const char* name : {"Brosquin/Veltrame.conf", "Brosquin.conf"})
        for (const qint64 size : {largest, largest + 1, qint64{1} << 30})
        {
            const QString file = settingsFolder.filePath(QLatin1String(name));
            QDir().mkpath(settingsFolder.filePath(QStringLiteral("Brosquin")));
            {
                QFile ini(file);
                ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
                ini.write(start);
                // Blank lines up to the bound; beyond it, a hole that takes no disk.
                ini.write(QByteArray(std::min(size, largest) - start.size(), '\n'));
                ASSERT_TRUE(ini.resize(size));
            }
            {
                // The organisation's file is read, though none of its values is taken.
                QtSettingsStore store;
                const bool own = QLatin1String(name) == "Brosquin/Veltrame.conf";
                EXPECT_EQ(store.ReadInteger("LTPD Symbol"),
                          own && size <= largest ? std::optional(3) : std::nullopt)
                    << name << " " << size;
                store.vdWriteInteger("Tool Bar Visible", 0);
                EXPECT_EQ(store.Flush(), size <= largest) << name << " " << size;
            }
            EXPECT_EQ(QFileInfo(file).size(), size <= largest ? QFileInfo(file).size() : size)
                << "left as it was";
            ASSERT_TRUE(QFile::remove(file));
            QFile::remove(settingsFolder.filePath(QStringLiteral("Brosquin/Veltrame.conf")));
        }
}

// A writer killed while it held the lock leaves the lock file behind: empty when it was killed
// before it wrote its owner in, naming a running program when its process number was taken
// again. Nobody holds such a lock, and the next write takes it at once.
TEST_F(QtSettingsStoreTest, ALockThatNobodyHoldsIsTakenAtOnce)
{
    const QString file = settingsFolder.filePath(QStringLiteral("Brosquin/Veltrame.conf"));
    const QString lock = file + QStringLiteral(".lock");
    QDir().mkpath(QFileInfo(file).path());
    const QByteArray thisProgram =
        QByteArray::number(QCoreApplication::applicationPid()) + "\n" +
        QFileInfo(QCoreApplication::applicationFilePath()).fileName().toUtf8() + "\n" +
        QSysInfo::machineHostName().toUtf8() + "\n";
    for (const QByteArray& owner : {QByteArray(), thisProgram})
    {
        {
            QFile left(lock);
            ASSERT_TRUE(left.open(QIODevice::WriteOnly));
            left.write(owner);
        }
        QtSettingsStore store;
        store.vdWriteInteger("LTPD Symbol", 2);
        EXPECT_FALSE(QFileInfo::exists(lock)) << owner.toStdString();
        EXPECT_TRUE(store.Flush());
        EXPECT_EQ(StoredSettings().value("LTPD Symbol").toInt(), 2);
    }

    // A lock that its writer holds stays until the writer lets it go.
    QLockFile held(lock);
    ASSERT_TRUE(held.tryLock());
    QtSettingsStore store;
    store.vdWriteInteger("LTPD Symbol", 1);
    EXPECT_TRUE(QFileInfo::exists(lock));
    held.unlock();
    EXPECT_TRUE(store.Flush());
    EXPECT_EQ(StoredSettings().value("LTPD Symbol").toInt(), 1);
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
