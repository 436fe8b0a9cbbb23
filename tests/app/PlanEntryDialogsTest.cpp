#include "app/PlanEntryRoute.h"
#include "app/dialogs/AddPlanDialogBox.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"
#include "tests/app/AppTest.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <memory>

namespace Brosquin
{
namespace
{

// Drives one entry dialog as the user would, shown but not modal, so that each step can be
// checked.
class PlanEntryDialogsTest : public AppTest
{
protected:
    template <class Dialog> void vdOpen(std::unique_ptr<Dialog> opened)
    {
        dialog = std::move(opened);
        dialog->show();
        dialog->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dialog.get()));
    }

    template <class Control = QWidget> Control* Find(const char* name) const
    {
        auto* control = dialog->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(control, nullptr) << name;
        return control;
    }

    void vdType(const char* name, const QString& text) const
    {
        Find<QLineEdit>(name)->setText(text);
    }
    QString Text(const char* name) const { return Find<QLineEdit>(name)->text(); }

    void vdChooseSpecificLotSize(const QString& lotSize) const
    {
        Find<QPushButton>("ShowAdvancedButton")->click();
        Find<QGroupBox>("LotSizeRadioGroup")->findChildren<QRadioButton*>().at(1)->click();
        vdType("LotSizeEditBox", lotSize);
    }

    // Presses OK: the message shown, empty when none was, and whether the dialog closed.
    QString OkMessage()
    {
        user.vdClearRecords();
        Find<QPushButton>("OKButton")->click();
        if (user.Messages().empty())
            return QString();
        EXPECT_EQ(user.Messages().size(), 1u);
        const MessageRequest& message = user.Messages().back();
        EXPECT_EQ(message.caption, "Veltrame");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        return message.text;
    }

    QString FocusedControl() const
    {
        return dialog->focusWidget() ? dialog->focusWidget()->objectName() : QString();
    }

    bool IsOpen() const { return dialog->isVisible() && dialog->result() != QDialog::Accepted; }

    std::unique_ptr<TAttributePlanDialogBox> dialog;
};

struct Entry
{
    QString sampleSize;
    QString acceptNumber;
    QString units;
    QString lotSize; // null: lots of any size
    QString message; // empty: accepted
    const char* focus;
};

void PrintTo(const Entry& entry, std::ostream* out)
{
    *out << entry.sampleSize.toStdString() << " / " << entry.acceptNumber.toStdString() << " / "
         << entry.units.toStdString() << " / " << entry.lotSize.toStdString();
}

TEST_F(PlanEntryDialogsTest, ANewPlanOpensCollapsedAndEmptyWithTheFocusOnTheSampleSize)
{
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defective Units");
    EXPECT_EQ(Text("SampleSizeEditBox"), "");
    EXPECT_EQ(Text("AcceptNumberEditBox"), "");
    EXPECT_EQ(Text("LotSizeEditBox"), "");
    EXPECT_FALSE(dialog->IsAdvancedShown());
    EXPECT_TRUE(Find("ShowAdvancedButton")->isVisible());
    EXPECT_FALSE(Find("CurtailingComboBox")->isVisible());
    EXPECT_FALSE(Find("LotSizeRadioGroup")->isVisible());
    EXPECT_FALSE(Find("HideAdvancedButton")->isVisible());
    EXPECT_EQ(FocusedControl(), "SampleSizeEditBox");
    EXPECT_EQ(dialog->CurtailingIndex(), 0);
    EXPECT_FALSE(dialog->IsLotSizeGiven());
}

TEST_F(PlanEntryDialogsTest, EachCharacteristicOffersItsOwnMethodsOfCurtailing)
{
    const auto items = [this]
    {
        QStringList texts;
        auto* list = Find<QComboBox>("CurtailingComboBox");
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->itemText(i));
        return texts;
    };
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(items(), QStringList({"No Curtailing", "Full Curtailing",
                                    "Curtail on Acceptance Only", "Curtail on Rejection Only"}));
    EXPECT_EQ(Find<QLabel>("CurtailingLabel")->text(), "&Method of Curtailing:");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("UnitsEditBox"), nullptr);

    vdOpen(std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defects Per Unit");
    EXPECT_EQ(items(), QStringList({"No Curtailing", "Curtail on Rejection"}));

    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defects Per Quantity");
    EXPECT_EQ(items(), QStringList({"No Curtailing", "Curtail on Rejection"}));
    EXPECT_NE(dialog->findChild<QLineEdit*>("UnitsEditBox"), nullptr);
}

