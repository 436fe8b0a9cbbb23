#include "platform/HelpIndex.h"

#include <QDir>
#include <QFile>
#include <QTextDocument>
#include <algorithm>

namespace Brosquin
{

namespace
{

bool ContainsAll(const QString& text, const QStringList& words)
{
    return std::all_of(words.begin(), words.end(),
                       [&](const QString& word)
                       { return text.contains(word, Qt::CaseInsensitive); });
}

bool ByTitle(const HelpPage& a, const HelpPage& b)
{
    return QString::localeAwareCompare(a.title, b.title) < 0;
}

} // namespace

HelpIndex::HelpIndex(const QString& folder)
{
    const QDir directory(folder);
    for (const QString& fileName : directory.entryList({QStringLiteral("*.html")}, QDir::Files))
    {
        QFile file(directory.filePath(fileName));
        if (!file.open(QIODevice::ReadOnly))
            continue;
        QTextDocument document;
        document.setHtml(QString::fromUtf8(file.readAll()));
        pages.append({fileName, document.metaInformation(QTextDocument::DocumentTitle),
                      document.toPlainText()});
    }
    std::sort(pages.begin(), pages.end(), ByTitle);
}

QList<HelpPage> HelpIndex::Search(const QString& key) const
{
    const QStringList words = key.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    QList<HelpPage> inTitle;
    QList<HelpPage> inText;
    for (const HelpPage& page : pages)
    {
        if (ContainsAll(page.title, words))
            inTitle.append(page);
        else if (ContainsAll(page.title + QLatin1Char('\n') + page.text, words))
            inText.append(page);
    }
    return inTitle + inText;
}

} // namespace Brosquin
