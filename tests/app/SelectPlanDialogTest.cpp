#include "app/dialogs/SelectPlanDialogBox.h"
#include "core/RealOf.h"
#include "graphics/Plot.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "plans/SessionBounds.h"
#include "tests/app/EvaluationRoadTest.h"
#include "tests/support/Pixels.h"

#include <QLabel>
#include <QListWidget>

#include <optional>

namespace Brosquin
{
namespace
{

using Action = ModalDialogDriver::Action;

class SelectPlanDialogTest : public EvaluationRoadTest
{
protected:
    // The dialog lives for the whole run, hidden between showings.
    TSelectPlanDialogBox& Dialog() const { return *window->findChild<TSelectPlanDialogBox*>(); }
    QLineEdit& Edit(const char* name) const { return In<QLineEdit>(Dialog(), name); }
    QString Status(const char* label) const { return In<QLabel>(Dialog(), label).text(); }
    QColor StatusColour(const char* label) const
    {
        return In<QLabel>(Dialog(), label).palette().color(QPalette::WindowText);
    }

    // The plan types offered, each followed by + when checked.
    QStringList Types() const
    {
        QStringList types;
        const auto& box = In<QListWidget>(Dialog(), "TypesSamplingPlansCheckListBox");
        for (int row = 0; row < box.count(); ++row)
            types.append(box.item(row)->text() +
                         (box.item(row)->checkState() == Qt::Checked ? "+" : ""));
        return types;
    }

    void vdEnterRequirements(const QString& aql, const QString& ltpd,
                             const QString& maxAQL = QString())
    {
        Edit("AqlEditControl").setText(aql);
        Edit("LtpdEditControl").setText(ltpd);
        Edit("MaxAqlEditBox").setText(maxAQL);
    }

    // Shows the dialog from the Plans menu and presses Select, the dialogs that Select opens
    // answered in turn by asked; then the action answers the dialog if it stays.
    void vdSelect(std::vector<Action> asked = {}, Action then = nullptr)
    {
        driver.vdQueue(
            [asked, then](QDialog& dialog)
            {
                // The driver that answers this dialog cannot answer those it opens.
                ModalDialogDriver inner;
                for (const Action& action : asked)
                    inner.vdQueue(action);
                In<QPushButton>(dialog, "OkButton").click();
                if (then)
                    then(dialog);
            });
        Item("PlansSelectItem")->trigger();
    }

    static void vdReject(QDialog& dialog) { dialog.reject(); }

