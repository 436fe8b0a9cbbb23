#include "app/dialogs/DefectivesVariablesSingleDialogBox.h"

#include "app/dialogs/DialogPanels.h"
#include "core/RealOf.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "platform/AnsiQString.h"
#include "platform/UserInteraction.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <tuple>
#include <utility>

namespace Brosquin
{

namespace
{

constexpr int kForm1 = 0;
constexpr int kForm2 = 1;
// ConvertForm's value at or below this: no plan of the other form.
constexpr double kNoConversion = -100000;

} // namespace

TDefectivesVariablesSingleDialogBox::TDefectivesVariablesSingleDialogBox(
    QWidget* owner, const DefectivesVariablesSingleSamplingPlan* plan)
    : QDialog(owner)
{
    setWindowTitle(tr("Variables Single for Defective Units"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* grid = new QGridLayout(panel1);

    auto* formGroup = new QGroupBox(tr(" Form: "), panel1);
    formGroup->setObjectName(QStringLiteral("FormRadioGroup"));
    auto* formLayout = new QHBoxLayout(formGroup);
    pForm = new QButtonGroup(formGroup);
    for (const auto& [id, caption] :
         {std::pair{kForm1, "Form 1: n, &k"}, {kForm2, "Form 2: n, &M"}})
    {
        auto* button = new QRadioButton(tr(caption), formGroup);
        formLayout->addWidget(button);
        pForm->addButton(button, id);
    }
    grid->addWidget(formGroup, 0, 0, 1, 2);

    const auto addField = [&](int row, const char* labelName, const char* editName)
    {
        auto* label = new QLabel(panel1);
        label->setObjectName(QLatin1String(labelName));
        auto* edit = new QLineEdit(panel1);
        edit->setObjectName(QLatin1String(editName));
        label->setBuddy(edit);
        grid->addWidget(label, row, 0, Qt::AlignRight);
        grid->addWidget(edit, row, 1);
        return std::pair{label, edit};
    };
    QLabel* label1 = nullptr;
    std::tie(label1, pSampleSizeEditBox) = addField(1, "Label1", "SampleSizeEditBox");
    label1->setText(tr("Sample Size (&n):"));
    std::tie(pAcceptConstantLabel, pAcceptConstantEditBox) =
        addField(2, "AcceptConstantLabel", "AcceptConstantEditBox");
    types = std::make_unique<VariablesTypeControls>(*panel1, *grid, 3, "&Cp:");

    QPushButton* ok = AddButtonPanel(*this, *panel1, "OKButton", kHelpContext);
    // Convert Form joins OK, Cancel and Help in the button row.
    auto* buttons = qobject_cast<QDialogButtonBox*>(ok->parentWidget());
    QPushButton* convertForm =
        buttons->addButton(tr("Convert &Form"), QDialogButtonBox::ActionRole);
    convertForm->setObjectName(QStringLiteral("ConvertFormButton"));
    convertForm->setIcon(style()->standardIcon(QStyle::SP_BrowserReload));
    convertForm->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &TDefectivesVariablesSingleDialogBox::OKButtonClick);
    connect(convertForm, &QPushButton::clicked, this,
            &TDefectivesVariablesSingleDialogBox::ConvertFormButtonClick);
    connect(pForm, &QButtonGroup::idToggled, this,
            &TDefectivesVariablesSingleDialogBox::FormRadioGroupClick);

    // A new plan: Form 1, empty entries, SD unknown, two limits and Cp's formula in words.
    if (plan)
    {
        pForm->button(plan->IsForm1() ? kForm1 : kForm2)->setChecked(true);
        pSampleSizeEditBox->setText(QStringOfAnsi(plan->SampleSizeText().Text()));
        pAcceptConstantEditBox->setText(QStringOfAnsi(plan->AcceptConstantText().Text()));
        types->vdSet(plan->IsSdKnown(), plan->HasTwoSpecs(), QStringOfAnsi(plan->CpText().Text()));
    }
    else
    {
        pForm->button(kForm1)->setChecked(true);
        types->vdSet(false, true, QStringLiteral("(USL - LSL) / (6 * SD)"));
    }
    FormRadioGroupClick();
    pSampleSizeEditBox->setFocus();
}

TDefectivesVariablesSingleDialogBox::~TDefectivesVariablesSingleDialogBox() = default;

bool TDefectivesVariablesSingleDialogBox::IsForm1() const
{
    return pForm->checkedId() == kForm1;
}

QByteArray TDefectivesVariablesSingleDialogBox::SampleSizeText() const
{
    return AnsiOfQString(pSampleSizeEditBox->text());
}

QByteArray TDefectivesVariablesSingleDialogBox::AcceptConstantText() const
{
    return AnsiOfQString(pAcceptConstantEditBox->text());
}

void TDefectivesVariablesSingleDialogBox::vdDescribe(
    DefectivesVariablesSingleSamplingPlan& plan) const
{
    plan.vdDescribe(IsForm1(), SampleSizeText().constData(), AcceptConstantText().constData(),
                    IsSdKnown(), HasTwoSpecs(), CpText().constData(), false);
}

void TDefectivesVariablesSingleDialogBox::FormRadioGroupClick()
{
    pAcceptConstantLabel->setText(IsForm1() ? tr("&Accept Constant - k:")
                                            : tr("&Accept Constant - M:"));
}

void TDefectivesVariablesSingleDialogBox::OKButtonClick()
{
    String message;
    const int code = DefectivesVariablesSingleSamplingPlan::SetFromText(
        IsForm1(), SampleSizeText().constData(), AcceptConstantText().constData(), IsSdKnown(),
        HasTwoSpecs(), CpText().constData(), false, message);
    if (code == 0)
    {
        accept();
        return;
    }
    UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()));
    QWidget* field = code == 1   ? static_cast<QWidget*>(pSampleSizeEditBox)
                     : code == 2 ? static_cast<QWidget*>(pAcceptConstantEditBox)
                                 : static_cast<QWidget*>(&types->CpEdit());
    field->setFocus();
}

void TDefectivesVariablesSingleDialogBox::ConvertFormButtonClick()
{
    String message;
    double n = 0.0;
    double value = 0.0;
    DefectivesVariablesSingleSamplingPlan::ConvertForm(
        IsForm1(), SampleSizeText().constData(), AcceptConstantText().constData(), IsSdKnown(),
        HasTwoSpecs(), CpText().constData(), message, n, value);
    if (value <= kNoConversion)
    {
        UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()));
        return;
    }
    message += ".  Do you want to complete conversion?";
    if (UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()), tr("Convert Form"),
                                              MessageIcon::Question,
                                              MessageButtons::OkCancel) != MessageAnswer::Ok)
        return;
    pAcceptConstantEditBox->setText(QStringOfAnsi(RealOf(value).Text(0, true)));
    pForm->button(IsForm1() ? kForm2 : kForm1)->setChecked(true);
}

} // namespace Brosquin
