#include "app/EvaluationWindow.h"
#include "plans/DefectivesDoubleSamplingPlan.h"
#include "plans/DefectivesSingleSamplingPlan.h"
#include "tests/app/EvaluationRoadTest.h"

#include <QPageLayout>
#include <QTabWidget>
#include <algorithm>
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

    // Evaluates the plans of the list from position first to last.
    TEvaluationWindow* EvaluatePlans(std::uint32_t first, std::uint32_t last)
    {
        for (std::uint32_t i = 1; i <= Session().Count(); ++i)
            Session().Plan(i)->vdSetChecked(i >= first && i <= last);
        list->vdRefreshList(first);
        return Evaluate();
    }

    // Prints the window's page through its Print button, expecting so many pages on the paper
    // turned, with their text no smaller than 8 points; the texts of each page.
    std::vector<std::vector<PdfText>> Printed(TEvaluationWindow& evaluation, int page, int pages)
    {
        evaluation.PageControl()->setCurrentIndex(page);
        const QString pdf = PrintToPdf(QStringLiteral("print%1.pdf").arg(++prints));
        ButtonOf(&evaluation, "PrintButton")->click();
        EXPECT_TRUE(user.Messages().empty());
        const std::vector<double> points = PrintedTextPoints(pdf, pages, true);
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
// them leave on the paper turned), print on one page each, every text of the table on it within
// the paper's margins: every column is narrowed to its texts, which stay at least a line apart
// in each row, each heading over its column.
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
            const std::vector<std::vector<PdfText>> pages = Printed(*evaluation, page, 1);
            ASSERT_EQ(pages.size(), 1u) << count << " plans, page " << page;
            std::map<double, std::vector<PdfText>> rows;
            for (const PdfText& text : pages[0])
            {
                EXPECT_GE(text.start.x(), paperLeft) << text.text.toStdString();
                EXPECT_LE(text.lastStart.x(), paperRight) << text.text.toStdString();
                EXPECT_GE(text.start.y(), paperTop) << text.text.toStdString();
                EXPECT_LE(text.start.y(), paperBottom) << text.text.toStdString();
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

// The Summary Info of three plans, 108 lines wide as the window shows it, would be some 980
// points wide with its text at 8 points, more than the 822 of the paper turned: printed, its
// plans' column is narrowed to their descriptions and the table is scaled to the paper's width,
// its margins of two lines and the room of half a line beside the descriptions aside.
TEST_F(PrintedTablesTest, ATableALittleWiderThanThePageIsScaledToItsWidth)
{
    vdAddSingle("50", "1");
    vdAddSingle("125", "3", 1, "1000");
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
    // The widest description starts two and a half lines from the paper's left margin, the last
    // glyph of the last column's heading some four and a half from its right margin.
    EXPECT_NEAR((widest.start.x() - paperLeft) / line, 2.5, 0.1);
    EXPECT_NEAR((paperRight - right) / line, 4.45, 0.15);
    const PdfText last = Found(page, QStringLiteral("Rate LTPD"));
    EXPECT_DOUBLE_EQ(last.lastStart.x(), right);
}

// A table too large for one page even with every column narrowed to its texts is cut between
// columns without a page that holds one column alone. The Summary Info of 70 plans, one with a
// description of 30 lines, is two pages tall; its plans' column narrowed to that description
// would leave its last column alone on a page, so it keeps that column as the window shows it,
// the description some eight lines clear of the AQL column. The Percentiles of 100 plans, three
// pages tall, would leave its last column alone on a page turned as the window shows it; with the
// plans' column narrowed it prints on three pages turned, each with all nine columns.
TEST_F(PrintedTablesTest, NoPageHoldsOneColumnAlone)
{
    vdAddDouble("80", "2", "5", "160", "6", 3, "5000");
    for (int i = 0; i < 100; ++i)
        vdAddSingle(std::to_string(20 + 5 * i).c_str(), std::to_string(i / 10).c_str());
    TEvaluationWindow* evaluation = EvaluatePlans(1, 70);
    ASSERT_NE(evaluation, nullptr);
    const std::vector<std::vector<PdfText>> summary =
        Printed(*evaluation, TEvaluationWindow::SummaryPage, 4);
    const QStringList columns = {"AQL",         "LTPD",     "AOQL",         "Protection",
                                 "Min OC(AQL)", "Rate AQL", "Max OC(LTPD)", "Rate LTPD"};
    int headings = 0;
    for (const std::vector<PdfText>& page : summary)
    {
        const QStringList texts = Readings(page);
        const auto shown =
            std::count_if(columns.begin(), columns.end(),
                          [&](const QString& column) { return texts.contains(column); });
        EXPECT_GE(shown, 2);
        headings += static_cast<int>(shown);
    }
    EXPECT_EQ(headings, 2 * columns.size());
    ASSERT_FALSE(summary.empty());
    const PdfText first = Found(summary[0], Description(1));
    const PdfText next = Found(summary[0], Description(2));
    const double line = next.start.y() - first.start.y();
    ASSERT_GT(line, 8);
    EXPECT_GT((Found(summary[0], QStringLiteral("AQL")).start.x() - first.lastStart.x()) / line, 6);
    evaluation->SubWindow()->close();

    evaluation = EvaluatePlans(2, 101);
    ASSERT_NE(evaluation, nullptr);
    const std::vector<std::vector<PdfText>> percentiles =
        Printed(*evaluation, TEvaluationWindow::PercentilesPage, 3);
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

} // namespace
} // namespace Brosquin
