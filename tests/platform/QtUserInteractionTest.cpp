// The real dialogs, driven as a person would.
#include "platform/QtUserInteraction.h"
#include "platform/DrawingOutput.h"
#include "tests/platform/SampleDrawing.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

namespace Brosquin
{
namespace
{

// Runs the action on the modal dialog of that type once it shows.
template <class Dialog> void vdWhenShown(std::function<void(Dialog&)> action)
{
    QTimer::singleShot(5,
                       [action]
                       {
                           if (auto* dialog =
                                   qobject_cast<Dialog*>(QApplication::activeModalWidget()))
                               action(*dialog);
                           else
                               vdWhenShown(action);
                       });
}

// Print Setup offers the PDF file beside the printers (on this machine, in place of them); a
// print job that cannot write its file is refused without leaving the printer stuck, and the
// next one is printed.
TEST(QtUserInteraction, PrintSetupOffersThePdfFile)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QString path = folder.filePath("setup.pdf");
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::NativeFormat);
    vdWhenShown<QPrintDialog>(
        [&](QPrintDialog& dialog)
        {
            EXPECT_EQ(dialog.windowTitle(), "Print Setup");
            auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
            ASSERT_NE(printers, nullptr);
            const int pdf = printers->findText(QStringLiteral("Print to File (PDF)"));
            ASSERT_GE(pdf, 0);
            printers->setCurrentIndex(pdf);
            dialog.findChild<QLineEdit*>(QStringLiteral("filename"))->setText(path);
            dialog.accept();
        });
    QtUserInteraction real;
    ASSERT_TRUE(real.PrinterSetup(printer));
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), path);

    Drawing drawing;
    vdFillSampleDrawing(drawing);
    QWidget owner;
    printer.setOutputFileName(folder.filePath("missing-folder/page.pdf"));
    EXPECT_FALSE(PrintDrawing(&owner, drawing, 0, printer));
    EXPECT_NE(printer.printerState(), QPrinter::Active);
    printer.setOutputFileName(path);
    EXPECT_TRUE(PrintDrawing(&owner, drawing, 0, printer));
}

// A message shown while the splash window is active stays when the splash closes itself, as it
// does during a start-up that reports a file named on the command line.
TEST(QtUserInteraction, AMessageOutlivesTheSplashWindowItWasShownOver)
{
    auto* splash = new QWidget(nullptr, Qt::SplashScreen);
    splash->setAttribute(Qt::WA_DeleteOnClose);
    splash->show();
    QApplication::setActiveWindow(splash);
    const QPointer<QWidget> watched(splash);
    vdWhenShown<QMessageBox>(
        [&](QMessageBox& box)
        {
            splash->close();
            QTimer::singleShot(20, &box,
                               [&]
                               {
                                   EXPECT_TRUE(watched.isNull());
                                   box.button(QMessageBox::Ok)->click();
                               });
        });
    QtUserInteraction real;
    EXPECT_EQ(real.MessageBox("Could not find file."), MessageAnswer::Ok);
    EXPECT_TRUE(watched.isNull());
}

// The open and save dialogs propose the name "*.vlx"; taken as it stands it names no file, and
// the dialog waits for a name.
TEST(QtUserInteraction, FileDialogsProposeAWildcardNameThatOnlyFilters)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    vdWhenShown<QFileDialog>(
        [&](QFileDialog& dialog)
        {
            auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            EXPECT_EQ(name->text(), "*.vlx");
            EXPECT_EQ(name->selectedText(), "*.vlx");
            QTest::keyClick(name, Qt::Key_Return);
            EXPECT_TRUE(dialog.isVisible());
            name->setText(folder.filePath("session"));
            QTest::keyClick(name, Qt::Key_Return);
        });
    QtUserInteraction real;
    const std::optional<QString> path =
        real.SaveFileName({"Save File", "*.vlx", "Veltrame (*.vlx)", "vlx"});
    ASSERT_TRUE(path.has_value());
    EXPECT_EQ(*path, folder.filePath("session.vlx"));
}

} // namespace
} // namespace Brosquin
