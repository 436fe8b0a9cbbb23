#include "standards/ReportForm.h"

#include "graphics/Drawing.h"

#include <new>

namespace Brosquin
{

void ReportForm::vdTitle(const std::string& title)
{
    vdAdd({{0, title, 1.2}}, 2, title + "\r\n\r\n");
}

void ReportForm::vdLine(double x, const char* indent, const std::string& line)
{
    vdAdd({{x, line}}, 1, indent + line + "\r\n");
}

void ReportForm::vdEmptyLine()
{
    vdAdd({}, 1, "\r\n");
}

void ReportForm::vdChoiceLines(const std::string& title, const ChoiceTexts& texts)
{
    vdTitle(title);
    vdLine(1, "  ", std::string("AQL = ") + texts.aql);
    vdLine(1, "  ", std::string("Level = ") + texts.level);
    vdLine(1, "  ", std::string("Lot Size = ") + texts.lotSize);
    vdLine(1, "  ", std::string("Letter Code = ") + texts.letter);
    vdLine(1, "  ", std::string("Type Sampling Plan = ") + texts.planType);
    vdEmptyLine();
}

void ReportForm::vdRegimeTitle(InspectionRegime regime)
{
    static constexpr const char* titles[] = {
        "Normal Sampling Plan:", "Tightened Sampling Plan:", "Reduced Sampling Plan:"};
    vdTitle(titles[static_cast<std::uint32_t>(regime)]);
}

void ReportForm::vdSwitchingStart(const std::string& title)
{
    vdTitle(title);
    vdLine(1, "  ", "Start using Normal.");
    vdLine(1, "  ", "N to T: If 2 of 5 consecutive lots not accepted while on normal.");
    vdLine(1, "  ", "T to N: If 5 consecutive lots accepted while on tightened.");
}

DrawingReportForm::DrawingReportForm(Drawing& drawing) : drawing(drawing)
{
    drawing.AddRect(-1, -1, 0, 0, 0, 0, 0, false, 0, 0);
}

void DrawingReportForm::vdAdd(std::initializer_list<ReportPiece> pieces, int lines,
                              const std::string&)
{
    for (const ReportPiece& piece : pieces)
        drawing.AddText(piece.text.c_str(), piece.x, row, piece.size, piece.alignment, 0, false,
                        false, 0);
    row += lines;
}

std::unique_ptr<Drawing> ReportDrawing(ReportWriter write, const StandardChoice& choice)
{
    std::unique_ptr<Drawing> drawing(new Drawing());
    if (!drawing)
        throw std::bad_alloc();
    DrawingReportForm form(*drawing);
    write(form, choice);
    return drawing;
}

void vdReportText(ReportWriter write, const StandardChoice& choice, String& text)
{
    TextReportForm form(text);
    write(form, choice);
}

TextReportForm::TextReportForm(String& text) : text(text)
{
    text = "";
    text.vdReserve(1000);
}

void TextReportForm::vdAdd(std::initializer_list<ReportPiece>, int, const std::string& line)
{
    text += line.c_str();
}

} // namespace Brosquin
