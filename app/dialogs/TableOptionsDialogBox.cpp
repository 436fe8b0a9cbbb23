#include "app/dialogs/TableOptionsDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace Brosquin
{

namespace
{

QLineEdit* NewField(const char* name, const Real& value, QWidget* parent)
{
    auto* field = new QLineEdit(QStringOfAnsi(value.Text(15, true)), parent);
    field->setObjectName(QLatin1String(name));
    return field;
}

} // namespace

TTableOptionsDialogBox::TTableOptionsDialogBox(QWidget* owner, SamplingPlanEvaluationList& list)
    : QDialog(owner), list(list)
{
    setObjectName(QStringLiteral("TableOptionsDialogBox"));
    setWindowTitle(tr("Table Range"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* titleLabel = new QLabel(tr("Range for Table of OC and ASN Curves"), panel1);
    titleLabel->setObjectName(QStringLiteral("TitleLabel"));
    QFont bold = titleLabel->font();
    bold.setBold(true);
    titleLabel->setFont(bold);
    titleLabel->setAlignment(Qt::AlignCenter);
    const SamplingPlan* first = list.GetPlan(1);
    auto* unitsLabel = new QLabel(
        tr("In ") + (first ? QStringOfAnsi(first->UnitsName().Text()) : QString()), panel1);
    unitsLabel->setObjectName(QStringLiteral("UnitsLabel"));
    unitsLabel->setAlignment(Qt::AlignCenter);
    MinimumEditControl = NewField("MinimumEditControl", list.TableMinimum(), panel1);
    MaximumEditControl = NewField("MaximumEditControl", list.TableMaximum(), panel1);
    NumberEditControl = NewField("NumberEditControl", list.TableIntervals(), panel1);

    auto* grid = new QGridLayout(panel1);
    grid->setContentsMargins(30, 20, 30, 20);
    grid->addWidget(titleLabel, 0, 0, 1, 2);
    grid->addWidget(unitsLabel, 1, 0, 1, 2);
    grid->setRowMinimumHeight(2, 12);
    AddLabelledFields(*grid, 3,
                      {{tr("&Minimum Value :"), MinimumEditControl},
                       {tr("Ma&ximum Value:"), MaximumEditControl},
                       {tr("&Number Intervals:"), NumberEditControl}});

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OkButton", kHelpContext);
    connect(ok, &QPushButton::clicked, this, &TTableOptionsDialogBox::OkButtonClick);
    MinimumEditControl->setFocus();
}

void TTableOptionsDialogBox::OkButtonClick()
{
    String message;
    const int code = list.SetRange(AnsiOfQString(MinimumEditControl->text()).constData(),
                                   AnsiOfQString(MaximumEditControl->text()).constData(),
                                   AnsiOfQString(NumberEditControl->text()).constData(), message);
    if (code == 0)
    {
        accept();
        return;
    }
    UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()), tr("Error"),
                                          MessageIcon::Exclamation);
    QLineEdit* field = code == 1   ? MinimumEditControl
                       : code == 2 ? MaximumEditControl
                                   : NumberEditControl;
    field->setFocus();
    field->selectAll();
}

} // namespace Brosquin
