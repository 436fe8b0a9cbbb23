#include "app/PlanEntryRoute.h"
#include "app/dialogs/AddPlanDialogBox.h"
#include "app/dialogs/DefectivesSingleDialogBox.h"
#include "app/dialogs/DefectsPerQuantitySingleDialogBox.h"
#include "app/dialogs/DefectsPerUnitSingleDialogBox.h"
#include "tests/app/AppTest.h"
#include "tests/app/OpenDialogTest.h"

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
class PlanEntryDialogsTest : public OpenDialogTest<AppTest, TAttributePlanDialogBox>
{
protected:
    void vdType(const char* name, const QString& text) const
    {
        Find<QLineEdit>(name)->setText(text);
    }
    bool IsShown(const char* name) const { return Find(name)->isVisible(); }

    QStringList Methods() const
    {
        QStringList texts;
        auto* list = Find<QComboBox>("CurtailingComboBox");
        for (int i = 0; i < list->count(); ++i)
            texts.append(list->itemText(i));
        return texts;
    }

    void vdChooseSpecificLotSize(const QString& lotSize) const
    {
        Find<QPushButton>("ShowAdvancedButton")->click();
        Find<QGroupBox>("LotSizeRadioGroup")->findChildren<QRadioButton*>().at(1)->click();
        vdType("LotSizeEditBox", lotSize);
    }

    // Presses OK: the message shown, empty when none was.
    QString OkMessage()
    {
        user.vdClearRecords();
        Find<QPushButton>("OKButton")->click();
        if (user.Messages().empty())
            return QString();
        const MessageRequest& message = user.Messages().back();
        EXPECT_EQ(message.caption, "Veltrame");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
        EXPECT_EQ(message.buttons, MessageButtons::Ok);
        return message.text;
    }
};

TEST_F(PlanEntryDialogsTest, ANewPlanOpensCollapsedAndEmptyWithItsCharacteristicsMethods)
{
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defective Units");
    EXPECT_EQ(Text("SampleSizeEditBox") + Text("AcceptNumberEditBox") + Text("LotSizeEditBox"), "");
    EXPECT_TRUE(IsShown("ShowAdvancedButton"));
    EXPECT_FALSE(IsShown("CurtailingComboBox") || IsShown("LotSizeRadioGroup") ||
                 IsShown("HideAdvancedButton"));
    EXPECT_EQ(dialog->focusWidget()->objectName(), "SampleSizeEditBox");
    EXPECT_EQ(Methods(), (QStringList{"No Curtailing", "Full Curtailing",
                                      "Curtail on Acceptance Only", "Curtail on Rejection Only"}));
    EXPECT_EQ(Find<QLabel>("CurtailingLabel")->text(), "&Method of Curtailing:");
    EXPECT_EQ(dialog->findChild<QLineEdit*>("UnitsEditBox"), nullptr);

    vdOpen(std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defects Per Unit");
    EXPECT_EQ(Methods(), (QStringList{"No Curtailing", "Curtail on Rejection"}));

    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr));
    EXPECT_EQ(dialog->windowTitle(), "Single Sampling Plan for Defects Per Quantity");
    EXPECT_EQ(Methods(), (QStringList{"No Curtailing", "Curtail on Rejection"}));
    EXPECT_EQ(Text("UnitsEditBox"), "");
    QTest::keyClick(dialog.get(), Qt::Key_F1);
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 441);
}

TEST_F(PlanEntryDialogsTest, BadEntriesKeepTheDialogOpenWithTheFocusOnTheOffendingField)
{
    struct Entry
    {
        QString sampleSize, acceptNumber, units, lotSize; // a null lot size: lots of any size
        QString message;                                  // empty: accepted
        QString focus;
    };
    using Open = std::unique_ptr<TAttributePlanDialogBox> (*)();
    const std::vector<std::pair<Open, std::vector<Entry>>> cases = {
        {[]() -> std::unique_ptr<TAttributePlanDialogBox>
         { return std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr); },
         {{"", "1", "", {}, "Sample size is not a valid number.", "SampleSizeEditBox"},
          {"20",
           "20",
           "",
           {},
           "Accept number must be less than sample size.",
           "AcceptNumberEditBox"},
          {"20", "2", "", "19", "Lot size cannot be less than sample size.", "LotSizeEditBox"},
          {"20", "2", "", "20", "", ""}}},
        {[]() -> std::unique_ptr<TAttributePlanDialogBox>
         { return std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, nullptr); },
         {{"5", "-2", "", {}, "Accept number cannot be negative.", "AcceptNumberEditBox"},
          {"5", "2", "", "x", "Lot size is not a valid number.", "LotSizeEditBox"},
          // Defects are not units: there may be more of them than units inspected.
          {"5", "5", "", {}, "", ""}}},
        {[]() -> std::unique_ptr<TAttributePlanDialogBox>
         { return std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr); },
         {{"0", "1", "m", {}, "Sample size must be positive.", "SampleSizeEditBox"},
          {"2.5", "1", "", {}, "Units not specified.", "UnitsEditBox"},
          {"2.5", "1", "m", "2", "Lot size cannot be less than sample size.", "LotSizeEditBox"},
          {"2.5", "1", "m", "40.25", "", ""}}},
    };
    for (const auto& [open, entries] : cases)
        for (const Entry& entry : entries)
        {
            SCOPED_TRACE(entry.message.toStdString());
            vdOpen(open());
            vdType("SampleSizeEditBox", entry.sampleSize);
            vdType("AcceptNumberEditBox", entry.acceptNumber);
            if (dialog->findChild<QLineEdit*>("UnitsEditBox"))
                vdType("UnitsEditBox", entry.units);
            if (!entry.lotSize.isNull())
                vdChooseSpecificLotSize(entry.lotSize);
            EXPECT_EQ(OkMessage(), entry.message);
            EXPECT_EQ(dialog->isVisible(), !entry.focus.isEmpty());
            EXPECT_EQ(dialog->result(),
                      entry.focus.isEmpty() ? QDialog::Accepted : QDialog::Rejected);
            if (!entry.focus.isEmpty())
            {
                EXPECT_EQ(dialog->focusWidget()->objectName(), entry.focus);
                EXPECT_EQ(Text("SampleSizeEditBox"), entry.sampleSize) << "entries stay as typed";
            }
        }
}

