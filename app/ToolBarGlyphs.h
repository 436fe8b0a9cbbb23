#pragma once

#include <QIcon>

namespace Brosquin
{

enum class ToolBarGlyph
{
    New,
    Open,
    Save,
    SaveAs,
    Print,
    PrintSetup,
    Copy,
    EnterPlan,
    SelectPlans,
    Evaluate,
    MatchProtection,
    Edit,
    Duplicate,
    Delete,
    CheckAll,
    UncheckAll,
    HelpContents,
    HelpSearch,
    HomePage
};

// The tool bar's pictures, drawn here from lines and shapes (24 by 24, with a greyed form for a
// disabled button).
QIcon ToolBarIcon(ToolBarGlyph glyph);

} // namespace Brosquin
