#pragma once

#include "core/String.h"

#include <QDialog>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

class QComboBox;
class QScrollArea;

namespace Brosquin
{

class Drawing;
class TDrawingControl;

// The entry dialog of a plan chosen from a standard's tables: five lists (AQL, level, lot size,
// plan type, inspection option) above a preview of the choice's parameter report, which follows
// every change. The preview's menu, opened by a right click or by the Menu button, copies the
// report's picture together with its text.
class TStandardPlanDialogBox : public QDialog
{
    Q_OBJECT

public:
    // The item indexes of the five lists, in the order above.
    using Choices = std::array<std::uint32_t, 5>;
    using Report = std::unique_ptr<Drawing> (*)(std::uint32_t aql, std::uint32_t level,
                                                std::uint32_t lotSize, std::uint32_t planType,
                                                std::uint32_t option);
    using ReportText = void (*)(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                                std::uint32_t planType, std::uint32_t option, String& text);
    // The plan class's check of a choice: 0, or the number of the list at fault with a message.
    using Check = int (*)(std::uint32_t aql, std::uint32_t level, std::uint32_t lotSize,
                          std::uint32_t planType, std::uint32_t option, String& message);
    // What tells one dialog of the family from another.
    struct Design
    {
        const char* caption;
        int helpContext;
        // The texts of the five lists, each ended by a null entry.
        std::array<const char* const*, 5> lists;
        Report report;
        ReportText reportText;
        Check check;
    };

    ~TStandardPlanDialogBox() override;

    Choices ItemIndexes() const;
    // Gives the chosen items to a plan of the standard.
    template <class Plan> void vdDescribe(Plan& plan) const
    {
        const Choices c = ItemIndexes();
        plan.SetParameters(c[0], c[1], c[2], c[3], c[4]);
    }

    void ComboBoxChange();
    // Closes the dialog once the plan class takes the choice, which it does for every
    // combination of the lists' items.
    void OKButtonClick();
    void MenuButtonClick();
    void CopyClipboardClick();

protected:
    // plan: the plan to edit, or null for a new plan, which starts on the first item of every
    // list.
    template <class Plan>
    TStandardPlanDialogBox(QWidget* owner, const Design& design, const Plan* plan)
        : TStandardPlanDialogBox(
              owner, design,
              plan ? std::optional<Choices>({plan->AqlIndex(), plan->LevelIndex(),
                                             plan->LotSizeIndex(), plan->PlanTypeIndex(),
                                             plan->OptionIndex()})
                   : std::nullopt)
    {
    }

    void showEvent(QShowEvent* event) override;

private:
    TStandardPlanDialogBox(QWidget* owner, const Design& design,
                           const std::optional<Choices>& planChoices);
    void vdBuildPreview();

    Design design;
    std::array<QComboBox*, 5> comboBoxes;
    QScrollArea* pSamplingPlanScrollBox;
    TDrawingControl* pDrawingControl;
};

} // namespace Brosquin
