#include "app/dialogs/DefectivesChainDialogBox.h"

#include "app/dialogs/DialogPanels.h"
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

struct Field
{
    const char* name;
    const char* label;
};

// In tab order, which is the order of the plan's texts.
constexpr Field fields[] = {{"SampleSizeEditBox", "&Sample Size (n):"},
                            {"FirstAcceptNumberEditBox", "First &Accept Number (a1):"},
                            {"FirstRejectNumberEditBox", "First &Reject Number (r1):"},
                            {"ChainNumberEditBox", "&Chain Number (i):"},
                            {"SecondAcceptNumberEditBox", "Second Accept Number (a&2):"}};

} // namespace

TDefectivesChainDialogBox::TDefectivesChainDialogBox(QWidget* owner,
                                                     const DefectivesChainSamplingPlan* plan)
    : QDialog(owner)
{
    setWindowTitle(tr("Chain Sampling Plan for Number of Defective Units"));
    QFrame* panel1 = NewFieldPanel(*this);
    auto* grid = new QGridLayout(panel1);
    for (int field = 0; field < 5; ++field)
    {
        auto* label = new QLabel(tr(fields[field].label), panel1);
        editBoxes[field] = new QLineEdit(panel1);
        editBoxes[field]->setObjectName(QLatin1String(fields[field].name));
        label->setBuddy(editBoxes[field]);
        grid->addWidget(label, field, 0);
        grid->addWidget(editBoxes[field], field, 1);
        if (plan)
            editBoxes[field]->setText(QStringOfAnsi(plan->Text(field + 1).Text()));
    }
    QPushButton* ok = AddButtonPanel(*this, *panel1, "OKButton", 0);
    connect(ok, &QPushButton::clicked, this, &TDefectivesChainDialogBox::OKButtonClick);
    editBoxes.front()->setFocus();
}

std::array<QByteArray, 5> TDefectivesChainDialogBox::Texts() const
{
    std::array<QByteArray, 5> texts;
    for (int field = 0; field < 5; ++field)
        texts[field] = AnsiOfQString(editBoxes[field]->text());
    return texts;
}

void TDefectivesChainDialogBox::vdDescribe(DefectivesChainSamplingPlan& plan) const
{
    const std::array<QByteArray, 5> t = Texts();
    plan.vdDescribe(t[0].constData(), t[1].constData(), t[2].constData(), t[3].constData(),
                    t[4].constData());
}

void TDefectivesChainDialogBox::OKButtonClick()
{
    const std::array<QByteArray, 5> t = Texts();
    String message;
    const int code = DefectivesChainSamplingPlan::SetFromText(t[0].constData(), t[1].constData(),
                                                              t[2].constData(), t[3].constData(),
                                                              t[4].constData(), message);
    if (code == 0)
    {
        accept();
        return;
    }
    UserInteraction::Current().MessageBox(QStringOfAnsi(message.Text()), QString(),
                                          MessageIcon::None);
    // Codes 1 to 4 name their fields; anything else stands for a2.
    editBoxes[code >= 1 && code <= 4 ? code - 1 : 4]->setFocus();
}

} // namespace Brosquin
