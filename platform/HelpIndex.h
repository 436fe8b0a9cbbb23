#pragma once

#include <QList>
#include <QString>

namespace Brosquin
{

struct HelpPage
{
    QString fileName;
    QString title;
    QString text;
};

// The help pages of one folder with their titles and plain text, for the help's search page.
class HelpIndex
{
public:
    explicit HelpIndex(const QString& folder);

    const QList<HelpPage>& Pages() const { return pages; }

    // Pages holding every word of the key (letter case ignored) in their title or text: those
    // with all words in the title first, each group by title. An empty key gives every page.
    QList<HelpPage> Search(const QString& key) const;

private:
    QList<HelpPage> pages;
};

} // namespace Brosquin