TEST_F(PlanEntryDialogsTest, TheAdvancedSectionShowsCurtailingAndLotSizeAndCollapsesToNeither)
{
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, nullptr));
    const int collapsedHeight = dialog->height();
    Find<QPushButton>("ShowAdvancedButton")->click();
    QTest::qWait(0);
    EXPECT_GT(dialog->height(), collapsedHeight);
    EXPECT_FALSE(IsShown("ShowAdvancedButton"));
    EXPECT_TRUE(IsShown("CurtailingComboBox") && IsShown("LotSizeRadioGroup") &&
                IsShown("HideAdvancedButton"));
    EXPECT_EQ(dialog->focusWidget()->objectName(), "SampleSizeEditBox");
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
    EXPECT_EQ(dialog->height(), collapsedHeight);
    EXPECT_EQ(dialog->CurtailingIndex(), 0);
    EXPECT_FALSE(dialog->IsLotSizeGiven());
    EXPECT_EQ(dialog->LotSizeText(), "500");
    vdType("SampleSizeEditBox", "800");
    vdType("AcceptNumberEditBox", "3");
    EXPECT_EQ(OkMessage(), "");
}

TEST_F(PlanEntryDialogsTest, AnExistingPlanShowsItsEntriesAndOpensExpandedOnlyWhenItUsesThem)
{
    DefectivesSingleSamplingPlan plain;
    plain.vdDescribe("125", "3", 0, false, "");
    vdOpen(std::make_unique<TDefectivesSingleDialogBox>(nullptr, &plain));
    EXPECT_EQ(Text("SampleSizeEditBox") + " " + Text("AcceptNumberEditBox"), "125 3");
    EXPECT_FALSE(dialog->IsAdvancedShown());

    DefectsPerUnitSingleSamplingPlan curtailed;
    curtailed.vdDescribe("50", "2", 1, false, "");
    vdOpen(std::make_unique<TDefectsPerUnitSingleDialogBox>(nullptr, &curtailed));
    EXPECT_TRUE(dialog->IsAdvancedShown());
    EXPECT_EQ(Find<QComboBox>("CurtailingComboBox")->currentText(), "Curtail on Rejection");
    EXPECT_FALSE(Find("LotSizeEditBox")->isEnabled());

    DefectsPerQuantitySingleSamplingPlan finite;
    finite.vdDescribe("2.5", "1", "Square Metre", 1, true, "400");
    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, &finite));
    EXPECT_TRUE(dialog->IsAdvancedShown());
    EXPECT_EQ(Text("UnitsEditBox"), "Square Metre");
    EXPECT_TRUE(Find("LotSizeEditBox")->isEnabled());
    EXPECT_EQ(Text("LotSizeEditBox"), "400");
    EXPECT_TRUE(
        dialog->grab().save(QStringLiteral(VELTRAME_ARTIFACT_DIR "/plan-entry-dialog.png")));
    EXPECT_EQ(OkMessage(), "") << "unchanged entries pass as they are";
}

TEST_F(PlanEntryDialogsTest, TextsOutsideAsciiReachThePlanInItsCharacterSet)
{
    vdOpen(std::make_unique<TDefectsPerQuantitySingleDialogBox>(nullptr, nullptr));
    vdType("UnitsEditBox", QString::fromUtf8("m\u00b2 \u20ac \u4e00"));
    // Windows-1252 holds the superscript and the euro sign, not the ideograph.
    EXPECT_EQ(dialog->UnitsText(), QByteArray("m\xb2 \x80 ?"));
}

TEST_F(PlanEntryDialogsTest, TheAddPlanDialogListsEveryTypeByItsCodeAndEntersEach)
{
    TAddPlanDialogBox all(nullptr);
    auto* characteristics = all.findChild<QListWidget*>("CharacteristicListBox");
    auto* types = all.findChild<QListWidget*>("TypeSamplingPlanListBox");
    ASSERT_TRUE(characteristics && types);
    EXPECT_EQ(all.Characteristic(), 0);
    EXPECT_EQ(all.PlanType(), 0) << "the first type is chosen";
    // The codes do not follow the places in the lists.
    const std::vector<std::tuple<int, int, int>> choices = {
        {0, 3, 4}, {0, 4, 6}, {0, 5, 9}, {1, 3, 4}, {2, 2, 2}};
    for (const auto& [characteristic, row, code] : choices)
    {
        characteristics->setCurrentRow(characteristic);
        types->setCurrentRow(row);
        EXPECT_EQ(all.PlanType(), code) << characteristic << " " << row;
    }
    all.findChild<QPushButton*>("HelpButton")->click();
    ASSERT_EQ(user.HelpRequests().size(), 1u);
    EXPECT_EQ(user.HelpRequests().front().context, 40);

    // Every type listed has its entry dialog.
    for (int characteristic = 0; characteristic < SamplingPlan::CharacteristicCount;
         ++characteristic)
        for (const int* type = SamplingPlan::EnterablePlanTypes(characteristic); *type >= 0; ++type)
            EXPECT_NE(PlanEntryRoute::Find(characteristic, *type), nullptr)
                << characteristic << " " << *type;
}

} // namespace
} // namespace Brosquin
