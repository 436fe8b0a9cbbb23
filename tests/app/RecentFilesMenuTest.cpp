#include "app/RecentFilesMenu.h"
#include "tests/app/MemorySettingsStore.h"

#include <QAction>
#include <QMenu>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

// A File menu like the main window's: the entries go after the separator above "Exit".
class RecentFilesMenuTest : public testing::Test
{
protected:
    RecentFilesMenuTest()
    {
        menu.addAction(QStringLiteral("&New"));
        menu.addSeparator();
        menu.addAction(QStringLiteral("&Print"));
        anchor = menu.addSeparator();
        menu.addAction(QStringLiteral("E&xit"));
    }

    std::unique_ptr<RecentFilesMenu> Make()
    {
        return std::make_unique<RecentFilesMenu>(
            store, &menu, anchor, [this](const QString& path) { opened.append(path); });
    }

    // The menu's captions, "-" for a separator.
    QStringList Captions() const
    {
        QStringList captions;
        for (const QAction* action : menu.actions())
            captions.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        return captions;
    }

    MemorySettingsStore store;
    QMenu menu;
    QAction* anchor = nullptr;
    QStringList opened;
};

TEST_F(RecentFilesMenuTest, ShowsTheStoredFilesAfterTheAnchorWithASeparatorOfTheirOwn)
{
    store.values = {{"1", std::string("/data/a.vlx")},
                    {"2", std::string("/data/b&c.vlx")},
                    {"3", std::string()},
                    {"4", std::string("/data/d.vlx")}};
    const auto recent = Make();
    EXPECT_EQ(Captions(), (QStringList{"&New", "-", "&Print", "-", "&1 /data/a.vlx",
                                       "&2 /data/b&&c.vlx", "-", "E&xit"}));
    menu.actions().at(5)->trigger();
    EXPECT_EQ(opened, QStringList{"/data/b&c.vlx"});
}

TEST_F(RecentFilesMenuTest, AnEmptyListShowsNothing)
{
    const auto recent = Make();
    EXPECT_EQ(Captions(), (QStringList{"&New", "-", "&Print", "-", "E&xit"}));
    recent->vdSetCurrent(QStringLiteral("/data/a.vlx"));
    EXPECT_EQ(Captions(), (QStringList{"&New", "-", "&Print", "-", "E&xit"}))
        << "the current file is not an entry";
    recent->vdSetCurrent(QString());
    EXPECT_EQ(Captions(),
              (QStringList{"&New", "-", "&Print", "-", "&1 /data/a.vlx", "-", "E&xit"}));
    recent->vdRemove(QStringLiteral("/data/a.vlx"));
    EXPECT_EQ(Captions(), (QStringList{"&New", "-", "&Print", "-", "E&xit"}));
}

TEST_F(RecentFilesMenuTest, ShowsAtMostNineEntriesAndStoresThemBack)
{
    for (int i = 1; i <= 9; ++i)
        store.values[std::to_string(i)] = "/f" + std::to_string(i);
    {
        const auto recent = Make();
        recent->vdSetCurrent(QStringLiteral("/g/\u00e9t\u00e9.vlx"));
        recent->vdSetCurrent(QStringLiteral("/h.vlx"));
        const QStringList captions = Captions();
        EXPECT_EQ(captions.size(), 5 + 9 + 1);
        EXPECT_EQ(captions.at(4), QStringLiteral("&1 /g/\u00e9t\u00e9.vlx"));
        EXPECT_EQ(captions.at(12), QStringLiteral("&9 /f8"));
    }
    EXPECT_EQ(std::get<std::string>(store.values.at("1")), "/h.vlx");
    EXPECT_EQ(std::get<std::string>(store.values.at("2")), "/g/\xc3\xa9t\xc3\xa9.vlx");
    EXPECT_EQ(std::get<std::string>(store.values.at("9")), "/f7");
}

TEST_F(RecentFilesMenuTest, ChoosingAnEntryThatChangesTheListIsSafe)
{
    store.values = {{"1", std::string("/a.vlx")}, {"2", std::string("/b.vlx")}};
    std::unique_ptr<RecentFilesMenu> recent;
    recent = std::make_unique<RecentFilesMenu>(
        store, &menu, anchor, [&](const QString& path) { recent->vdRemove(path); });
    menu.actions().at(4)->trigger();
    EXPECT_EQ(Captions(), (QStringList{"&New", "-", "&Print", "-", "&1 /b.vlx", "-", "E&xit"}));
}

} // namespace
} // namespace Brosquin
