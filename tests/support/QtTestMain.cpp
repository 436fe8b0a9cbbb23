// The main of every test program that drives Qt: one QApplication for all its tests. Test
// discovery runs the program outside ctest's environment, so it falls back to the offscreen
// platform itself; the offscreen platform gets the program's own screen, whose size the windows
// are fitted to.
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.isEmpty() || platform == "offscreen")
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" VELTRAME_TEST_SCREEN);
    testing::InitGoogleTest(&argc, argv);
    QApplication application(argc, argv);
    return RUN_ALL_TESTS();
}