    // Answers the variables selection with one limit, the SD unknown, or cancels it.
    static Action VariablesSelection(bool ok)
    {
        return [ok](QDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Select Variables Plans for Defective Units");
            ModalDialogDriver::ChoiceOf(dialog, "SpecificationsRadioGroup", 0).click();
            In<QPushButton>(dialog, ok ? "OKButton" : "CancelButton").click();
        };
    }
};

// The statuses, worked out as each input changes, in blue, or in red where there is a problem.
TEST_F(SelectPlanDialogTest, TheStatusesFollowEveryChange)
{
    EXPECT_EQ(Types(), (QStringList{"Single+", "Double+", "Variables Single"}));
    EXPECT_EQ(Status("AqlDescriptionLabel"), "AQL Required");
    EXPECT_EQ(StatusColour("AqlDescriptionLabel"), Qt::red);
    EXPECT_TRUE(In<QLineEdit>(Dialog(), "SuffixUnitsEditControl").isHidden());
    EXPECT_EQ(Status("PrefixUnitsTextBox"), "Percent Defective");

    vdEnterRequirements("1", "5");
    In<QComboBox>(Dialog(), "AdjustmentComboBox").setCurrentIndex(2);
    Edit("PEditControl").setText("LQ/2");
    EXPECT_EQ(Status("AqlDescriptionLabel"), "0.98 <= AQL");
    EXPECT_EQ(StatusColour("AqlDescriptionLabel"), Qt::blue);
    EXPECT_EQ(Status("LtpdDescriptionLabel"), "LTPD <= 5.1");
    EXPECT_EQ(Status("CostDescriptionLabel"), "ASN(2.5)");
    // The cost in force, C0 = 0, is refused as a criterion.
    In<QRadioButton>(Dialog(), "CostRadioButton").click();
    EXPECT_EQ(Status("CostDescriptionLabel"), "C0 cannot be <= 0");
    EXPECT_EQ(StatusColour("CostDescriptionLabel"), Qt::red);

    // The Definitions button: the LTPD takes its new symbol at once.
    driver.vdQueue(
        [](QDialog& dialog)
        {
            In<QComboBox>(dialog, "LtpdSymbolComboBox").setCurrentIndex(2);
            In<QPushButton>(dialog, "OkButton").click();
        });
    In<QPushButton>(Dialog(), "DefinitionsButton").click();
    EXPECT_EQ(In<QLabel>(Dialog(), "LtpdLabel").text(), "&RQL:");
    EXPECT_EQ(Status("LtpdDescriptionLabel"), "RQL <= 5.1");

    // Defects per quantity ask for their unit.
    In<QComboBox>(Dialog(), "CharacteristicComboBox").setCurrentIndex(2);
    EXPECT_EQ(Types(), (QStringList{"Single+", "Double+"}));
    EXPECT_EQ(Status("PrefixUnitsTextBox"), "Defects per ");
    EXPECT_FALSE(In<QLineEdit>(Dialog(), "SuffixUnitsEditControl").isHidden());
}

TEST_F(SelectPlanDialogTest, SelectRefusesWithTheFirstProblemAndItsField)
{
    const struct
    {
        int characteristic;
        const char* aql;
        const char* maxAQL;
        const char* ltpd;
        const char* p;
        const char* field;
    } refusals[] = {
        {0, "", "", "5", "AQL", "AqlEditControl"},
        {0, "1", "LTPD", "5", "AQL", "MaxAqlEditBox"},
        {0, "1", "", "", "AQL", "LtpdEditControl"},
        {0, "1", "", "5", "2*X", "PEditControl"},
        {2, "1", "", "5", "AQL", "SuffixUnitsEditControl"},
    };
    for (const auto& refusal : refusals)
    {
        In<QComboBox>(Dialog(), "CharacteristicComboBox").setCurrentIndex(refusal.characteristic);
        vdEnterRequirements(refusal.aql, refusal.ltpd, refusal.maxAQL);
        Edit("PEditControl").setText(refusal.p);
        vdSelect({},
                 [&refusal](QDialog& dialog)
                 {
                     EXPECT_EQ(dialog.focusWidget()->objectName(), refusal.field);
                     dialog.reject();
                 });
    }
    EXPECT_EQ(MessageTexts(),
              (QStringList{"AQL is required.", "Max AQL references illegal variable.",
                           "LTPD is required.", "p references illegal variable.",
                           "Units must be entered."}));

    // C0 and C1 are refused by opening the cost parameters dialog.
    user.vdClearRecords();
    In<QComboBox>(Dialog(), "CharacteristicComboBox").setCurrentIndex(0);
    Edit("PEditControl").setText("AQL");
    In<QRadioButton>(Dialog(), "CostRadioButton").click();
    vdSelect({[](QDialog& dialog)
              {
                  EXPECT_EQ(dialog.windowTitle(), "Cost Parameters");
                  In<QLineEdit>(dialog, "C0EditBox").setText("2");
                  In<QLineEdit>(dialog, "C1EditBox").setText("3");
                  In<QPushButton>(dialog, "OkButton").click();
              }},
             vdReject);
    EXPECT_EQ(MessageTexts(), QStringList{"C0 must be greater than zero."});
    EXPECT_EQ(Status("CostDescriptionLabel"), "2 * ASN(1) + 3 * E{#Stages}(1)");

    // Costs changed from the main window since: Select checks again, and designs nothing.
    String message;
    ASSERT_EQ(SamplingPlan::SetCostParameters("", "0", "1", message), 0);
    window->vdUpdateCostParameters();
    vdSelect({vdReject}, vdReject);
    EXPECT_EQ(MessageTexts().last(), "C0 must be greater than zero.");
    EXPECT_EQ(Session().Count(), 0u);

    // Nothing to design.
    In<QRadioButton>(Dialog(), "ASNRadioButton").click();
    In<QPushButton>(Dialog(), "UncheckAllBitBtn").click();
    vdSelect({},
             [](QDialog& dialog)
             {
                 EXPECT_EQ(dialog.focusWidget()->objectName(), "TypesSamplingPlansCheckListBox");
                 dialog.reject();
             });
    EXPECT_EQ(MessageTexts().last(), "Type of sampling plan not selected.");
    EXPECT_EQ(Session().Count(), 0u);
}

// A single, a double and a variables plan for defective units from AQL 1 and LTPD 5 percent,
// then the single and the double plan evaluated together.
TEST_F(SelectPlanDialogTest, RoadFromProtectionToTheOCCurves)
{
    vdEnterRequirements("1", "5");
    In<QPushButton>(Dialog(), "CheckAllBitBtn").click();
    const QImage shot = Dialog().grab().toImage();
    EXPECT_TRUE(shot.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/select-plans.png")));
    // The three statuses in blue: the requirements can be designed.
    EXPECT_GT(PixelsOf(shot, Qt::blue), 100);
    EXPECT_EQ(PixelsOf(shot, Qt::red), 0);
    vdSelect({VariablesSelection(true)});
    EXPECT_TRUE(user.Messages().empty()) << MessageTexts().join("; ").toStdString();
    EXPECT_EQ(Order(), (QStringList{"Single: n=132, a=3", "Double: n1=60, a1=0, r1=4, n2=82, a2=3",
                                    "Variables Single - Unknown SD - 1 Spec: n=55, k=1.9521"}));
    EXPECT_EQ(list->SelectedPlanIndex(), 3u);
    EXPECT_FALSE(Dialog().isVisible());

    table->item(2, 0)->setCheckState(Qt::Unchecked);
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    evaluation->SubWindow()->showMaximized();
    QTest::qWait(50);
    const QImage page = evaluation->grab().toImage();
    EXPECT_TRUE(page.save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/select-plans-oc.png")));
    // The two OC curves, red and blue, nearly one over the other: the plans match.
    EXPECT_GT(PixelsOf(page, Qt::red), 300);
    EXPECT_GT(PixelsOf(page, Qt::blue), 1000);
    EXPECT_EQ(evaluation->EvaluationList()->OCPlot()->LineCount(), 2u);
}

TEST_F(SelectPlanDialogTest, NearThePlanBoundEveryCheckedTypeHasRoomBeforeAnySearch)
{
    vdEnterRequirements("1", "5");
    In<QPushButton>(Dialog(), "CheckAllBitBtn").click();
    while (Session().Count() < LargestSessionPlans - 1)
        Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    vdSelect({}, vdReject);
    EXPECT_EQ(MessageTexts(), QStringList{"Only 1 more sampling plan can be added.  Check fewer "
                                          "types of sampling plan or delete plans and repeat."});
    EXPECT_TRUE(user.Works().empty()) << "no search began";
    EXPECT_EQ(Session().Count(), LargestSessionPlans - 1);

    // At the bound, a design the session cannot take is named, never dropped without a word.
    Session().vdAddPlan(std::make_unique<DefectivesSingleSamplingPlan>());
    String message;
    EXPECT_FALSE(Session().vdSelectPlans(SamplingPlan::DefectiveUnits, 0, 0, "1", "5", "", "", "0",
                                         "1", "", message));
    EXPECT_STREQ(message.Text(), "The Single plan designed for Defective Units was not added.  No "
                                 "more sampling plans can be added.  Delete one or more and "
                                 "repeat.");
}

TEST_F(SelectPlanDialogTest, AFailedTypeWarnsAndTheLaterTypesStillRun)
{
    vdEnterRequirements("0.1", "50");
    In<QPushButton>(Dialog(), "CheckAllBitBtn").click();
    // Cancelling the variables selection skips only that type.
    for (bool variables : {true, false})
        vdSelect({VariablesSelection(variables)});
    ASSERT_EQ(user.Messages().size(), 2u);
    for (const MessageRequest& warning : user.Messages())
    {
        EXPECT_EQ(warning.text,
                  "No double sampling plan better than corresponding single sampling plan.");
        EXPECT_EQ(warning.caption, "Warning");
    }
    ASSERT_EQ(Session().Count(), 3u);
    EXPECT_EQ(Session().Plan(2)->PlanTypeId(), 6);
    EXPECT_EQ(Session().Plan(3)->PlanTypeId(), 0);
}

// A double design shows its progress, which Cancel stops: before a double plan better than the
// single one is found, with no plan and no claim that none is better; later, with the best plan
// found by then, which the list shows as the note speaks of it. Left to its end, the design needs
// no word.
TEST_F(SelectPlanDialogTest, CancelStopsADoubleDesignAndSaysSo)
{
    vdEnterRequirements("2", "3");
    In<QPushButton>(Dialog(), "UncheckAllBitBtn").click();
    In<QListWidget>(Dialog(), "TypesSamplingPlansCheckListBox").item(1)->setCheckState(Qt::Checked);
    const auto cancelledAt = [&](std::optional<double> fraction)
    {
        user.vdClearRecords();
        if (fraction)
            user.vdQueueWorkCancel(*fraction);
        vdSelect();
        EXPECT_FALSE(Dialog().isVisible());
        EXPECT_EQ(user.Works().size(), 1u);
        for (const auto& work : user.Works())
        {
            EXPECT_EQ(work.request.caption, "Designing ...");
            EXPECT_EQ(work.request.text, "Searching for the best double sampling plan");
            EXPECT_EQ(work.bCancelled, fraction.has_value());
        }
        return MessageTexts();
    };
    EXPECT_EQ(cancelledAt(0.0),
              QStringList{"The search for a double sampling plan was cut short before it found "
                          "one better than the corresponding single sampling plan."});
    EXPECT_EQ(user.Messages().front().caption, "Warning");
    EXPECT_EQ(Session().Count(), 0u);
    // The rows of the list, and the one selected, as the note shows.
    QStringList listed;
    user.vdWhenShown(
        [&](const MessageRequest&)
        {
            for (int row = 0; row < table->rowCount(); ++row)
                listed.append(Row(row)[1] + (table->item(row, 1)->isSelected() ? "+" : ""));
        });
    EXPECT_EQ(cancelledAt(0.5),
              QStringList{"The search for the best double sampling plan was cut short: the plan "
                          "added to the list is the best it found."});
    user.vdWhenShown(nullptr);
    ASSERT_EQ(Session().Count(), 1u);
    EXPECT_EQ(listed, QStringList{Description(1) + "+"});
    EXPECT_TRUE(Description(1).startsWith("Double: n1="));
    EXPECT_TRUE(cancelledAt(std::nullopt).isEmpty());
    ASSERT_EQ(Session().Count(), 2u);
    EXPECT_GT(user.Works().front().fraction, 0.5);
    // The plan found by then meets the requirements at no less cost than the design's.
    for (std::uint32_t i : {1u, 2u})
    {
        SamplingPlan& plan = *Session().Plan(i);
        EXPECT_GE(plan.dPa(RealOf(2.0)).dValue(), 0.95);
        EXPECT_LE(plan.dPa(RealOf(3.0)).dValue(), 0.10);
    }
    EXPECT_GE(Session().Plan(1)->dASN(RealOf(2.0)).dValue(),
              Session().Plan(2)->dASN(RealOf(2.0)).dValue());
}

TEST_F(SelectPlanDialogTest, MatchProtectionTakesTheSelectedPlansProtection)
{
    Item("PlansMatchProtectionItem")->trigger();
    EXPECT_EQ(MessageTexts(), QStringList{"You must select a plan first by clicking on it above."});

    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerQuantity, {"2.5", "1", "Metre"});
    Edit("MaxAqlEditBox").setText("2*AQL");
    In<QComboBox>(Dialog(), "AdjustmentComboBox").setCurrentIndex(3);
    for (std::uint32_t index : {1u, 2u})
    {
        const SamplingPlan& plan = *Session().Plan(index);
        table->selectRow(static_cast<int>(index - 1));
        driver.vdQueue([](QDialog& dialog) { dialog.reject(); });
        Button("MatchProtectionBitBtn")->click();
        EXPECT_EQ(In<QComboBox>(Dialog(), "CharacteristicComboBox").currentIndex(),
                  plan.CharacteristicId());
        EXPECT_EQ(Types().first(), "Single") << "the plan's own type is unchecked";
        EXPECT_EQ(Edit("AqlEditControl").text(), plan.AQLPointText().Text());
        EXPECT_EQ(Edit("LtpdEditControl").text(), plan.LTPDPointText().Text());
        EXPECT_EQ(Edit("MaxAqlEditBox").text(), "");
        EXPECT_EQ(In<QComboBox>(Dialog(), "AdjustmentComboBox").currentIndex(), 0);
        EXPECT_EQ(Edit("SuffixUnitsEditControl").text(), index == 2 ? "Metre" : "");
        EXPECT_EQ(StatusColour("AqlDescriptionLabel"), Qt::blue);
    }
}

// Numbers typed in the old units are converted to the new; formulas stay as they are.
TEST_F(SelectPlanDialogTest, NumbersFollowAChangeOfUnits)
{
    const auto vdChooseUnits = [this](int defectives)
    {
        driver.vdQueue(
            [defectives](QDialog& dialog)
            {
                ModalDialogDriver::ChoiceOf(dialog, "UnitsDefectivesRadioGroup", defectives)
                    .click();
                In<QPushButton>(dialog, "OkButton").click();
            });
        Item("OptionsUnitsItem")->trigger();
    };
    vdChooseUnits(0);
    vdEnterRequirements("0.01", "1", "2*AQL");
    vdChooseUnits(1);
    EXPECT_EQ(Edit("AqlEditControl").text(), "1");
    EXPECT_EQ(Edit("LtpdEditControl").text(), "100");
    EXPECT_EQ(Edit("MaxAqlEditBox").text(), "2*AQL");
    EXPECT_EQ(Status("PrefixUnitsTextBox"), "Percent Defective");
    EXPECT_EQ(Status("AqlDescriptionLabel"), "1 <= AQL <= 2");
}

} // namespace
} // namespace Brosquin
