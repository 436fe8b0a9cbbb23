#include "app/EvaluationWindow.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesMultipleSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "tests/app/EvaluationRoadTest.h"

#include <QPageLayout>
#include <QTabWidget>
#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

namespace Brosquin
{
namespace
{

// The printer's A4 paper turned, within its margins of 10 points (its layout during the tests).
constexpr double paperLeft = 10;
constexpr double paperRight = 832;
constexpr double paperTop = 10;
constexpr double paperBottom = 585;

// Evaluation tables printed to PDF, as on a machine without printers, and read back page by page.
class PrintedTablesTest : public EvaluationRoadTest
{
protected:
    void SetUp() override
    {
        EvaluationRoadTest::SetUp();
        ASSERT_TRUE(ApplicationPrinter().setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                        QPageLayout::Point)));
    }

    void TearDown() override
    {
        ApplicationPrinter().setPageLayout(printerLayout);
        EvaluationRoadTest::TearDown();
    }

    void vdAddSingle(const char* n, const char* a, std::int8_t method = 0,
                     const char* lotSize = nullptr)
    {
        auto plan = std::make_unique<DefectivesSingleSamplingPlan>();
        plan->vdDescribe(n, a, method, lotSize != nullptr, lotSize != nullptr ? lotSize : "");
        vdAdd(std::move(plan));
    }

    void vdAddDouble(const char* n1, const char* a1, const char* r1, const char* n2, const char* a2,
                     std::int8_t method = 0, const char* lotSize = nullptr)
    {
        auto plan = std::make_unique<DefectivesDoubleSamplingPlan>();
        plan->vdDescribe(n1, a1, r1, n2, a2, method, lotSize != nullptr,
                         lotSize != nullptr ? lotSize : "");
        vdAdd(std::move(plan));
    }

    // A plan of five stages of 20 units.
    void vdAddMultiple(const char* const (&a)[5], const char* const (&r)[5], std::int8_t method,
                       const char* lotSize)
    {
        String n[5], accept[5], reject[5];
        for (int k = 0; k < 5; ++k)
        {
            n[k] = "20";
            accept[k] = a[k];
            reject[k] = r[k];
        }
        auto plan = std::make_unique<DefectivesMultipleSamplingPlan>();
        plan->vdDescribe(5, n, accept, reject, method, true, lotSize);
        vdAdd(std::move(plan));
    }

    // Evaluates the plans of the list from position first to last.
    TEvaluationWindow* EvaluatePlans(std::uint32_t first, std::uint32_t last)
    {
        for (std::uint32_t i = 1; i <= Session().Count(); ++i)
            Session().Plan(i)->vdSetChecked(i >= first && i <= last);
        list->vdRefreshList(first);
        return Evaluate();
    }

    // Prints the window's page through its Print button, expecting so many pages on the paper
    // turned (or as set), with their text no smaller than 8 points; the texts of each page.
    std::vector<std::vector<PdfText>> Printed(TEvaluationWindow& evaluation, int page, int pages,
                                              bool bTurned = true)
    {
        evaluation.PageControl()->setCurrentIndex(page);
        const QString pdf = PrintToPdf(QStringLiteral("print%1.pdf").arg(++prints));
        ButtonOf(&evaluation, "PrintButton")->click();
        EXPECT_TRUE(user.Messages().empty());
        const std::vector<double> points = PrintedTextPoints(pdf, pages, bTurned);
        EXPECT_FALSE(points.empty());
        if (!points.empty())
        {
            EXPECT_GE(*std::min_element(points.begin(), points.end()), 8.0) << page;
        }
        QFile file(pdf);
        return file.open(QIODevice::ReadOnly) ? PdfPlacedTexts(file.readAll())
                                              : std::vector<std::vector<PdfText>>();
    }

    // The text that reads so on the page, expected there.
    static PdfText Found(const std::vector<PdfText>& page, const QString& reads)
    {
        const PdfText text = TextReading(page, reads);
        EXPECT_EQ(text.text, reads) << reads.toStdString();
        return text;
    }

