#pragma once

#include <QDialog>

class QPushButton;

namespace Brosquin
{

// The program's picture, name and version, shown from Help > About. It lives for the whole run.
// OK is the default button and has the focus, so Enter and Escape both close the box.
class TAboutDialogBox : public QDialog
{
public:
    static constexpr int kHelpContext = 91;

    explicit TAboutDialogBox(QWidget* owner);

    QPushButton* OkButton;
    QPushButton* HelpButton;

protected:
    void showEvent(QShowEvent* event) override;
};

} // namespace Brosquin
