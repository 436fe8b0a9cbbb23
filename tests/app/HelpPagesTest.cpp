#include "platform/HelpIndex.h"
#include "platform/HelpWindow.h"
#include "tests/support/Pixels.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTextBrowser>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

const QString kHelpFolder = QStringLiteral(":/help");

TEST(HelpPages, EveryHelpContextOfTheProgramHasATitledTopic)
{
    const QList<int> contexts = {1,   20,  30,  600, 601, 602, 603, 604, 605, 606, 607, 608, 609,
                                 31,  32,  33,  40,  50,  51,  60,  61,  62,  70,  91,  100, 502,
                                 401, 402, 403, 405, 406, 407, 421, 422, 423, 425, 441, 442, 443};
    const HelpIndex index(kHelpFolder);
    for (int context : contexts)
    {
        const QString fileName = QString::number(context) + QStringLiteral(".html");
        const auto page = std::find_if(index.Pages().begin(), index.Pages().end(),
                                       [&](const HelpPage& p) { return p.fileName == fileName; });
        ASSERT_NE(page, index.Pages().end()) << context;
        EXPECT_FALSE(page->title.isEmpty()) << context;
        EXPECT_GT(page->text.size(), 100) << context;
    }
    EXPECT_TRUE(QFile::exists(kHelpFolder + "/contents.html"));
    EXPECT_TRUE(QFile::exists(kHelpFolder + "/usinghelp.html"));
}

TEST(HelpPages, LinksLeadToPagesThatExist)
{
    const QRegularExpression link(QStringLiteral("href=\"([^\"#]+)"));
    const QDir folder(kHelpFolder);
    for (const QString& fileName : folder.entryList({QStringLiteral("*.html")}))
    {
        QFile file(folder.filePath(fileName));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        for (const QRegularExpressionMatch& match : link.globalMatch(html))
            EXPECT_TRUE(folder.exists(match.captured(1)))
                << fileName.toStdString() << " -> " << match.captured(1).toStdString();
    }
}

TEST(HelpPages, TheGlossaryDefinesTheTermsOfSampling)
{
    const HelpIndex index(kHelpFolder);
    for (const char* term : {"AQL", "LTPD", "LQ", "RQL", "UQL", "OC curve", "ASN", "AOQ", "AOQL",
                             "Curtailed inspection", "Lot size", "Acceptance number"})
    {
        const QList<HelpPage> found = index.Search(QLatin1String(term));
        EXPECT_TRUE(std::any_of(found.begin(), found.end(),
                                [](const HelpPage& p) { return p.fileName == "100.html"; }))
            << term;
    }
}

TEST(HelpPages, Screenshot)
{
    HelpWindow window(kHelpFolder);
    window.vdShowTopic(100);
    window.show();
    const QImage glossary = window.grab().toImage();
    EXPECT_TRUE(glossary.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/help-glossary.png")));
    EXPECT_TRUE(window.Browser()->toPlainText().startsWith(QStringLiteral("Glossary")));
    window.vdShowSearch(QStringLiteral("curtailing"));
    const QImage search = window.grab().toImage();
    EXPECT_TRUE(search.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/help-search.png")));
    EXPECT_TRUE(window.Browser()->toPlainText().startsWith(QStringLiteral("Search for Help On")));
    // The glossary shows one link, the search a list of ten topics, all in the link colour.
    const QColor link = window.Browser()->palette().color(QPalette::Link);
    EXPECT_GT(PixelsOf(glossary, link), 20);
    EXPECT_GT(PixelsOf(search, link), 10 * PixelsOf(glossary, link));
}

} // namespace
} // namespace Brosquin