    QString Description(std::uint32_t position) const
    {
        return QString::fromLatin1(Session().Plan(position)->Description().Text());
    }

private:
    void vdAdd(std::unique_ptr<SamplingPlan> plan)
    {
        Session().vdAddPlan(std::move(plan));
        list->vdRefreshList(Session().Count());
    }

    const QPageLayout printerLayout = ApplicationPrinter().pageLayout();
    int prints = 0;
};

// Summary Info and Percentiles of one to five plans, the first with the longest description of
// a double plan (some 300 points at 8 points, more than the room the columns as the window shows
// them leave on the paper turned), print on one page each, on the paper turned but for the
// Percentiles of one or two plans, every text of the table on it within the paper's margins:
// every column is narrowed to its texts, which stay at least a line apart in each row, each
// heading over its column.
TEST_F(PrintedTablesTest, SmallTablesPrintOnOnePage)
{
    vdAddDouble("80", "2", "5", "160", "6", 5, "5000");
    vdAddSingle("125", "3", 1, "1000");
    vdAddDouble("50", "1", "4", "100", "4", 6, "20000");
    vdAddDouble("80", "2", "5", "160", "6", 0, "5000");
    vdAddSingle("315", "7", 0, "10000");
    for (std::uint32_t count = 1; count <= 5; ++count)
    {
        TEvaluationWindow* evaluation = EvaluatePlans(1, count);
        ASSERT_NE(evaluation, nullptr);
        for (const auto& [page, lastHeading] :
             {std::pair{TEvaluationWindow::SummaryPage, "Rate LTPD"},
              std::pair{TEvaluationWindow::PercentilesPage, "1%"}})
        {
            const bool bTurned = page == TEvaluationWindow::SummaryPage || count > 2;
            const std::vector<std::vector<PdfText>> pages = Printed(*evaluation, page, 1, bTurned);
            ASSERT_EQ(pages.size(), 1u) << count << " plans, page " << page;
            std::map<double, std::vector<PdfText>> rows;
            for (const PdfText& text : pages[0])
            {
                EXPECT_GE(text.start.x(), paperLeft) << text.text.toStdString();
                EXPECT_LE(text.lastStart.x(), bTurned ? paperRight : paperBottom)
                    << text.text.toStdString();
                EXPECT_GE(text.start.y(), paperTop) << text.text.toStdString();
                EXPECT_LE(text.start.y(), bTurned ? paperBottom : paperRight)
                    << text.text.toStdString();
                rows[text.start.y()].push_back(text);
            }
            const QStringList texts = Readings(pages[0]);
            for (std::uint32_t plan = 1; plan <= count; ++plan)
                EXPECT_EQ(texts.count(Description(plan)), 1) << count << " " << page;
            EXPECT_EQ(texts.count(QLatin1String(lastHeading)), 1) << count << " " << page;
            // The plans' heading stands two lines above the first plan.
            const double line = 0.5 * (Found(pages[0], Description(1)).start.y() -
                                       Found(pages[0], QStringLiteral("Sampling Plan")).start.y());
            ASSERT_GT(line, 9);
            for (auto& [y, row] : rows)
            {
                std::sort(row.begin(), row.end(),
                          [](const PdfText& a, const PdfText& b)
                          { return a.start.x() < b.start.x(); });
                for (std::size_t i = 1; i < row.size(); ++i)
                    EXPECT_GE(row[i].start.x() - row[i - 1].lastStart.x(), line)
                        << row[i - 1].text.toStdString() << " | " << row[i].text.toStdString();
            }
            if (page == TEvaluationWindow::SummaryPage)
            {
                // "Protection" over each plan's "Constant": their middles, from the start of the
                // first glyph to the start of the last, are half a glyph apart at most.
                const PdfText heading = Found(pages[0], QStringLiteral("Protection"));
                const double middle = 0.5 * (heading.start.x() + heading.lastStart.x());
                int shown = 0;
                for (const PdfText& text : pages[0])
                    if (text.text == QLatin1String("Constant"))
                    {
                        ++shown;
                        EXPECT_NEAR(0.5 * (text.start.x() + text.lastStart.x()), middle,
                                    0.3 * line);
                    }
                EXPECT_EQ(shown, static_cast<int>(count));
            }
        }
        evaluation->SubWindow()->close();
    }
}

