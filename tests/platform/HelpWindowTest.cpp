#include "platform/HelpWindow.h"
#include "platform/HelpKey.h"
#include "platform/UserInteraction.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
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

HelpWindow* ShownHelpWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
            return help;
    return nullptr;
}

// F1 in a modal dialog opens its help; the help window takes clicks while the dialog is open, and
// it does not keep the program running once the last main window has closed.
TEST_F(HelpWindowTest, HelpFromAModalDialogStaysUsable)
{
    UserInteraction& real = UserInteraction::Current();
    real.vdSetHelpFile(folder.path());
    vdInstallHelpKey();
    vdInstallHelpKey();

    QWidget mainWindow;
    mainWindow.show();
    QDialog dialog(&mainWindow);
    auto* help = new QPushButton(QStringLiteral("Help"), &dialog);
    help->setObjectName(QStringLiteral("HelpButton"));
    int helpClicks = 0;
    QObject::connect(help, &QPushButton::clicked, &dialog,
                     [&]
                     {
                         ++helpClicks;
                         real.vdShowHelpTopic(30);
                     });
    auto* field = new QLineEdit(&dialog);
    QString shownOverTheDialog;
    QTimer::singleShot(0, &dialog,
                       [&]
                       {
                           field->setFocus();
                           QTest::keyClick(field, Qt::Key_F1);
                           HelpWindow* window = ShownHelpWindow();
                           ASSERT_NE(window, nullptr);
                           QPushButton* contents = nullptr;
                           for (QPushButton* button : window->findChildren<QPushButton*>())
                               if (button->text() == "&Contents")
                                   contents = button;
                           ASSERT_NE(contents, nullptr);
                           // Through the window system, where a blocked window takes no input.
                           QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                                             contents->mapTo(window, contents->rect().center()));
                           shownOverTheDialog = window->Browser()->source().fileName();
                           dialog.accept();
                       });
    dialog.exec();
    EXPECT_EQ(helpClicks, 1);
    EXPECT_EQ(shownOverTheDialog.toStdString(), "contents.html");

    // Closing the main window ends the run; should the help hold it, the run is ended after a
    // while with another code.
    ASSERT_NE(ShownHelpWindow(), nullptr);
    QTimer::singleShot(0, &mainWindow, [&] { mainWindow.close(); });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    real.vdSetHelpFile(QString());
}

} // namespace
} // namespace Brosquin
