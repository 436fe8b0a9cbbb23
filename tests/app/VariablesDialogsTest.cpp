#include "app/DialogRoute.h"
#include "app/dialogs/DefectivesVariablesSelectDialogBox.h"
#include "app/dialogs/DefectivesVariablesSingleDialogBox.h"
#include "plans/DefectivesVariablesSingleSamplingPlan.h"
#include "tests/app/OpenDialogTest.h"
#include "tests/app/PlanListTest.h"

#include <QLabel>
#include <stdexcept>

namespace Brosquin
{
namespace
{

using Plan = DefectivesVariablesSingleSamplingPlan;

// A plan whose computations fail, as a numerical failure would, until told otherwise.
struct FailingPlan : Plan
{
    Real& dPa(const Real& p) override
    {
        if (failing)
            throw std::overflow_error("numerical failure");
        return Plan::dPa(p);
    }
    bool failing = true;
};
using FailingRoute = GuardedDialogRoute<TDefectivesVariablesSingleDialogBox, FailingPlan>;

void vdChoose(QDialog& dialog, const char* group, int index)
{
    ModalDialogDriver::ChoiceOf(dialog, group, index).click();
}

// What the person types and chooses in the single dialog.
struct VariablesEntry
{
    int form; // 0 Form 1, 1 Form 2
    QString n;
    QString constant;
    int sd;    // 0 known, 1 unknown
    int specs; // 0 one, 1 two
    QString cp;
};

void vdFillVariables(QDialog& dialog, const VariablesEntry& entry)
{
    vdChoose(dialog, "FormRadioGroup", entry.form);
    vdChoose(dialog, "StandardDeviationRadioGroup", entry.sd);
    vdChoose(dialog, "SpecificationsRadioGroup", entry.specs);
    for (const auto& [name, text] : {std::pair{"SampleSizeEditBox", entry.n},
                                     {"AcceptConstantEditBox", entry.constant},
                                     {"CpEdit", entry.cp}})
        ModalDialogDriver::ControlOf<QLineEdit>(dialog, name).setText(text);
}

class VariablesDialogsTest : public OpenDialogTest<PlanListTest, QDialog>
{
protected:
    bool CpShown() const { return Find("CpEdit")->isVisible() && Find("CpLabel")->isVisible(); }
    // Presses a button: the last message shown, empty when none was.
    QString Press(const char* button)
    {
        user.vdClearRecords();
        Find<QPushButton>(button)->click();
        return user.Messages().empty() ? QString() : user.Messages().back().text;
    }
};

TEST_F(VariablesDialogsTest, TheEntryDialogChecksItsEntriesFieldByField)
{
    vdOpen(std::make_unique<TDefectivesVariablesSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Variables Single for Defective Units");
    EXPECT_EQ(Text("SampleSizeEditBox") + Text("AcceptConstantEditBox"), "");
    EXPECT_EQ(Text("CpEdit"), "(USL - LSL) / (6 * SD)");
    EXPECT_EQ(Find<QLabel>("AcceptConstantLabel")->text(), "&Accept Constant - k:");
    EXPECT_EQ(dialog->focusWidget()->objectName(), "SampleSizeEditBox");
    // Cp shows only with the SD known and two limits.
    for (const auto& [sd, specs, shown] :
         {std::tuple{1, 1, false}, {0, 1, true}, {0, 0, false}, {1, 0, false}})
    {
        vdChoose(*dialog, "StandardDeviationRadioGroup", sd);
        vdChoose(*dialog, "SpecificationsRadioGroup", specs);
        EXPECT_EQ(CpShown(), shown) << sd << " " << specs;
    }
    struct Case
    {
        VariablesEntry entry;
        QString message; // empty: accepted
        QString focus;
    };
    const QString prompt = QStringLiteral("(USL - LSL) / (6 * SD)");
    const QString n = QStringLiteral("SampleSizeEditBox");
    const QString constant = QStringLiteral("AcceptConstantEditBox");
    const QString cp = QStringLiteral("CpEdit");
    const Case cases[] = {
        {{0, "", "1", 1, 1, prompt}, "Sample size is not a valid number.", n},
        {{0, "2.5", "1", 0, 0, ""}, "Sample size must be an integer.", n},
        {{0, "0", "1", 0, 0, ""}, "For SD Known - Form 1, sample size must be at least 1.", n},
        {{1, "1", "1", 0, 0, ""}, "For SD Known - Form 2, sample size must be at least 2.", n},
        {{0, "1", "1", 1, 0, ""}, "For SD Unknown - Form 1, sample size must be at least 2.", n},
        {{1, "2", "5", 1, 1, prompt},
         "For SD Unknown - Form 2, sample size must be at least 3.",
         n},
        {{0, "5", "k", 1, 0, ""}, "Accept constant is not a valid number.", constant},
        {{1, "5", "0", 1, 0, ""}, "M must be > 0% defective.", constant},
        {{1, "5", "100", 1, 0, prompt}, "M must be < 100% defective.", constant},
        // Cp is a formula; the prompt's names have no values.
        {{0, "5", "1", 0, 1, prompt}, "Cp is not a valid number.", cp},
        {{0, "5", "1", 0, 1, "1 - 2"}, "Cp must be positive.", cp},
        {{0, "5", "3", 0, 1, "1"}, "Cp must be greater than 1 else acceptance limits cross.", cp},
        // Form 2 needs M above what a centred process leaves outside, 200 Phi(-3 Cp v).
        {{1, "5", "0.05", 0, 1, "1"},
         "Cp must be greater than 1.037761 else impossible to accept.",
         cp},
        // A k further than 7 from 0, entered or made from M, gives levels no number tells apart.
        {{0, "10", "40", 0, 0, ""}, "Accept constant is too large.", constant},
        {{1, "100", "1e-11", 0, 0, ""}, "M is too small.", constant},
        {{0, "5", "1", 0, 1, "4/3"}, "", ""},
    };
    for (const Case& c : cases)
    {
        SCOPED_TRACE(c.message.toStdString());
        vdOpen(std::make_unique<TDefectivesVariablesSingleDialogBox>(nullptr, nullptr));
        vdFillVariables(*dialog, c.entry);
        EXPECT_EQ(Press("OKButton"), c.message);
        EXPECT_EQ(dialog->result(), c.focus.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
        if (!c.focus.isEmpty())
        {
            EXPECT_EQ(user.Messages().back().icon, MessageIcon::Exclamation);
            EXPECT_EQ(user.Messages().back().caption, "Veltrame");
            EXPECT_EQ(dialog->focusWidget()->objectName(), c.focus);
        }
    }
    Find<QPushButton>("HelpButton")->click();
    EXPECT_EQ(user.HelpRequests().back().context, 406);
}

TEST_F(VariablesDialogsTest, ConvertFormOffersThePlanOfTheOtherForm)
{
    Plan plan;
    plan.vdDescribe(true, "10", "1.5", false, false, "", false);
    vdOpen(std::make_unique<TDefectivesVariablesSingleDialogBox>(nullptr, &plan));
    EXPECT_EQ(Text("SampleSizeEditBox") + " " + Text("AcceptConstantEditBox"), "10 1.5");
    EXPECT_FALSE(CpShown());

    // Cancel changes nothing.
    user.vdQueueAnswer(MessageAnswer::Cancel);
    EXPECT_EQ(Press("ConvertFormButton"),
              "Equivalent to Form 2 Plan with n=10 and M=5.874729.  Do you want to complete "
              "conversion?");
    const MessageRequest asked = user.Messages().back();
    EXPECT_EQ(asked.caption, "Convert Form");
    EXPECT_EQ(asked.buttons, MessageButtons::OkCancel);
    EXPECT_EQ(Text("AcceptConstantEditBox"), "1.5");
    // OK takes the other form.
    user.vdQueueAnswer(MessageAnswer::Ok);
    Press("ConvertFormButton");
    EXPECT_EQ(Text("AcceptConstantEditBox"), "5.874729");
    EXPECT_EQ(Find<QLabel>("AcceptConstantLabel")->text(), "&Accept Constant - M:");
    EXPECT_EQ(Press("OKButton"), "");

    // No Form 2 plan with SD known for n = 1: said, nothing changes.
    vdOpen(std::make_unique<TDefectivesVariablesSingleDialogBox>(nullptr, nullptr));
    vdFillVariables(*dialog, {0, "1", "2", 0, 0, ""});
    EXPECT_EQ(Press("ConvertFormButton"), "No Form 2 (M) plan for n=1");
    EXPECT_EQ(Text("AcceptConstantEditBox"), "2");
    EXPECT_EQ(Find<QLabel>("AcceptConstantLabel")->text(), "&Accept Constant - k:");
    vdFillVariables(*dialog, {0, "10", "2", 0, 1, "1"});
    EXPECT_TRUE(CpShown());
    EXPECT_TRUE(dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/variables-entry.png")));
}

TEST_F(VariablesDialogsTest, TheSelectDialogChecksCpAgainstTheAQL)
{
    auto select = std::make_unique<TDefectivesVariablesSelectDialogBox>(nullptr, *list);
    select->vdSetAQL(1.0);
    vdOpen(std::move(select));
    EXPECT_EQ(dialog->windowTitle(), "Select Variables Plans for Defective Units");
    EXPECT_FALSE(CpShown());
    EXPECT_EQ(Text("CpEdit"), "(USL - LSL) / (6 * SD)");
    vdChoose(*dialog, "StandardDeviationRadioGroup", 0);
    EXPECT_TRUE(CpShown());
    EXPECT_TRUE(dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/variables-select.png")));
    EXPECT_EQ(Press("OKButton"), "Cp is not a valid number.");
    // A centred process reaches 1 percent outside the limits from Cp = -z(0.005) / 3.
    Find<QLineEdit>("CpEdit")->setText("0.8");
    EXPECT_EQ(Press("OKButton"),
              "For an AQL of 1 Percent Defective, the minimum Cp required is 0.85861.");
    EXPECT_EQ(user.Messages().back().caption, "Warning");
    EXPECT_EQ(dialog->focusWidget()->objectName(), "CpEdit");
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    Find<QLineEdit>("CpEdit")->setText("0.9");
    EXPECT_EQ(Press("OKButton"), "");
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_TRUE(list->Session().IsVariablesSdKnown());
    EXPECT_TRUE(list->Session().HasVariablesTwoSpecs());
    EXPECT_STREQ(list->Session().VariablesCpText().Text(), "0.9");

    // An AQL of 0 needs no Cp in particular; with the SD unknown the Cp text is kept as it is.
    auto again = std::make_unique<TDefectivesVariablesSelectDialogBox>(nullptr, *list);
    vdOpen(std::move(again));
    vdChoose(*dialog, "StandardDeviationRadioGroup", 0);
    Find<QLineEdit>("CpEdit")->setText("0.1");
    EXPECT_EQ(Press("OKButton"), "");
    vdOpen(std::make_unique<TDefectivesVariablesSelectDialogBox>(nullptr, *list));
    Find<QLineEdit>("CpEdit")->setText("x");
    EXPECT_EQ(Press("OKButton"), "");
    EXPECT_FALSE(list->Session().IsVariablesSdKnown());
    EXPECT_STREQ(list->Session().VariablesCpText().Text(), "x");
}

TEST_F(VariablesDialogsTest, PlansAreEnteredAndEditedThroughTheGuardedRoute)
{
    // The plan list's route: the type at row 4 of defective units.
    vdQueueAddPlan(SamplingPlan::DefectiveUnits, 4);
    driver.vdQueue(
        [](QDialog& entry)
        {
            vdFillVariables(entry, {0, "10", "1.5", 1, 1, ""});
            In<QPushButton>(entry, "OKButton").click();
        });
    Item("PlansEnterNewItem")->trigger();
    ASSERT_EQ(list->Session().Count(), 1u);
    EXPECT_EQ(Row(0).at(1), "Variables Single - Unknown SD - 2 Specs: n=10, k=1.5, MSD=28.59284%");
    EXPECT_EQ(Row(0).at(6), "Varies");
    driver.vdQueue(
        [](QDialog& entry)
        {
            EXPECT_EQ(In<QLineEdit>(entry, "AcceptConstantEditBox").text(), "1.5");
            In<QLineEdit>(entry, "AcceptConstantEditBox").setText("1.6");
            In<QPushButton>(entry, "OKButton").click();
        });
    Item("PlansEditItem")->trigger();
    EXPECT_EQ(Description(1),
              "Variables Single - Unknown SD - 2 Specs: n=10, k=1.6, MSD=27.36559%");

    // A failure while a new plan takes its entries: nothing is added.
    const auto vdAnswer = [this](const char* constant)
    {
        driver.vdQueue(
            [constant](QDialog& entry)
            {
                In<QLineEdit>(entry, "SampleSizeEditBox").setText("10");
                In<QLineEdit>(entry, "AcceptConstantEditBox").setText(constant);
                In<QPushButton>(entry, "OKButton").click();
            });
        user.vdClearRecords();
    };
    vdAnswer("2");
    EXPECT_EQ(FailingRoute().EnterNew(nullptr), nullptr);
    EXPECT_EQ(MessageTexts(),
              QStringList{"Parameters entered resulted in numerical problems.  Plan not added."});

    // A failure while a plan is edited: its former values come back.
    FailingPlan plan;
    plan.failing = false;
    plan.vdDescribe(true, "10", "2", true, false, "", false);
    const std::string before = plan.Description().Text();
    const std::string aqlBefore = plan.AQLPointText().Text();
    plan.failing = true;
    vdAnswer("2.5");
    EXPECT_TRUE(FailingRoute().Edit(nullptr, plan, [](SamplingPlan&) { return true; }));
    EXPECT_EQ(plan.Description().Text(), before);
    EXPECT_EQ(plan.AQLPointText().Text(), aqlBefore);
    EXPECT_EQ(MessageTexts(),
              QStringList{"Parameters entered resulted in numerical problems.  Plan not changed."});
}

} // namespace
} // namespace Brosquin