// A table that prints on one page of A4 at 8 points does on Letter too, whose page turned is 50
// points narrower: the Summary Info of five double plans with samples of four digits, the largest
// lot and a curtailing option, and the Summary Info and the Percentiles of nine plans of the three
// kinds, each description once on its page.
TEST_F(PrintedTablesTest, TablesOnOnePageOfA4FitOnLetter)
{
    for (int n1 : {2000, 3150, 1250, 4000, 2500})
        vdAddDouble(std::to_string(n1).c_str(), "21", "27", std::to_string(2 * n1).c_str(), "50", 5,
                    "2147483646");
    vdAddSingle("125", "3", 1, "1000");
    vdAddSingle("315", "7", 3, "10000");
    vdAddSingle("2000", "21", 2, "2147483646");
    vdAddDouble("80", "2", "5", "160", "6", 5, "5000");
    vdAddDouble("2000", "21", "27", "4000", "50", 4, "2147483646");
    vdAddDouble("1250", "10", "16", "2500", "30", 6, "100000");
    for (const auto& [method, lotSize] :
         {std::pair<std::int8_t, const char*>{1, "20000"}, {4, "2147483646"}, {5, "100000"}})
        vdAddMultiple({"#", "0", "1", "2", "4"}, {"3", "3", "4", "5", "5"}, method, lotSize);
    for (QPageSize::PageSizeId paper : {QPageSize::A4, QPageSize::Letter})
    {
        ASSERT_TRUE(ApplicationPrinter().setPageLayout(
            QPageLayout(QPageSize(paper), QPageLayout::Portrait, QMarginsF(10, 10, 10, 10),
                        QPageLayout::Point)));
        for (const auto& [first, last, page] :
             {std::tuple{1u, 5u, TEvaluationWindow::SummaryPage},
              std::tuple{6u, 14u, TEvaluationWindow::SummaryPage},
              std::tuple{6u, 14u, TEvaluationWindow::PercentilesPage}})
        {
            TEvaluationWindow* evaluation = EvaluatePlans(first, last);
            ASSERT_NE(evaluation, nullptr);
            const std::vector<std::vector<PdfText>> pages = Printed(*evaluation, page, 1);
            ASSERT_EQ(pages.size(), 1u) << paper << " " << first << " " << page;
            const QStringList texts = Readings(pages[0]);
            for (std::uint32_t plan = first; plan <= last; ++plan)
                EXPECT_EQ(texts.count(Description(plan)), 1) << paper << " " << plan;
            evaluation->SubWindow()->close();
        }
    }
}

// The Summary Info of three plans, 92.3 lines wide as the window shows it with its margins of two
// lines, would be some 836 points wide with its text at 8 points, more than the 822 of the paper
// turned: printed without its margins, 88.3 lines, it is scaled to the paper's width.
TEST_F(PrintedTablesTest, ATableALittleWiderThanThePageIsScaledToItsWidth)
{
    vdAddSingle("50", "1");
    vdAddSingle("125", "3", 2, "1000");
    vdAddSingle("200", "5");
    TEvaluationWindow* evaluation = EvaluatePlans(1, 3);
    ASSERT_NE(evaluation, nullptr);
    const std::vector<std::vector<PdfText>> pages =
        Printed(*evaluation, TEvaluationWindow::SummaryPage, 1);
    ASSERT_EQ(pages.size(), 1u);
    const std::vector<PdfText>& page = pages[0];
    // The rows of the plans, one line apart.
    const PdfText first = Found(page, Description(1));
    const PdfText widest = Found(page, Description(2));
    const double line = widest.start.y() - first.start.y();
    ASSERT_GT(line, 9);
    double right = 0;
    for (const PdfText& text : page)
        right = std::max(right, text.lastStart.x());
    // The widest description starts a line from the paper's left margin, the last glyph of the
    // last column's heading some two and a half from its right margin.
    EXPECT_NEAR((widest.start.x() - paperLeft) / line, 1, 0.1);
    EXPECT_NEAR((paperRight - right) / line, 2.45, 0.15);
    const PdfText last = Found(page, QStringLiteral("Rate LTPD"));
    EXPECT_DOUBLE_EQ(last.lastStart.x(), right);
}

