#pragma once

#include <QDialog>
#include <functional>

class QLineEdit;

namespace Brosquin
{

// "Cost Parameters": the title and the costs C0 per unit inspected and C1 per stage of the cost
// C0 * ASN(p) + C1 * E{#Stages}(p) that the cost plots and the plan design use. It lives for the
// whole run and shows the costs in force each time; OK stores changed costs, which the plan
// classes check, and then lets the program follow them.
class TCostParametersDialogBox : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContext = 62;

    // applied runs after new costs were stored; false when the session cannot take them, and the
    // costs before come back with the dialog still open.
    TCostParametersDialogBox(QWidget* owner, std::function<bool()> applied);

    // Presets of the three boxes; nothing is stored before OK.
    void ASNButtonClick();
    void ExpectedNumberStagesClick();
    void OkButtonClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    std::function<bool()> applied;
    QLineEdit* TitleEditBox;
    QLineEdit* C0EditBox;
    QLineEdit* C1EditBox;
};

} // namespace Brosquin
