#pragma once

#include "app/EvaluationWindow.h"
#include "platform/ApplicationPrinter.h"
#include "tests/app/PlanListTest.h"
#include "tests/platform/OutputSupport.h"

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>
#include <QPrinter>
#include <QTemporaryDir>

namespace Brosquin
{

// The road from the plan list to the evaluation windows, with what is printed and copied caught.
class EvaluationRoadTest : public PlanListTest
{
protected:
    void SetUp() override
    {
        PlanListTest::SetUp();
        ASSERT_TRUE(printFolder.isValid());
        window->resize(1200, 800);
        QGuiApplication::clipboard()->clear();
    }

    void TearDown() override
    {
        PlanListTest::TearDown();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        ApplicationPrinter().setOutputFileName(QString());
    }

    SamplingPlanSession& Session() const { return list->Session(); }

    template <class Owner> static QPushButton* ButtonOf(const Owner* owner, const char* name)
    {
        auto* button = owner->template findChild<QPushButton*>(QLatin1String(name));
        EXPECT_NE(button, nullptr) << name;
        return button;
    }

    // The open evaluation windows, oldest first.
    std::vector<TEvaluationWindow*> EvaluationWindows() const
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        std::vector<TEvaluationWindow*> windows;
        for (QMdiSubWindow* sub : window->MdiArea()->subWindowList(QMdiArea::CreationOrder))
            if (auto* evaluation = qobject_cast<TEvaluationWindow*>(sub->widget()))
                windows.push_back(evaluation);
        return windows;
    }

    // Evaluates the checked plans through the Plans menu; the window that opened, or null.
    TEvaluationWindow* Evaluate()
    {
        const std::size_t before = EvaluationWindows().size();
        Item("PlansEvaluateItem")->trigger();
        const std::vector<TEvaluationWindow*> windows = EvaluationWindows();
        EXPECT_EQ(windows.size(), before + 1);
        return windows.size() == before + 1 ? windows.back() : nullptr;
    }

    // As on a machine without printers: PDF files, the test's own named when the person is asked.
    QString PrintToPdf(const QString& name)
    {
        const QString path = printFolder.filePath(name);
        ApplicationPrinter().setOutputFileName(QString());
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        user.vdQueueFileName(path);
        return path;
    }

    // One page of the printer's paper was printed, in the file the person named when asked.
    void vdExpectOnePagePrinted(const QString& path) { PrintedTextPoints(path, 1, false); }

    // Expects the pages printed in the file the person named when asked, on the printer's paper
    // as set or turned, with the printer left as it was set; the sizes of the texts, in points.
    std::vector<double> PrintedTextPoints(const QString& path, int expectedPages, bool bTurned)
    {
        const auto [pages, size] = PdfPages(path);
        EXPECT_EQ(pages, expectedPages) << path.toStdString();
        const QSizeF paper = ApplicationPrinter().pageLayout().fullRect(QPageLayout::Point).size();
        EXPECT_EQ(size, bTurned ? paper.transposed() : paper) << path.toStdString();
        EXPECT_FALSE(user.FileDialogs().empty());
        if (!user.FileDialogs().empty())
        {
            EXPECT_EQ(user.FileDialogs().back().request.title, "Print to PDF File");
        }
        EXPECT_TRUE(ApplicationPrinter().outputFileName().isEmpty()) << "the next print asks again";
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? PdfTextPoints(InflatedStreams(file.readAll()))
                                              : std::vector<double>();
    }

    static const QMimeData& Clipboard() { return *QGuiApplication::clipboard()->mimeData(); }

    QTemporaryDir printFolder;
};

} // namespace Brosquin