// A table too large for one page even with every column narrowed to its texts is cut between
// columns without a page that holds one column alone. The Summary Info of 70 plans, one with a
// description of 30 lines, prints on two pages across upright, four of its eight value columns on
// each, its plans' column as wide as that description and a line either side, which so stands
// some four lines clear of the AQL column's heading. The Percentiles of 100 plans print on two
// pages down upright, each with all nine columns.
TEST_F(PrintedTablesTest, NoPageHoldsOneColumnAlone)
{
    vdAddDouble("80", "2", "5", "160", "6", 3, "5000");
    for (int i = 0; i < 100; ++i)
        vdAddSingle(std::to_string(20 + 5 * i).c_str(), std::to_string(i / 10).c_str());
    TEvaluationWindow* evaluation = EvaluatePlans(1, 70);
    ASSERT_NE(evaluation, nullptr);
    const std::vector<std::vector<PdfText>> summary =
        Printed(*evaluation, TEvaluationWindow::SummaryPage, 2, false);
    const QStringList columns = {"AQL",         "LTPD",     "AOQL",         "Protection",
                                 "Min OC(AQL)", "Rate AQL", "Max OC(LTPD)", "Rate LTPD"};
    int headings = 0;
    for (const std::vector<PdfText>& page : summary)
    {
        const QStringList texts = Readings(page);
        const auto shown =
            std::count_if(columns.begin(), columns.end(),
                          [&](const QString& column) { return texts.contains(column); });
        EXPECT_EQ(shown, 4);
        headings += static_cast<int>(shown);
    }
    EXPECT_EQ(headings, columns.size());
    ASSERT_FALSE(summary.empty());
    const PdfText first = Found(summary[0], Description(1));
    const PdfText next = Found(summary[0], Description(2));
    const double line = next.start.y() - first.start.y();
    ASSERT_GT(line, 8);
    const double clear =
        (Found(summary[0], QStringLiteral("AQL")).start.x() - first.lastStart.x()) / line;
    EXPECT_GT(clear, 3);
    EXPECT_LT(clear, 5);
    evaluation->SubWindow()->close();

    evaluation = EvaluatePlans(2, 101);
    ASSERT_NE(evaluation, nullptr);
    const std::vector<std::vector<PdfText>> percentiles =
        Printed(*evaluation, TEvaluationWindow::PercentilesPage, 2, false);
    QStringList rows;
    for (const std::vector<PdfText>& page : percentiles)
    {
        const QStringList texts = Readings(page);
        for (const char* column : {"99%", "95%", "90%", "75%", "50%", "25%", "10%", "5%", "1%"})
            EXPECT_EQ(texts.count(QLatin1String(column)), 1) << column;
        for (const QString& text : texts)
            if (text.contains(QLatin1Char(':')))
                rows.append(text);
    }
    ASSERT_EQ(rows.size(), 100);
    for (std::uint32_t plan = 2; plan <= 101; ++plan)
        EXPECT_EQ(rows.count(Description(plan)), 1) << plan;
}

