#include "graphics/Plot.h"
#include "plans/SamplingPlanEvaluationList.h"
#include "tests/app/EvaluationRoadTest.h"

#include <QDir>
#include <QLabel>

namespace Brosquin
{
namespace
{

class OptionDialogsTest : public EvaluationRoadTest
{
protected:
    // Runs the Options item with the action answering its dialog.
    void vdRunOption(const char* item, ModalDialogDriver::Action action)
    {
        driver.vdQueue(std::move(action));
        Item(item)->trigger();
    }

    static void vdClick(QDialog& dialog, const char* button)
    {
        In<QPushButton>(dialog, button).click();
    }

    static QComboBox& Combo(QDialog& dialog, const char* name)
    {
        return In<QComboBox>(dialog, name);
    }

    static QString Text(QDialog& dialog, const char* label)
    {
        return In<QLabel>(dialog, label).text();
    }

    static QAbstractButton* UnitsRow(QDialog& dialog, const char* group, int row)
    {
        return &ModalDialogDriver::ChoiceOf(dialog, group, row);
    }

    QString Header(int column) const { return table->horizontalHeaderItem(column)->text(); }
};

TEST_F(OptionDialogsTest, CostParameters)
{
    // Unchanged, or changed and cancelled: nothing happens.
    vdRunOption("OptionsCostsItem",
                [](QDialog& dialog)
                {
                    EXPECT_EQ(dialog.focusWidget(), &In<QLineEdit>(dialog, "TitleEditBox"));
                    EXPECT_EQ(In<QLineEdit>(dialog, "C0EditBox").text(), "0");
                    EXPECT_EQ(In<QLineEdit>(dialog, "TitleEditBox").maxLength(), LongestToken);
                    vdClick(dialog, "OkButton");
                });
    vdRunOption("OptionsCostsItem",
                [](QDialog& dialog)
                {
                    In<QLineEdit>(dialog, "C1EditBox").setText("5");
                    vdClick(dialog, "CancelButton");
                });
    EXPECT_FALSE(window->IsSessionModified());
    EXPECT_STREQ(SamplingPlan::C1Text().Text(), "1");

    // Each refusal gives its field the focus; then the trimmed title and the costs are taken.
    vdRunOption("OptionsCostsItem",
                [](QDialog& dialog)
                {
                    auto& c0 = In<QLineEdit>(dialog, "C0EditBox");
                    auto& c1 = In<QLineEdit>(dialog, "C1EditBox");
                    c0.setText("-1");
                    c1.setText("x");
                    vdClick(dialog, "OkButton");
                    EXPECT_EQ(dialog.focusWidget(), &c0);
                    c0.setText("2");
                    vdClick(dialog, "OkButton");
                    EXPECT_EQ(dialog.focusWidget(), &c1);
                    EXPECT_TRUE(dialog.isVisible());
                    c1.setText("1");
                    In<QLineEdit>(dialog, "TitleEditBox").setText(" Inspection \t");
                    vdClick(dialog, "OkButton");
                });
    EXPECT_EQ(MessageTexts(), (QStringList{"Error: Cost parameter C0 is negative.",
                                           "Error: Cost parameter C1 is not a valid number."}));
    EXPECT_STREQ(SamplingPlan::CostTitle().Text(), "Inspection");
    EXPECT_TRUE(window->IsSessionModified());

    // The evaluation window's menu opens the same dialog, and the window's plot follows it.
    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"50", "1"});
    TEvaluationWindow* evaluation = Evaluate();
    ASSERT_NE(evaluation, nullptr);
    const Plot& cost = *evaluation->EvaluationList()->CostPlot();
    EXPECT_STREQ(cost.MainTitle().Text(), "Inspection Curve");
    EXPECT_STREQ(cost.SubTitle().Text(), "C0 = 2, C1 = 1");
    driver.vdQueue(
        [](QDialog& dialog)
        {
            vdClick(dialog, "ASNButton");
            EXPECT_EQ(In<QLineEdit>(dialog, "TitleEditBox").text(), "ASN");
            vdClick(dialog, "OkButton");
        });
    evaluation->CostParametersItemClicked();
    EXPECT_STREQ(cost.MainTitle().Text(), "ASN Curve");
    EXPECT_STREQ(cost.SubTitle().Text(), "C0 = 1, C1 = 0");
}

