#pragma once

#include "platform/HelpIndex.h"

#include <QWidget>

class QLineEdit;
class QTextBrowser;

namespace Brosquin
{

// The program's help: HTML pages of one folder, a page per help context named after its number
// ("100.html"), beside "contents.html" and "usinghelp.html", with a search over all pages. It
// stays usable while a modal dialog is open (the dialog's Help opens it), and it never keeps the
// program running once the main window has closed.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(const QString& folder, QWidget* parent = nullptr);

    void vdShowTopic(int context);
    void vdShowContents();
    void vdShowHowToUse();
    void vdShowSearch(const QString& key);

    QTextBrowser* Browser() const { return pBrowser; }
    QLineEdit* SearchField() const { return pSearchField; }

protected:
    bool event(QEvent* event) override;

private:
    QUrl PageUrl(const QString& fileName) const;
    void vdShowPage(const QString& fileName);
    void vdShowSearchResults();

    QString folder;
    HelpIndex index;
    QTextBrowser* pBrowser;
    QLineEdit* pSearchField;
};

} // namespace Brosquin
