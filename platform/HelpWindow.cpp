#include "platform/HelpWindow.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <QWindow>

namespace Brosquin
{

namespace
{

const QString kContentsPage = QStringLiteral("contents.html");
const QString kHowToUsePage = QStringLiteral("usinghelp.html");

QString TopicFileName(int context)
{
    return QString::number(context) + QStringLiteral(".html");
}

} // namespace

HelpWindow::HelpWindow(const QString& helpFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), folder(helpFolder), index(helpFolder),
      pBrowser(new QTextBrowser(this)), pSearchField(new QLineEdit(this))
{
    setWindowTitle(QGuiApplication::applicationDisplayName() + tr(" Help"));
    setAttribute(Qt::WA_QuitOnClose, false);
    // Where the screen has room for it: every window is fitted to its screen as it shows.
    resize(640, 560);

    auto* contentsButton = new QPushButton(tr("&Contents"), this);
    auto* backButton = new QPushButton(tr("&Back"), this);
    auto* forwardButton = new QPushButton(tr("&Forward"), this);
    auto* findButton = new QPushButton(tr("&Find"), this);
    pSearchField->setPlaceholderText(tr("Words to find"));
    backButton->setEnabled(false);
    forwardButton->setEnabled(false);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(contentsButton);
    buttons->addWidget(backButton);
    buttons->addWidget(forwardButton);
    buttons->addSpacing(16);
    buttons->addWidget(pSearchField, 1);
    buttons->addWidget(findButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(pBrowser, 1);

    connect(contentsButton, &QPushButton::clicked, this, &HelpWindow::vdShowContents);
    connect(backButton, &QPushButton::clicked, pBrowser, &QTextBrowser::backward);
    connect(forwardButton, &QPushButton::clicked, pBrowser, &QTextBrowser::forward);
    connect(pBrowser, &QTextBrowser::backwardAvailable, backButton, &QPushButton::setEnabled);
    connect(pBrowser, &QTextBrowser::forwardAvailable, forwardButton, &QPushButton::setEnabled);
    connect(findButton, &QPushButton::clicked, this, &HelpWindow::vdShowSearchResults);
    connect(pSearchField, &QLineEdit::returnPressed, this, &HelpWindow::vdShowSearchResults);
}

bool HelpWindow::event(QEvent* event)
{
    // A modal dialog blocks every window but its own; standing over the dialog, as a window of
    // it, the help takes input again.
    if (event->type() == QEvent::WindowBlocked && windowHandle())
        if (QWindow* modal = QGuiApplication::modalWindow(); modal && modal != windowHandle())
            windowHandle()->setTransientParent(modal);
    return QWidget::event(event);
}

QUrl HelpWindow::PageUrl(const QString& fileName) const
{
    const QString path = QDir(folder).filePath(fileName);
    if (path.startsWith(QLatin1Char(':')))
        return QUrl(QStringLiteral("qrc") + path);
    return QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
}

void HelpWindow::vdShowPage(const QString& fileName)
{
    pBrowser->setSource(PageUrl(fileName));
}

void HelpWindow::vdShowTopic(int context)
{
    const QString fileName = TopicFileName(context);
    if (QFileInfo::exists(QDir(folder).filePath(fileName)))
    {
        vdShowPage(fileName);
        return;
    }
    pBrowser->setHtml(tr("<h2>Topic not found</h2><p>The help has no topic number %1. "
                         "See the <a href=\"%2\">contents</a>.</p>")
                          .arg(context)
                          .arg(PageUrl(kContentsPage).toString()));
}

void HelpWindow::vdShowContents()
{
    vdShowPage(kContentsPage);
}

void HelpWindow::vdShowHowToUse()
{
    vdShowPage(kHowToUsePage);
}

void HelpWindow::vdShowSearch(const QString& key)
{
    pSearchField->setText(key);
    pSearchField->setFocus();
    vdShowSearchResults();
}

void HelpWindow::vdShowSearchResults()
{
    const QString key = pSearchField->text().simplified();
    const QList<HelpPage> found = index.Search(key);
    QString html = key.isEmpty() ? tr("<h2>Search for Help On...</h2><p>Type words in the box "
                                      "above and press Enter. All topics:</p>")
                                 : tr("<h2>Search for Help On...</h2><p>Topics containing "
                                      "\"%1\":</p>")
                                       .arg(key.toHtmlEscaped());
    if (found.isEmpty())
        html += tr("<p>No topic contains all of these words.</p>");
    else
    {
        html += QStringLiteral("<ul>");
        for (const HelpPage& page : found)
            html += QStringLiteral("<li><a href=\"%1\">%2</a></li>")
                        .arg(PageUrl(page.fileName).toString(), page.title.toHtmlEscaped());
        html += QStringLiteral("</ul>");
    }
    pBrowser->setHtml(html);
}

} // namespace Brosquin