TEST_F(PlanEntryDialogsTest, BadEntriesKeepTheDialogOpenWithTheFocusOnTheOffendingField)
{
    struct Case
    {
        std::function<std::unique_ptr<TAttributePlanDialogBox>()> open;
        std::vector<Entry> entries;
    };
    const std::vector<Case> cases = {
        {[] { return std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr); },
         {{"", "1", "", {}, "Sample size is not a valid number.", "SampleSizeEditBox"},
          {"12.5", "1", "", {}, "Sample size must be an integer.", "SampleSizeEditBox"},
          {"0", "0", "", {}, "Sample size must be positive integer.", "SampleSizeEditBox"},
          {"20", "one", "", {}, "Accept number is not a valid number.", "AcceptNumberEditBox"},
          {"20", "1.5", "", {}, "Accept number must be an integer.", "AcceptNumberEditBox"},
          {"20", "-1", "", {}, "Accept number cannot be negative.", "AcceptNumberEditBox"},
          {"20",
           "20",
           "",
           {},
           "Accept number must be less than sample size.",
           "AcceptNumberEditBox"},
          {"20", "2", "", "many", "Lot size is not a valid number.", "LotSizeEditBox"},
          {"20", "2", "", "99.5", "Lot size must be an integer.", "LotSizeEditBox"},
          {"20", "2", "", "19", "Lot size cannot be less than sample size.", "LotSizeEditBox"},
          {"20", "2", "", "20", "", nullptr},
          {"20", "2", "", {}, "", nullptr}}},
        {[] { return std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, nullptr); },
         {{"x", "1", "", {}, "Sample size is not a valid number.", "SampleSizeEditBox"},
          {"-3", "1", "", {}, "Sample size must be positive integer.", "SampleSizeEditBox"},
          {"5", "-2", "", {}, "Accept number cannot be negative.", "AcceptNumberEditBox"},
          {"5", "2", "", "-10", "Lot size cannot be negative.", "LotSizeEditBox"},
          // Defects are not units: there may be more of them than units inspected.
          {"5", "5", "", {}, "", nullptr}}},
        {[] { return std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr); },
         {{"", "1", "m2", {}, "Sample size is not a valid number.", "SampleSizeEditBox"},
          {"0", "1", "m2", {}, "Sample size must be positive.", "SampleSizeEditBox"},
          {"2.5", "1.5", "m2", {}, "Accept number must be an integer.", "AcceptNumberEditBox"},
          {"2.5", "1", "", {}, "Units not specified.", "UnitsEditBox"},
          {"2.5", "1", "m2", "2", "Lot size cannot be less than sample size.", "LotSizeEditBox"},
          {"2.5", "1", "m2", "40.25", "", nullptr},
          {"2.5", "1", "m2", {}, "", nullptr}}},
    };
    for (const Case& group : cases)
        for (const Entry& entry : group.entries)
        {
            SCOPED_TRACE(testing::PrintToString(entry));
            vdOpen(group.open());
            vdType("SampleSizeEditBox", entry.sampleSize);
            vdType("AcceptNumberEditBox", entry.acceptNumber);
            if (dialog->findChild<QLineEdit*>("UnitsEditBox"))
                vdType("UnitsEditBox", entry.units);
            if (!entry.lotSize.isNull())
                vdChooseSpecificLotSize(entry.lotSize);
            EXPECT_EQ(OkMessage(), entry.message);
            if (entry.focus)
            {
                EXPECT_TRUE(IsOpen());
                EXPECT_EQ(FocusedControl(), entry.focus);
                // Every entry stays as typed.
                EXPECT_EQ(Text("SampleSizeEditBox"), entry.sampleSize);
                EXPECT_EQ(Text("AcceptNumberEditBox"), entry.acceptNumber);
            }
            else
            {
                EXPECT_EQ(dialog->result(), QDialog::Accepted);
                EXPECT_FALSE(dialog->isVisible());
            }
        }
}

