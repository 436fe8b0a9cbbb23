#include "standards/ReportForm.h"

#include "graphics/Drawing.h"

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
