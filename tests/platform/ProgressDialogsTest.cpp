#include "platform/ProgressDialogs.h"
#include "platform/ApplicationPrinter.h"
#include "platform/WaitCursor.h"
#include "tests/platform/OutputSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHash>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QPrinter>
#include <QScreen>
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <set>
#include <stdexcept>

#if defined(__x86_64__)
#include <cpuid.h>
#endif

namespace Brosquin
{
namespace
{

bool HourglassShown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::WaitCursor;
}

TEST(ProgressForms, CarryTheirCaptionsAndNoCloseBox)
{
    const TPrintingDialog printing(nullptr);
    const TCopyingDialog copying(nullptr);
    EXPECT_EQ(printing.windowTitle(), "Printing ...");
    EXPECT_EQ(copying.windowTitle(), "Copying ...");
    for (const TPleaseWaitDialog* form : {static_cast<const TPleaseWaitDialog*>(&printing),
                                          static_cast<const TPleaseWaitDialog*>(&copying)})
    {
        EXPECT_EQ(form->Label1->text(), "Please Wait!");
        EXPECT_FALSE(form->Image1->pixmap().isNull());
        EXPECT_FALSE(form->windowFlags() & Qt::WindowCloseButtonHint);
        EXPECT_FALSE(form->windowFlags() & Qt::WindowSystemMenuHint);
        EXPECT_FALSE(form->isModal());
    }
}

// The printing picture is a 4-bit one: every pixel is transparent or one of the 16 colours.
TEST(ProgressForms, ThePrintingPictureKeepsToSixteenColours)
{
    const std::set<QRgb> sixteen = {0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080,
                                    0x008080, 0xC0C0C0, 0x808080, 0xFF0000, 0x00FF00, 0xFFFF00,
                                    0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF};
    const TPrintingDialog printing(nullptr);
    const QImage picture = printing.Image1->pixmap().toImage();
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
        {
            const QRgb pixel = picture.pixel(x, y);
            EXPECT_TRUE(qAlpha(pixel) == 0 || sixteen.count(pixel & 0xFFFFFF) == 1)
                << x << ", " << y << ": " << std::hex << pixel;
        }
}

// The moment the guard is made is the moment the work starts: from then on no event is handled
// until the work ends, so what the screen shows then is what it shows throughout.
TEST(ProgressForms, AreShownAndPaintedBeforeTheWorkAndGoneAfterIt)
{
    QWidget owner;
    owner.show();
    {
        ProgressShown<TPrintingDialog> progress(&owner);
        const auto forms = FormsOnScreen<TPrintingDialog>();
        ASSERT_EQ(forms.size(), 1u);
        EXPECT_TRUE(bPaintedOnScreen(*forms[0]));
        // Centred on the screen, frame and all.
        const QRect screen = forms[0]->screen()->availableGeometry();
        EXPECT_LE((forms[0]->frameGeometry().center() - screen.center()).manhattanLength(), 2);
    }
    EXPECT_TRUE(FormsOnScreen<TPrintingDialog>().empty());
    {
        ProgressShown<TCopyingDialog> progress(&owner);
        const auto forms = FormsOnScreen<TCopyingDialog>();
        ASSERT_EQ(forms.size(), 1u);
        EXPECT_TRUE(bPaintedOnScreen(*forms[0]));
    }
    EXPECT_TRUE(FormsOnScreen<TCopyingDialog>().empty());
}

TEST(ProgressForms, CloseWhenTheWorkThrows)
{
    QWidget owner;
    EXPECT_THROW(
        {
            ProgressShown<TCopyingDialog> progress(&owner);
            WaitCursor hourglass;
            throw std::runtime_error("clipboard unavailable");
        },
        std::runtime_error);
    EXPECT_TRUE(FormsOnScreen<TCopyingDialog>().empty());
    EXPECT_FALSE(HourglassShown());
}

TEST(ProgressForms, SurviveTheirOwnerGoingFirst)
{
    auto* owner = new QWidget;
    {
        ProgressShown<TPrintingDialog> progress(owner);
        delete owner;
        EXPECT_TRUE(FormsOnScreen<TPrintingDialog>().empty());
    }
    EXPECT_TRUE(FormsOnScreen<TPrintingDialog>().empty());
}

bool ArrowShown()
{
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor && cursor->shape() == Qt::ArrowCursor;
}

// Long work that the person stops: no form for the first moments, then the form over every
// window, its bar following the work, until Cancel, pressed while the work lets events through,
// stops the work; then the form and its arrow go.
TEST(WorkProgress, ShowsAfterItsDelayAndCancelStopsTheWork)
{
    const WaitCursor hourglass;
    {
        ShownWorkProgress quick({"Designing ...", "Searching"}, 60000);
        EXPECT_TRUE(quick.Continues(0.5));
        EXPECT_TRUE(FormsOnScreen<TWorkProgressDialog>().empty());
    }
    ShownWorkProgress progress({"Designing ...", "Searching for the best double sampling plan"},
                               0);
    EXPECT_TRUE(progress.Continues(0.25));
    const auto forms = FormsOnScreen<TWorkProgressDialog>();
    ASSERT_EQ(forms.size(), 1u);
    TWorkProgressDialog& form = *forms[0];
    EXPECT_TRUE(form.isVisible());
    EXPECT_EQ(form.windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(form.windowTitle(), "Designing ...");
    EXPECT_EQ(form.Label1->text(), "Searching for the best double sampling plan");
    EXPECT_EQ(form.CancelButton->text(), "Cancel");
    EXPECT_EQ(form.ProgressBar1->value(), 250);
    EXPECT_TRUE(ArrowShown());
    QTimer::singleShot(100, form.CancelButton, &QPushButton::click);
    int reports = 0;
    for (QElapsedTimer clock; progress.Continues(0.5); ++reports)
    {
        if (!clock.isValid())
            clock.start();
        ASSERT_LT(clock.elapsed(), 5000) << "Cancel did not stop the work";
    }
    EXPECT_GT(reports, 0);
    EXPECT_EQ(form.ProgressBar1->value(), 500);
    EXPECT_FALSE(progress.Continues(0.75));
}

TEST(WorkProgress, EscapeCancelsAndTheFormGoesWithTheWork)
{
    {
        ShownWorkProgress progress({"Designing ...", "Searching"}, 0);
        EXPECT_TRUE(progress.Continues(0.0));
        ASSERT_NE(progress.Form(), nullptr);
        QTest::keyClick(progress.Form(), Qt::Key_Escape);
        EXPECT_FALSE(progress.Continues(0.1));
        EXPECT_TRUE(progress.Form()->isVisible());
    }
    EXPECT_TRUE(FormsOnScreen<TWorkProgressDialog>().empty());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WaitCursor, ShowsTheHourglassWhileItLivesAndNests)
{
    EXPECT_FALSE(HourglassShown());
    {
        WaitCursor outer;
        EXPECT_TRUE(HourglassShown());
        {
            WaitCursor inner;
            EXPECT_TRUE(HourglassShown());
        }
        EXPECT_TRUE(HourglassShown());
    }
    EXPECT_FALSE(HourglassShown());
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

#if defined(__x86_64__)
// The state components XGETBV(1) reports in use, where the processor reports them; bit 2 is the
// upper halves of the AVX registers.
std::optional<std::uint64_t> ComponentsInUse()
{
    unsigned a = 0, b = 0, c = 0, d = 0;
    if (!__get_cpuid_count(0xD, 1, &a, &b, &c, &d) || !(a & 4) || !__builtin_cpu_supports("avx"))
        return std::nullopt;
    std::uint32_t low = 0, high = 0;
    asm volatile("xgetbv" : "=a"(low), "=d"(high) : "c"(1));
    return std::uint64_t{high} << 32 | low;
}
#endif

// Qt's hashing leaves the AVX registers' upper halves in use on processors with 256-bit AES,
// which slows the SSE arithmetic after it; the work under the hourglass starts without them.
TEST(WaitCursor, StartsTheWorkWithTheAvxUpperHalvesUnused)
{
#if defined(__x86_64__)
    constexpr std::uint64_t upperHalves = 4;
    QHash<QString, int> keys;
    keys.insert(QString(40, QLatin1Char('k')), 1);
    const std::optional<std::uint64_t> before = ComponentsInUse();
    if (!before || !(*before & upperHalves))
        GTEST_SKIP() << "Qt's hashing leaves nothing in use on this processor";
    const WaitCursor hourglass;
    EXPECT_FALSE(*ComponentsInUse() & upperHalves);
#else
    GTEST_SKIP() << "no AVX registers";
#endif
}

TEST(ApplicationPrinter, IsOnePrinterForTheWholeApplication)
{
    QPrinter& first = ApplicationPrinter();
    first.setPageOrientation(QPageLayout::Landscape);
    QPrinter& second = ApplicationPrinter();
    EXPECT_EQ(&first, &second);
    EXPECT_EQ(second.pageLayout().orientation(), QPageLayout::Landscape);
    first.setPageOrientation(QPageLayout::Portrait);
}

} // namespace
} // namespace Brosquin