TEST_F(PlanEntryDialogsTest, TheAdvancedSectionShowsCurtailingAndLotSizeAndCollapsesToNeither)
{
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr));
    const int collapsedHeight = dialog->height();
    Find<QPushButton>("ShowAdvancedButton")->click();
    QTest::qWait(0);
    EXPECT_TRUE(dialog->IsAdvancedShown());
    EXPECT_GT(dialog->height(), collapsedHeight);
    EXPECT_FALSE(Find("ShowAdvancedButton")->isVisible());
    EXPECT_TRUE(Find("CurtailingComboBox")->isVisible());
    EXPECT_TRUE(Find("LotSizeRadioGroup")->isVisible());
    EXPECT_TRUE(Find("HideAdvancedButton")->isVisible());
    EXPECT_EQ(FocusedControl(), "SampleSizeEditBox");
    // The lot size can be typed only for a specific lot.
    EXPECT_FALSE(Find("LotSizeEditBox")->isEnabled());
    vdChooseSpecificLotSize("500");
    EXPECT_TRUE(Find("LotSizeEditBox")->isEnabled());
    Find<QComboBox>("CurtailingComboBox")->setCurrentIndex(3);
    EXPECT_EQ(dialog->CurtailingIndex(), 3);
    EXPECT_TRUE(dialog->IsLotSizeGiven());

    // Collapsing means no curtailing and lots of any size; the lot size typed stays but no longer
    // counts, so a lot smaller than the sample passes.
    Find<QPushButton>("HideAdvancedButton")->click();
    QTest::qWait(0);
    EXPECT_FALSE(dialog->IsAdvancedShown());
    EXPECT_EQ(dialog->height(), collapsedHeight);
    EXPECT_EQ(dialog->CurtailingIndex(), 0);
    EXPECT_FALSE(dialog->IsLotSizeGiven());
    EXPECT_EQ(Text("LotSizeEditBox"), "500");
    EXPECT_FALSE(Find("LotSizeEditBox")->isEnabled());
    vdType("SampleSizeEditBox", "800");
    vdType("AcceptNumberEditBox", "3");
    EXPECT_EQ(OkMessage(), "");
    EXPECT_EQ(dialog->LotSizeText(), "500");
}

TEST_F(PlanEntryDialogsTest, AnExistingPlanShowsItsEntriesAndOpensExpandedOnlyWhenItUsesThem)
{
    DefectivesSingleSamplingPlan plain;
    plain.vdDescribe("125", "3", 0, false, "");
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, &plain));
    EXPECT_EQ(Text("SampleSizeEditBox"), "125");
    EXPECT_EQ(Text("AcceptNumberEditBox"), "3");
    EXPECT_FALSE(dialog->IsAdvancedShown());
    EXPECT_EQ(FocusedControl(), "SampleSizeEditBox");

    DefectsPerUnitSingleSamplingPlan curtailed;
    curtailed.vdDescribe("50", "2", 1, false, "");
    vdOpen(std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, &curtailed));
    EXPECT_TRUE(dialog->IsAdvancedShown());
    EXPECT_EQ(Find<QComboBox>("CurtailingComboBox")->currentText(), "Curtail on Rejection");
    EXPECT_FALSE(Find("LotSizeEditBox")->isEnabled());

    DefectsPerQuantitySingleSamplingPlan finite;
    finite.vdDescribe("2.5", "1", "Square Metre", 0, true, "400");
    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, &finite));
    EXPECT_TRUE(dialog->IsAdvancedShown());
    EXPECT_EQ(Text("SampleSizeEditBox"), "2.5");
    EXPECT_EQ(Text("UnitsEditBox"), "Square Metre");
    EXPECT_TRUE(dialog->IsLotSizeGiven());
    EXPECT_TRUE(Find("LotSizeEditBox")->isEnabled());
    EXPECT_EQ(Text("LotSizeEditBox"), "400");
    // Unchanged entries pass as they are.
    EXPECT_EQ(OkMessage(), "");
}

