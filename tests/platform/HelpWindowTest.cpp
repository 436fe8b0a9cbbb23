#include "platform/HelpWindow.h"

#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

// A help folder of a few pages.
class HelpWindowTest : public testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(folder.isValid());
        vdWritePage("contents.html", "Contents", "<a href=\"100.html\">Glossary</a>");
        vdWritePage("usinghelp.html", "Using Help", "Click a link to follow it.");
        vdWritePage("100.html", "Glossary", "AOQL: the average outgoing quality limit.");
        vdWritePage("30.html", "Evaluation Window", "Shows the OC curve and the AOQ curve.");
        vdWritePage("notes.txt", "Not a page", "AOQ");
    }

    void vdWritePage(const char* name, const char* title, const char* body)
    {
        QFile file(folder.filePath(QLatin1String(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<html><head><title>%1</title></head><body>%2</body></html>")
                       .arg(QLatin1String(title), QLatin1String(body))
                       .toUtf8());
    }

    QString Shown(const HelpWindow& window) const { return window.Browser()->toPlainText(); }

    QTemporaryDir folder;
};

TEST_F(HelpWindowTest, SearchFindsPagesHoldingEveryWord)
{
    const HelpIndex index(folder.path());
    EXPECT_EQ(index.Pages().size(), 4);
    auto titles = [&](const QString& key)
    {
        QStringList found;
        for (const HelpPage& page : index.Search(key))
            found.append(page.title);
        return found;
    };
    EXPECT_EQ(titles("aoq"), (QStringList{"Evaluation Window", "Glossary"}));
    EXPECT_EQ(titles("  outgoing   LIMIT "), QStringList{"Glossary"});
    EXPECT_EQ(titles("glossary"), (QStringList{"Glossary", "Contents"})) << "titles first";
    EXPECT_EQ(titles("curve glossary"), QStringList{});
    EXPECT_EQ(titles(""), (QStringList{"Contents", "Evaluation Window", "Glossary", "Using Help"}));
}

TEST_F(HelpWindowTest, OpensTopicsByContextNumber)
{
    HelpWindow window(folder.path());
    window.vdShowTopic(100);
    EXPECT_TRUE(Shown(window).contains("average outgoing quality limit"));
    EXPECT_EQ(window.Browser()->source().fileName(), "100.html");
    window.vdShowContents();
    EXPECT_EQ(window.Browser()->source().fileName(), "contents.html");
    window.vdShowHowToUse();
    EXPECT_TRUE(Shown(window).contains("Click a link"));
    window.vdShowTopic(777);
    EXPECT_TRUE(Shown(window).contains("no topic number 777"));
}

TEST_F(HelpWindowTest, SearchPageListsTheTopicsFound)
{
    HelpWindow window(folder.path());
    window.vdShowSearch(QString());
    EXPECT_TRUE(Shown(window).contains("Using Help")) << "an empty key lists every topic";
    window.SearchField()->setText("OC curve");
    emit window.SearchField()->returnPressed();
    EXPECT_TRUE(Shown(window).contains("Evaluation Window"));
    EXPECT_FALSE(Shown(window).contains("Glossary"));
    window.vdShowSearch("<b>nothing</b>");
    EXPECT_TRUE(Shown(window).contains("<b>nothing</b>")) << "the key is shown as typed";
    EXPECT_TRUE(Shown(window).contains("No topic"));
}

} // namespace
} // namespace Brosquin