TEST_F(OptionDialogsTest, Definitions)
{
    vdRunOption("OptionsDefinitionsItem",
                [](QDialog& dialog)
                {
                    EXPECT_EQ(dialog.windowTitle(), "Definitions of AQL and LTPD");
                    EXPECT_EQ(Text(dialog, "LtpdLabel1"), "&LTPD:");
                    EXPECT_EQ(Text(dialog, "LtpdStatement"),
                              "Passing the sampling plan results in 90% confidence that the lot "
                              "is better than the LTPD.");
                    EXPECT_EQ(dialog.focusWidget(), &Combo(dialog, "AqlProbabilityComboBox"));
                    // Defaults as they are: nothing is written.
                    vdClick(dialog, "SaveAsDefaultsButton");
                    vdClick(dialog, "OkButton");
                });
    EXPECT_FALSE(StoredSettings().contains("AQL Probability"));
    EXPECT_FALSE(window->IsSessionModified());

    // Saved defaults change neither the current definitions nor, after Cancel, Set To Defaults.
    vdRunOption("OptionsDefinitionsItem",
                [](QDialog& dialog)
                {
                    auto& aql = Combo(dialog, "AqlProbabilityComboBox");
                    aql.setEditText("x");
                    vdClick(dialog, "SaveAsDefaultsButton");
                    aql.setEditText("0.99");
                    Combo(dialog, "LtpdProbabilityComboBox").setEditText("0.05");
                    Combo(dialog, "LtpdSymbolComboBox").setCurrentIndex(1);
                    vdClick(dialog, "SaveAsDefaultsButton");
                    aql.setEditText("0.90");
                    vdClick(dialog, "SetToDefaultsButton");
                    EXPECT_EQ(aql.currentText(), "0.99");
                    vdClick(dialog, "CancelButton");
                });
    EXPECT_EQ(MessageTexts(), QStringList{"Cannot make default.  Errors must be corrected first."});
    EXPECT_EQ(StoredSettings().value("AQL Probability").toString(), "0.99");
    EXPECT_EQ(StoredSettings().value("LTPD Probability").toString(), "0.05");
    EXPECT_EQ(StoredSettings().value("LTPD Symbol").toInt(), 1);
    EXPECT_STREQ(SamplingPlan::PaAtAQLText().Text(), "0.95");
    EXPECT_EQ(SamplingPlan::SymbolIndex(), 0);

    user.vdClearRecords();
    vdRunOption("OptionsDefinitionsItem",
                [&](QDialog& dialog)
                {
                    auto& aql = Combo(dialog, "AqlProbabilityComboBox");
                    auto& ltpd = Combo(dialog, "LtpdProbabilityComboBox");
                    aql.setEditText("1");
                    EXPECT_EQ(Text(dialog, "AqlStatement"),
                              "Error: AQL probability of acceptance must be less than one.");
                    Combo(dialog, "LtpdSymbolComboBox").setCurrentIndex(3);
                    EXPECT_EQ(dialog.windowTitle(), "Definitions of AQL and UQL");
                    EXPECT_EQ(Text(dialog, "LtpdLabel1"), "&UQL:");
                    // Only OK changes what the windows show.
                    EXPECT_EQ(Header(TListSamplingPlansWindow::LTPDColumn), "LTPD (0.10)");

                    vdClick(dialog, "OkButton");
                    EXPECT_EQ(dialog.focusWidget(), &aql);
                    Combo(dialog, "LtpdSymbolComboBox").setCurrentIndex(2);
                    aql.setEditText("0.10");
                    vdClick(dialog, "OkButton");
                    ltpd.setEditText("0");
                    EXPECT_EQ(Text(dialog, "LtpdStatement"),
                              "Error: RQL probability of acceptance must be greater than zero.");
                    ltpd.setFocus();
                    aql.setFocus();
                    vdClick(dialog, "OkButton");
                    EXPECT_EQ(dialog.focusWidget(), &ltpd);
                    aql.setEditText("0.90");
                    ltpd.setEditText(" 0.05");
                    vdClick(dialog, "OkButton");
                });
    EXPECT_EQ(MessageTexts(),
              (QStringList{" AQL probability of acceptance must be less than one.",
                           "Probability of acceptance at AQL must be greater than at RQL.",
                           " RQL probability of acceptance must be greater than zero."}));
    EXPECT_EQ(Header(TListSamplingPlansWindow::LTPDColumn), "RQL (0.05)");
}

