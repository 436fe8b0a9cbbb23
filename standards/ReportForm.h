#pragma once

#include "core/String.h"
#include "graphics/Text.h"
#include "standards/StandardChoice.h"

#include <initializer_list>
#include <memory>
#include <string>

namespace Brosquin
{

class Drawing;

// A text of a drawn report line at column x.
struct ReportPiece
{
    double x;
    std::string text;
    double size = 1.0;
    TextAlignment alignment = TextAlignment::Start;
};

// A parameter report written once and given two forms: a drawing whose coordinates count text
// columns across and text lines down from 0, or text with CR LF line ends. Each item has both
// forms; the two are not always alike line for line.
class ReportForm
{
public:
    virtual ~ReportForm() = default;

    // Draws the pieces on the current line and moves lines down; writes text as it stands.
    virtual void vdAdd(std::initializer_list<ReportPiece> pieces, int lines,
                       const std::string& text) = 0;

    // A title at column 0 in the larger size, followed by an empty line.
    void vdTitle(const std::string& title);
    // One line drawn at column x; its text form is indent + line.
    void vdLine(double x, const char* indent, const std::string& line);
    void vdEmptyLine();
    // The report's title, then the five lines of the choice (AQL, level, lot size, code letter,
    // plan type), and an empty line.
    void vdChoiceLines(const std::string& title, const ChoiceTexts& texts);
    // "Normal Sampling Plan:", "Tightened Sampling Plan:" or "Reduced Sampling Plan:" as a title.
    void vdRegimeTitle(InspectionRegime regime);
    // The switching rules' title and the rules every switching option states: inspection starts
    // on normal and moves between normal and tightened.
    void vdSwitchingStart(const std::string& title);
};

// Draws into a drawing that starts with an invisible rectangle from (-1, -1) to (0, 0), the
// margin above and left of the first line.
class DrawingReportForm final : public ReportForm
{
public:
    explicit DrawingReportForm(Drawing& drawing);
    void vdAdd(std::initializer_list<ReportPiece> pieces, int lines,
               const std::string& text) override;

private:
    Drawing& drawing;
    double row = 0;
};

// Writes the text form into a String, which it first empties and makes room in for 1000
// characters.
class TextReportForm final : public ReportForm
{
public:
    explicit TextReportForm(String& text);
    void vdAdd(std::initializer_list<ReportPiece> pieces, int lines,
               const std::string& text) override;

private:
    String& text;
};

// Writes the report of a choice into a form.
using ReportWriter = void (*)(ReportForm& form, const StandardChoice& choice);

// The report as a new drawing.
std::unique_ptr<Drawing> ReportDrawing(ReportWriter write, const StandardChoice& choice);
// The report as text, in place of text's contents.
void vdReportText(ReportWriter write, const StandardChoice& choice, String& text);

} // namespace Brosquin