TEST_F(PlanEntryDialogsTest, CancelAndHelpCheckNothing)
{
    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr));
    Find<QPushButton>("HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 441);
    EXPECT_TRUE(IsOpen());
    Find<QPushButton>("CancelButton")->click();
    EXPECT_EQ(dialog->result(), QDialog::Rejected);
    EXPECT_TRUE(user.Messages().empty());
}

TEST_F(PlanEntryDialogsTest, TextsOutsideAsciiReachThePlanInItsCharacterSet)
{
    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr));
    vdType("SampleSizeEditBox", "1");
    vdType("AcceptNumberEditBox", "0");
    vdType("UnitsEditBox", QString::fromUtf8("m\u00b2 \u20ac \u4e00"));
    EXPECT_EQ(OkMessage(), "");
    // Windows-1252 holds the superscript and the euro sign, not the ideograph.
    EXPECT_EQ(dialog->UnitsText(), QByteArray("m\xb2 \x80 ?"));
}

TEST_F(PlanEntryDialogsTest, TheAddPlanDialogListsTheTypesOfEachCharacteristicByTheirCodes)
{
    TAddPlanDialogBox all(nullptr, [](int, int) { return true; });
    auto* characteristics = all.findChild<QListWidget*>("CharacteristicListBox");
    auto* types = all.findChild<QListWidget*>("TypeSamplingPlanListBox");
    ASSERT_TRUE(characteristics && types);
    EXPECT_EQ(all.windowTitle(), "Enter New Sampling Plan");
    EXPECT_EQ(characteristics->count(), 3);
    EXPECT_EQ(all.Characteristic(), 0);
    EXPECT_EQ(all.PlanType(), 0) << "the first type is chosen";
    // The codes do not follow the places in the lists.
    const std::vector<std::tuple<int, int, int>> choices = {{0, 3, 4}, {0, 4, 6}, {0, 5, 9},
                                                            {1, 3, 4}, {2, 2, 2}, {1, 1, 1}};
    for (const auto& [characteristic, row, code] : choices)
    {
        characteristics->setCurrentRow(characteristic);
        types->setCurrentRow(row);
        EXPECT_EQ(all.Characteristic(), characteristic);
        EXPECT_EQ(all.PlanType(), code) << characteristic << " " << row;
    }

    // Types that cannot be entered yet stay listed but cannot be chosen.
    TAddPlanDialogBox built(nullptr, [](int characteristic, int planType)
                            { return PlanEntryRoute::Find(characteristic, planType) != nullptr; });
    built.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&built));
    types = built.findChild<QListWidget*>("TypeSamplingPlanListBox");
    characteristics = built.findChild<QListWidget*>("CharacteristicListBox");
    for (int characteristic = 0; characteristic < 3; ++characteristic)
    {
        characteristics->setCurrentRow(characteristic);
        EXPECT_TRUE(types->item(0)->flags() & Qt::ItemIsEnabled);
        for (int row = 1; row < types->count(); ++row)
            EXPECT_FALSE(types->item(row)->flags() & Qt::ItemIsEnabled) << row;
        const QRect disabled = types->visualItemRect(types->item(1));
        QTest::mouseClick(types->viewport(), Qt::LeftButton, {}, disabled.center());
        EXPECT_EQ(built.PlanType(), 0) << "a disabled type cannot be chosen";
    }
}

TEST_F(PlanEntryDialogsTest, DoubleClickingATypeChoosesItAndHelpOpensItsTopic)
{
    TAddPlanDialogBox dialog(nullptr, [](int, int) { return true; });
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    auto* types = dialog.findChild<QListWidget*>("TypeSamplingPlanListBox");
    dialog.findChild<QPushButton*>("HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 40);
    types->setCurrentRow(1);
    emit types->itemDoubleClicked(types->item(1));
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_FALSE(dialog.isVisible());
    EXPECT_EQ(dialog.PlanType(), 1);
}

} // namespace
} // namespace Brosquin
