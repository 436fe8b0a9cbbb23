#include "widgets/DrawingControl.h"

#include "graphics/Drawing.h"
#include "graphics/Line.h"
#include "platform/ApplicationPrinter.h"
#include "tests/graphics/RecordingCanvas.h"
#include "tests/support/ScriptedUserInteraction.h"
#include "tests/widgets/DisplayControlSupport.h"

#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QMimeData>
#include <QPrinter>
#include <QScrollArea>
#include <QScrollBar>
#include <QSvgRenderer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace Brosquin
{
namespace
{

constexpr Colour grey = 0x808080;

// A drawing of width x height units with an invisible frame fixing its bounds.
Drawing* FramedDrawing(double width, double height)
{
    auto* drawing = new Drawing;
    drawing->AddRect(0, 0, width, height, 0, 0, 0, false, 0, 0);
    return drawing;
}

class DrawingControlTest : public DisplayControlTest<TDrawingControl>
{
protected:
    void SetUp() override { vdShowInContainer(400, 300); }
};

TEST_F(DrawingControlTest, FillsItsParentOrTakesTheFixedSizeOfItsModeAtTheTopLeft)
{
    EXPECT_EQ(control->Size(), SizeMode::SizeToFit);
    EXPECT_EQ(control->Margin(), 0);
    EXPECT_EQ(control->ShownDrawing(), nullptr);
    EXPECT_EQ(control->geometry(), QRect(0, 0, 400, 300));
    container.resize(320, 250);
    EXPECT_EQ(control->geometry(), QRect(0, 0, 320, 250));
    control->vdFixedSizeNormal();
    EXPECT_EQ(control->size(), QSize(10, 10)) << "nothing to show";

    control->vdSetDrawing(FramedDrawing(20, 10));
    control->vdSetMargin(8);
    control->vdSize400();
    EXPECT_EQ(control->Size(), SizeMode::Size400);
    EXPECT_EQ(control->geometry(), QRect(0, 0, 20 * 4 * 12 + 16, 10 * 4 * 12 + 16));
    // 50 %: 20 * 0.5 * 12 + 16 = 136 by 10 * 0.5 * 12 + 16 = 76.
    control->vdSize50();
    EXPECT_EQ(control->size(), QSize(136, 76));
    // A margin set in a fixed size takes effect at once; back to fitting, the parent is filled.
    control->vdSetMargin(2);
    EXPECT_EQ(control->size(), QSize(124, 64));
    control->vdSizeToFit();
    EXPECT_EQ(control->geometry(), QRect(0, 0, 320, 250));

    // Unlike the plot control, it has no size limit.
    control->vdSetDrawing(FramedDrawing(3000, 100));
    control->vdSetMargin(0);
    control->vdSize400();
    EXPECT_EQ(control->size(), QSize(3000 * 4 * 12, 100 * 4 * 12));
}

TEST_F(DrawingControlTest, FollowsANewOrRebuiltDrawing)
{
    control->vdFixedSizeNormal();
    Drawing* drawing = FramedDrawing(20, 10);
    control->vdSetDrawing(drawing);
    EXPECT_EQ(control->geometry(), QRect(0, 0, 240, 120));
    // A drawing rebuilt in place gives its size at the next redraw.
    drawing->Clear();
    drawing->AddRect(0, 0, 30, 5, 1, grey, 0, true, grey, 0);
    EXPECT_EQ(control->size(), QSize(240, 120));
    control->vdRedraw();
    EXPECT_EQ(control->size(), QSize(360, 60));
    // Fitted, the component keeps filling its parent.
    control->vdSizeToFit();
    drawing->AddRect(0, 0, 50, 50, 1, grey, 0, true, grey, 0);
    control->vdRedraw();
    EXPECT_EQ(control->geometry(), QRect(0, 0, 400, 300));
    control->vdFixedSizeNormal();
    control->vdSetDrawing(FramedDrawing(10, 10));
    EXPECT_EQ(control->size(), QSize(120, 120));
}

TEST(DrawingControlInScrollArea, FillsTheViewOrScrollsAtAFixedSize)
{
    QScrollArea area;
    area.resize(300, 200);
    auto* control = new TDrawingControl;
    area.setWidget(control);
    area.show();
    control->vdSetDrawing(FramedDrawing(100, 50));
    EXPECT_EQ(control->size(), area.viewport()->size());
    control->vdSize400();
    EXPECT_EQ(control->size(), QSize(static_cast<int>(400 * control->dLineHeight()),
                                     static_cast<int>(200 * control->dLineHeight())));
    QApplication::processEvents();
    EXPECT_EQ(area.horizontalScrollBar()->maximum(), control->width() - area.viewport()->width());
    control->vdSizeToFit();
    QApplication::processEvents();
    EXPECT_EQ(control->size(), area.viewport()->size());
}

TEST_F(DrawingControlTest, RaisesOnChangeOnlyWhenTheSizeModeChanges)
{
    std::vector<QObject*> senders;
    control->OnChange = [&](QObject* sender) { senders.push_back(sender); };
    control->vdSize75();
    control->vdSize75();
    control->vdSetMargin(4);
    control->vdSetMargin(4);
    control->vdSizeToFit();
    EXPECT_EQ(senders, (std::vector<QObject*>{control, control}));
}

TEST_F(DrawingControlTest, IgnoresMarginsThatAreNoPixelCount)
{
    control->vdSetMargin(3.5);
    for (const double bad :
         {-1.0, std::numeric_limits<double>::quiet_NaN(), std::numeric_limits<double>::infinity()})
    {
        control->vdSetMargin(bad);
        EXPECT_EQ(control->Margin(), 3.5);
    }
}

TEST_F(DrawingControlTest, ChecksTheMenuItemsOfTheSizeMode)
{
    QMenu& menu = *control->PopupMenu();
    QStringList captions;
    for (const QAction* item : menu.actions())
        captions << (item->isSeparator() ? "-" : item->text());
    EXPECT_EQ(captions, QStringList({"&Size To Fit", "&Fixed Size - Normal", "Fi&xed Size - Custom",
                                     "-", "&Print", "&Copy to Clipboard"}));
    QAction* fit = MenuItem(menu, "&Size To Fit");
    QAction* normal = MenuItem(menu, "&Fixed Size - Normal");
    QAction* custom = MenuItem(menu, "Fi&xed Size - Custom");
    QMenu* percentages = custom->menu();
    ASSERT_NE(percentages, nullptr);
    QStringList percentCaptions;
    for (const QAction* item : percentages->actions())
        percentCaptions << item->text();
    EXPECT_EQ(percentCaptions, QStringList({"50%", "75%", "100%", "125%", "150%", "175%", "200%",
                                            "250%", "300%", "400%"}));
    EXPECT_EQ(percentages->defaultAction(), MenuItem(menu, "100%"));
    EXPECT_TRUE(fit->isChecked());
    EXPECT_TRUE(MenuItem(menu, "100%")->isChecked());

    const auto checked = [&]
    {
        QStringList names;
        for (QAction* item : {fit, normal, custom})
            if (item->isChecked())
                names << item->text();
        for (const QAction* item : percentages->actions())
            if (item->isChecked())
                names << item->text();
        return names;
    };
    MenuItem(menu, "75%")->trigger();
    EXPECT_EQ(control->Size(), SizeMode::Size75);
    EXPECT_EQ(checked(), QStringList({"Fi&xed Size - Custom", "75%"}));
    normal->trigger();
    EXPECT_EQ(control->Size(), SizeMode::FixedSizeNormal);
    EXPECT_EQ(checked(), QStringList({"&Fixed Size - Normal"}));
    // Choosing the size that is set keeps its check mark.
    normal->trigger();
    EXPECT_EQ(checked(), QStringList({"&Fixed Size - Normal"}));
    fit->trigger();
    EXPECT_EQ(control->Size(), SizeMode::SizeToFit);
    EXPECT_EQ(checked(), QStringList({"&Size To Fit"}));
}

TEST_F(DrawingControlTest, OwnsTheDrawingItShows)
{
    Drawing* first = FramedDrawing(20, 10);
    control->vdSetDrawing(first);
    control->vdSetDrawing(nullptr);
    EXPECT_EQ(control->ShownDrawing(), first);
    // Handing over the Drawing already shown keeps it; a new one replaces (deletes) it.
    control->vdSetDrawing(first);
    EXPECT_EQ(control->ShownDrawing(), first);
    EXPECT_EQ(first->Count(), 1u);
    Drawing* second = FramedDrawing(5, 5);
    control->vdSetDrawing(second);
    EXPECT_EQ(control->ShownDrawing(), second);
    control->vdDeleteGraphic();
    EXPECT_EQ(control->ShownDrawing(), nullptr);
    control->vdSetDrawing(FramedDrawing(1, 1));
    // The last one goes with the component; the sanitizers see any leak or double delete.
}

TEST_F(DrawingControlTest, CrossesOutWithTwoRedDiagonalsInsideTheBounds)
{
    Drawing* drawing = FramedDrawing(40, 10);
    control->vdSetDrawing(drawing);
    control->vdFixedSizeNormal();
    const QSize before = control->size();
    control->vdCrossOutGraphic();
    EXPECT_EQ(control->size(), before);
    ASSERT_EQ(drawing->Count(), 3u);
    EXPECT_EQ(drawing->dRight(), 40);
    EXPECT_EQ(drawing->dBottom(), 10);
    for (std::uint32_t i : {2u, 3u})
    {
        EXPECT_EQ(drawing->Object(i)->uType(), Line::type);
        EXPECT_EQ(drawing->Object(i)->uID, 0u);
        EXPECT_EQ(drawing->Object(i)->HitTest(0, 0) != nullptr, i == 2) << "tolerance 0";
    }
    // At 10 pixels per unit the lines are 0.05 * 10 units = 5 pixels wide.
    RecordingCanvas canvas;
    drawing->vdDrawScaled(canvas, 10, 0, 10, 0, 0xFFFFFF);
    ASSERT_EQ(canvas.painted.size(), 3u);
    const auto& down = canvas.painted[1];
    const auto& up = canvas.painted[2];
    EXPECT_EQ(down.points, (std::vector<DevicePoint>{{0, 0}, {400, 100}}));
    EXPECT_EQ(up.points, (std::vector<DevicePoint>{{0, 100}, {400, 0}}));
    for (const auto& line : {down, up})
    {
        EXPECT_EQ(line.pen, (Pen{PenStyle::InsideFrame, 0x0000FF, 5}));
    }
    // Without a drawing there is nothing to cross out.
    control->vdDeleteGraphic();
    control->vdCrossOutGraphic();
}

// The drawing is 20 x 10 units with uID 42; its left half is an object with ID 7, its right half
// one without. Fitted into 200 x 200 pixels it takes 200 x 100, from y = 50 down. The events are
// logged as "click at x y in graphic" and "click on object in graphic".
class DrawingControlMouseTest : public DrawingControlTest
{
protected:
    QStringList events;

    void SetUp() override
    {
        DrawingControlTest::SetUp();
        container.resize(200, 200);
        auto* drawing = new Drawing;
        drawing->uID = 42;
        drawing->AddRect(0, 0, 10, 10, 1, grey, 0, true, grey, 7);
        drawing->AddRect(10, 0, 20, 10, 1, grey, 0, false, grey, 0);
        control->vdSetDrawing(drawing);
        const auto at = [this](const char* kind)
        {
            return [this, kind](QObject*, double x, double y, std::uint32_t graphic)
            { events << QStringLiteral("%1 at %2 %3 in %4").arg(kind).arg(x).arg(y).arg(graphic); };
        };
        const auto on = [this](const char* kind)
        {
            return [this, kind](QObject*, std::uint32_t object, std::uint32_t graphic)
            { events << QStringLiteral("%1 on %2 in %3").arg(kind).arg(object).arg(graphic); };
        };
        control->OnMouseClickLocation = at("click");
        control->OnMouseClickObject = on("click");
        control->OnMouseDoubleClickLocation = at("double click");
        control->OnMouseDoubleClickObject = on("double click");
    }
};

TEST_F(DrawingControlMouseTest, ReportsTheWorldPointAndTheObjectClicked)
{
    vdClick(*control, QPoint(50, 100));
    // An object without an ID, and a point outside every object, give the location only.
    vdClick(*control, QPoint(150, 75));
    vdClick(*control, QPoint(100, 20));
    EXPECT_EQ(events, QStringList({"click at 5 5 in 42", "click on 7 in 42",
                                   "click at 15 2.5 in 42", "click at 10 -3 in 42"}));
}

TEST_F(DrawingControlMouseTest, OnlyALeftClickOnTheComponentClicks)
{
    vdClick(*control, QPoint(50, 100), Qt::RightButton);
    vdClick(*control, QPoint(50, 100), Qt::MiddleButton);
    // A left press released outside the component is no click either.
    vdSendMouse(*control, QEvent::MouseButtonPress, QPoint(50, 100));
    vdSendMouse(*control, QEvent::MouseButtonRelease, QPoint(250, 100));
    EXPECT_TRUE(events.empty());
}

TEST_F(DrawingControlMouseTest, ADoubleClickIsAClickThenADoubleClick)
{
    vdDoubleClick(*control, QPoint(40, 60));
    EXPECT_EQ(events, QStringList({"click at 4 1 in 42", "click on 7 in 42",
                                   "double click at 4 1 in 42", "double click on 7 in 42"}));
    // Without a drawing there is nothing to click.
    events.clear();
    control->vdDeleteGraphic();
    vdDoubleClick(*control, QPoint(50, 100));
    EXPECT_TRUE(events.empty());
}

TEST_F(DrawingControlMouseTest, AHandlerMayReplaceTheDrawing)
{
    control->OnMouseClickLocation = [this](QObject*, double, double, std::uint32_t)
    { control->vdSetDrawing(FramedDrawing(1, 1)); };
    vdClick(*control, QPoint(50, 100));
    EXPECT_EQ(events, QStringList{"click on 7 in 42"});
}

TEST_F(DrawingControlMouseTest, PointsAtObjectsWithAnID)
{
    const Qt::CursorShape saved = control->cursor().shape();
    vdMoveMouse(*control, QPoint(50, 100));
    EXPECT_EQ(control->cursor().shape(), Qt::PointingHandCursor);
    vdMoveMouse(*control, QPoint(150, 100));
    EXPECT_EQ(control->cursor().shape(), saved);
}

// Printing goes to the application's printer, here a PDF file. A successful print is checked with
// the plot control, which prints through the same code.
class DrawingControlOutputTest : public DrawingControlTest
{
protected:
    QTemporaryDir directory;
    ScriptedUserInteraction person;

    void SetUp() override
    {
        DrawingControlTest::SetUp();
        ASSERT_TRUE(directory.isValid());
        ApplicationPrinter().setOutputFormat(QPrinter::PdfFormat);
        ApplicationPrinter().setOutputFileName(directory.filePath("drawing.pdf"));
    }
    void TearDown() override { ApplicationPrinter().setOutputFileName(QString()); }
};

// A PDF file that cannot be written is named, whether it was set up or named for this print.
TEST_F(DrawingControlOutputTest, TellsWhenThePrinterFails)
{
    const QString unwritable = QStringLiteral("/nonexistent-directory/drawing.pdf");
    ApplicationPrinter().setOutputFileName(unwritable);
    control->vdSetDrawing(FramedDrawing(30, 20));
    control->vdPrint();
    ApplicationPrinter().setOutputFileName(QString());
    person.vdQueueFileName(unwritable);
    control->vdPrint();
    EXPECT_TRUE(bNothingLeftBehind());
    ASSERT_EQ(person.Messages().size(), 2u);
    for (const MessageRequest& message : person.Messages())
    {
        EXPECT_EQ(message.text, "The picture could not be printed: the file "
                                "\"/nonexistent-directory/drawing.pdf\" could not be written.");
        EXPECT_EQ(message.caption, "Error");
    }
}

TEST_F(DrawingControlOutputTest, PrintsAndCopiesNothingWithoutADrawing)
{
    QGuiApplication::clipboard()->setText("kept");
    control->vdPrint();
    control->vdClipboard([] { return QStringLiteral("text"); });
    EXPECT_FALSE(QFile::exists(directory.filePath("drawing.pdf")));
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_TRUE(person.Messages().empty());
}

// A long table's text takes a while, like its picture: it is built once the form is on the
// screen, painted; the form goes after the copy, and after a copy that fails.
TEST_F(DrawingControlOutputTest, BuildsTheTextUnderThePaintedCopyingForm)
{
    control->vdSetDrawing(FramedDrawing(30, 20));
    bool bPainted = false;
    control->vdClipboard(
        [&]
        {
            const auto forms = FormsOnScreen<TCopyingDialog>();
            bPainted = forms.size() == 1 && bPaintedOnScreen(*forms[0]);
            return QStringLiteral("n\ta\n");
        });
    EXPECT_TRUE(bPainted);
    EXPECT_TRUE(FormsOnScreen<TCopyingDialog>().empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "n\ta\n");

    control->vdClipboard([]() -> QString { throw std::bad_alloc(); });
    EXPECT_TRUE(FormsOnScreen<TCopyingDialog>().empty());
    EXPECT_TRUE(bNothingLeftBehind());
    ASSERT_EQ(person.Messages().size(), 1u);
    EXPECT_EQ(person.Messages()[0].text, "The picture could not be copied to the clipboard.");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "n\ta\n");
}

TEST_F(DrawingControlOutputTest, CopiesThePictureWithTheTextGiven)
{
    Drawing* drawing = FramedDrawing(30, 20);
    control->vdSetDrawing(drawing);
    control->vdClipboard();
    EXPECT_TRUE(bNothingLeftBehind());
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_EQ(QSvgRenderer(data->data("image/svg+xml")).defaultSize(), QSize(600, 400));
    EXPECT_EQ(QImage::fromData(data->data("image/png"), "PNG").size(), QSize(600, 400));
    EXPECT_FALSE(data->hasText());

    // The drawing control has no size limit: 2000 x 100 units copy as 40000 x 2000 pixels.
    drawing->AddRect(0, 0, 2000, 100, 0, 0, 0, false, 0, 0);
    control->vdClipboard([] { return QStringLiteral("n\ta\n50\t1\n"); });
    data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(data->text(), "n\ta\n50\t1\n");
    EXPECT_EQ(QSvgRenderer(data->data("image/svg+xml")).defaultSize(), QSize(40000, 2000));
    EXPECT_TRUE(data->hasFormat("image/png"));
}

} // namespace
} // namespace Brosquin