// The Curves table of a single, a double and a multiple plan over 200 rows, the double plan's
// description some 37 lines wide and the multiple plan's some 31, against 32 for four columns of
// the usual width: printed, no text crosses the paper's margins, no description runs into
// another, and the pages are cut between the plans' groups of columns (upright, one plan on each
// of three pages across, in three bands of rows), so that on every page each plan's four headings
// stand under its whole description, with every value of their columns on the same page, under
// its heading.
TEST_F(PrintedTablesTest, CurvesTablePagesKeepEachPlansColumnsWhole)
{
    vdAddSingle("125", "3", 0, "1000");
    vdAddDouble("80", "2", "5", "160", "6", 5, "5000");
    vdAddMultiple({"#", "0", "1", "2", "4"}, {"3", "3", "4", "5", "5"}, 1, "2000");
    TEvaluationWindow* evaluation = EvaluatePlans(1, 3);
    ASSERT_NE(evaluation, nullptr);
    String message;
    ASSERT_EQ(evaluation->EvaluationList()->SetRange("0", "19.9", "199", message), 0);
    const std::vector<std::vector<PdfText>> pages =
        Printed(*evaluation, TEvaluationWindow::TablePage, 9, false);
    ASSERT_EQ(pages.size(), 9u);
    const QStringList descriptions = {Description(1), Description(2), Description(3)};
    const QStringList headings = {"OC (Pa)", "ASN", "E{#Stages}", "AOQ"};
    // The paper as set, A4 upright, within its margins of 10 points.
    constexpr double right = 585;
    constexpr double bottom = 832;
    std::map<QString, int> shownDescriptions;
    int values = 0;
    for (std::size_t p = 0; p < pages.size(); ++p)
    {
        const std::vector<PdfText>& page = pages[p];
        std::vector<PdfText> placed;
        std::vector<PdfText> groupHeadings;
        for (const PdfText& text : page)
        {
            EXPECT_GE(text.start.x(), paperLeft) << p << " " << text.text.toStdString();
            EXPECT_LE(text.lastStart.x(), right) << p << " " << text.text.toStdString();
            EXPECT_GE(text.start.y(), paperTop) << p << " " << text.text.toStdString();
            EXPECT_LE(text.start.y(), bottom) << p << " " << text.text.toStdString();
            if (descriptions.contains(text.text))
            {
                placed.push_back(text);
                ++shownDescriptions[text.text];
            }
            if (headings.contains(text.text))
                groupHeadings.push_back(text);
        }
        // The headings stand five lines below the subtitle.
        const PdfText labels = Found(page, QStringLiteral("Percent Defective"));
        const double line =
            0.2 * (labels.start.y() -
                   Found(page, QStringLiteral("Inspection for Defective Units")).start.y());
        ASSERT_GT(line, 8) << p;
        const auto middle = [](const PdfText& text)
        { return 0.5 * (text.start.x() + text.lastStart.x()); };
        // Every value of the body stands under a heading of its page, a column being some four
        // lines wide.
        for (const PdfText& text : page)
        {
            if (text.start.y() <= labels.start.y() || text.start.x() < labels.lastStart.x())
                continue;
            ++values;
            double offset = std::numeric_limits<double>::infinity();
            for (const PdfText& heading : groupHeadings)
                offset = std::min(offset, std::abs(middle(heading) - middle(text)));
            EXPECT_LT(offset, 0.5 * line) << p << " " << text.text.toStdString();
        }
        // Each description over its plan's four headings, in their middle, half a line clear of
        // the next.
        EXPECT_FALSE(placed.empty()) << p;
        EXPECT_EQ(groupHeadings.size(), 4 * placed.size()) << p;
        if (groupHeadings.size() != 4 * placed.size())
            continue;
        const auto byX = [](const PdfText& a, const PdfText& b)
        { return a.start.x() < b.start.x(); };
        std::sort(placed.begin(), placed.end(), byX);
        std::sort(groupHeadings.begin(), groupHeadings.end(), byX);
        for (std::size_t d = 0; d < placed.size(); ++d)
        {
            for (std::size_t c = 0; c < 4; ++c)
                EXPECT_EQ(groupHeadings[4 * d + c].text, headings[static_cast<qsizetype>(c)]) << p;
            EXPECT_NEAR(
                middle(placed[d]),
                0.5 * (groupHeadings[4 * d].start.x() + groupHeadings[4 * d + 3].lastStart.x()),
                line)
                << p << " " << placed[d].text.toStdString();
            if (d > 0)
            {
                EXPECT_GE(placed[d].start.x() - placed[d - 1].lastStart.x(), 0.5 * line)
                    << p << " " << placed[d - 1].text.toStdString() << " | "
                    << placed[d].text.toStdString();
            }
        }
    }
    // Each description heads the three bands of rows, once on each.
    for (const QString& description : descriptions)
        EXPECT_EQ(shownDescriptions[description], 3) << description.toStdString();
    EXPECT_EQ(values, 200 * 12);
}

} // namespace
} // namespace Brosquin
