#pragma once

#include "app/ListSamplingPlansWindow.h"
#include "app/MainMDIWindow.h"
#include "plans/SamplingPlan.h"
#include "plans/SamplingPlanSession.h"
#include "tests/app/AppTest.h"
#include "tests/app/ModalDialogDriver.h"

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

namespace Brosquin
{

// What a user types into a single plan's entry dialog.
struct SingleEntry
{
    QString sampleSize;
    QString acceptNumber;
    QString units = {};   // defects per quantity only
    QString lotSize = {}; // null: lots of any size
    int curtailing = 0;
};

// The program as a person starts it: the main window with its plan list window, and the means to
// enter plans through the dialogs as a person does.
class PlanListTest : public AppTest
{
protected:
    void SetUp() override
    {
        AppTest::SetUp();
        window = CreateMainWindow({});
        window->resize(1100, 600);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        list = window->findChild<TListSamplingPlansWindow*>();
        ASSERT_NE(list, nullptr);
        table = list->findChild<QTableWidget*>(QStringLiteral("ListSamplingPlans"));
        ASSERT_NE(table, nullptr);
        user.vdClearRecords();
    }

    void TearDown() override
    {
        window.reset();
        AppTest::TearDown();
    }

    template <class Control> static Control& In(QDialog& dialog, const char* name)
    {
        return ModalDialogDriver::ControlOf<Control>(dialog, name);
    }

    // True when the widget lies whole within the frame, as a person sees it.
    static bool bWithin(const QWidget& widget, const QWidget& frame)
    {
        return frame.rect().contains(QRect(widget.mapTo(&frame, QPoint(0, 0)), widget.size()));
    }

    // Answers the add-plan dialog with a characteristic and the type at a row of its list.
    void vdQueueAddPlan(int characteristic, int typeRow = 0)
    {
        driver.vdQueue(
            [characteristic, typeRow](QDialog& dialog)
            {
                EXPECT_EQ(dialog.windowTitle(), "Enter New Sampling Plan");
                In<QListWidget>(dialog, "CharacteristicListBox").setCurrentRow(characteristic);
                In<QListWidget>(dialog, "TypeSamplingPlanListBox").setCurrentRow(typeRow);
                In<QPushButton>(dialog, "OkButton").click();
            });
    }

    static void vdFill(QDialog& dialog, const SingleEntry& entry)
    {
        In<QLineEdit>(dialog, "SampleSizeEditBox").setText(entry.sampleSize);
        In<QLineEdit>(dialog, "AcceptNumberEditBox").setText(entry.acceptNumber);
        if (auto* units = dialog.findChild<QLineEdit*>(QStringLiteral("UnitsEditBox")))
            units->setText(entry.units);
        if (entry.curtailing != 0 || !entry.lotSize.isNull())
        {
            auto& show = In<QPushButton>(dialog, "ShowAdvancedButton");
            if (show.isVisible())
                show.click();
            In<QComboBox>(dialog, "CurtailingComboBox").setCurrentIndex(entry.curtailing);
            if (!entry.lotSize.isNull())
            {
                In<QGroupBox>(dialog, "LotSizeRadioGroup")
                    .findChildren<QRadioButton*>()
                    .at(1)
                    ->click();
                In<QLineEdit>(dialog, "LotSizeEditBox").setText(entry.lotSize);
            }
        }
    }

    // Answers an entry dialog with the entry and OK.
    void vdQueueEntry(const SingleEntry& entry)
    {
        driver.vdQueue(
            [entry](QDialog& dialog)
            {
                vdFill(dialog, entry);
                In<QPushButton>(dialog, "OKButton").click();
            });
    }

    // Enters a single plan through the Plans menu.
    void vdEnterSinglePlan(int characteristic, const SingleEntry& entry)
    {
        vdQueueAddPlan(characteristic);
        vdQueueEntry(entry);
        Item("PlansEnterNewItem")->trigger();
    }

    void vdEnterThreePlans()
    {
        vdEnterSinglePlan(SamplingPlan::DefectiveUnits, {"125", "3"});
        vdEnterSinglePlan(SamplingPlan::DefectsPerUnit, {"50", "2", {}, {}, 1});
        vdEnterSinglePlan(SamplingPlan::DefectsPerQuantity, {"2.5", "1", "Metre", "400"});
    }

    QAction* Item(const char* name) const
    {
        auto* item = window->findChild<QAction*>(QLatin1String(name));
        EXPECT_NE(item, nullptr) << name;
        return item;
    }

    QPushButton* Button(const char* name) const
    {
        auto* button = list->findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    QStringList Row(int row) const
    {
        QStringList texts;
        for (int column = 1; column < table->columnCount(); ++column)
            texts.append(table->item(row, column)->text());
        return texts;
    }

    QString Description(std::uint32_t index) const
    {
        return QString::fromLatin1(list->Session().Plan(index)->Description().Text());
    }

    // The descriptions of the plans in session order.
    QStringList Order() const
    {
        QStringList descriptions;
        for (std::uint32_t index = 1; index <= list->Session().Count(); ++index)
            descriptions.append(Description(index));
        return descriptions;
    }

    std::unique_ptr<TMainMDIWindow> window;
    TListSamplingPlansWindow* list = nullptr;
    QTableWidget* table = nullptr;
    ModalDialogDriver driver;
};

} // namespace Brosquin