TEST_F(OptionDialogsTest, Units)
{
    vdRunOption("OptionsUnitsItem",
                [](QDialog& dialog)
                {
                    EXPECT_TRUE(UnitsRow(dialog, "UnitsDefectivesRadioGroup", 1)->isChecked());
                    EXPECT_TRUE(UnitsRow(dialog, "UnitsDefectsRadioGroup", 1)->isChecked());
                    EXPECT_EQ(dialog.focusWidget(),
                              UnitsRow(dialog, "UnitsDefectivesRadioGroup", 1));
                    vdClick(dialog, "SaveAsDefaultsButton");
                    vdClick(dialog, "OkButton");
                });
    EXPECT_FALSE(StoredSettings().contains("Units Defectives"));
    EXPECT_FALSE(window->IsSessionModified());

    vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
    vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"50", "2"});
    vdRunOption("OptionsUnitsItem",
                [](QDialog& dialog)
                {
                    UnitsRow(dialog, "UnitsDefectivesRadioGroup", 0)->click();
                    UnitsRow(dialog, "UnitsDefectsRadioGroup", 0)->click();
                    vdClick(dialog, "SaveAsDefaultsButton");
                    UnitsRow(dialog, "UnitsDefectivesRadioGroup", 2)->click();
                    vdClick(dialog, "SetToDefaultsButton");
                    EXPECT_TRUE(UnitsRow(dialog, "UnitsDefectivesRadioGroup", 0)->isChecked());
                    vdClick(dialog, "OkButton");
                });
    EXPECT_EQ(StoredSettings().value("Units Defectives").toInt(), 0);
    EXPECT_EQ(StoredSettings().value("Units Defects").toInt(), 0);
    EXPECT_EQ(Row(0)[TListSamplingPlansWindow::UnitsColumn - 1], "Fraction Defective");
    EXPECT_EQ(Row(1)[TListSamplingPlansWindow::UnitsColumn - 1], "Defects per Unit");

    vdRunOption("OptionsUnitsItem",
                [](QDialog& dialog)
                {
                    UnitsRow(dialog, "UnitsDefectivesRadioGroup", 2)->click();
                    vdClick(dialog, "CancelButton");
                });
    EXPECT_EQ(Row(0)[TListSamplingPlansWindow::UnitsColumn - 1], "Fraction Defective");
}

TEST_F(OptionDialogsTest, DefaultsThatCannotBeKeptAreReported)
{
    // A folder stands where the settings file would be written.
    ASSERT_TRUE(QDir().mkpath(settingsFolder.filePath(QStringLiteral("Brosquin/Veltrame.conf"))));
    vdRunOption("OptionsDefinitionsItem",
                [](QDialog& dialog)
                {
                    Combo(dialog, "AqlProbabilityComboBox").setEditText("0.99");
                    vdClick(dialog, "SaveAsDefaultsButton");
                    vdClick(dialog, "CancelButton");
                });
    vdRunOption("OptionsUnitsItem",
                [](QDialog& dialog)
                {
                    UnitsRow(dialog, "UnitsDefectivesRadioGroup", 0)->click();
                    vdClick(dialog, "SaveAsDefaultsButton");
                    vdClick(dialog, "CancelButton");
                });
    EXPECT_EQ(MessageTexts(), (QStringList{"The defaults could not be saved.",
                                           "The defaults could not be saved."}));
}

} // namespace
} // namespace Brosquin
