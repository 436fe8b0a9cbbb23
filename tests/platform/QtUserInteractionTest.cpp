// The real dialogs, driven as a person would.
#include "platform/QtUserInteraction.h"
#include "platform/DrawingOutput.h"
#include "platform/HelpKey.h"
#include "tests/platform/SampleDrawing.h"

#include <QApplication>
#include <QComboBox>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <fcntl.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

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

// The real dialogs, with the help topics they open kept instead of shown.
class HelpTopicsKept : public QtUserInteraction
{
public:
    void vdShowHelpTopic(int context) override { topics.push_back(context); }
    std::vector<int> topics;
};

// Print Setup offers the PDF file beside the printers (on this machine, in place of them), and
// F1 opens its help topic; a print job that cannot write its file is refused without leaving
// the printer stuck, and the next one is printed.
TEST(QtUserInteraction, PrintSetupOffersThePdfFile)
{
    vdInstallHelpKey();
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
            QTest::keyClick(dialog.focusWidget() ? dialog.focusWidget() : &dialog, Qt::Key_F1);
            dialog.accept();
        });
    HelpTopicsKept real;
    ASSERT_TRUE(real.PrinterSetup(printer));
    EXPECT_EQ(real.topics, std::vector<int>{QtUserInteraction::kPrintingHelpContext});
    EXPECT_EQ(printer.outputFormat(), QPrinter::PdfFormat);
    EXPECT_EQ(printer.outputFileName(), path);

    Drawing drawing;
    vdFillSampleDrawing(drawing);
    QWidget owner;
    const QString unwritable = folder.filePath("missing-folder/page.pdf");
    printer.setOutputFileName(unwritable);
    const PrintOutcome refused = PrintDrawing(&owner, drawing, 0, PrintFit::WholePage, printer);
    EXPECT_FALSE(refused.bDone);
    EXPECT_EQ(refused.unwritableFile, unwritable);
    EXPECT_NE(printer.printerState(), QPrinter::Active);
    printer.setOutputFileName(path);
    EXPECT_TRUE(PrintDrawing(&owner, drawing, 0, PrintFit::WholePage, printer).bDone);
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

// The open dialog proposes "*.vlx" too. It types files by their names alone: in a folder that
// also holds a pipe nobody writes to and one whose reading never ends, a file whose contents say
// more than its name is typed by its name, and the dialog closes.
TEST(QtUserInteraction, FileDialogsReadNoFileToTypeIt)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    const QByteArray unwritten = QFile::encodeName(folder.filePath("unwritten"));
    const QByteArray endless = QFile::encodeName(folder.filePath("endless"));
    ASSERT_EQ(mkfifo(unwritten.constData(), 0600), 0);
    ASSERT_EQ(mkfifo(endless.constData(), 0600), 0);
    // Held open for writing, and never written: a read waits for good.
    const int writer = open(endless.constData(), O_RDWR | O_NONBLOCK);
    ASSERT_GE(writer, 0);
    QFile document(folder.filePath("notes"));
    ASSERT_TRUE(document.open(QIODevice::WriteOnly));
    document.write("%PDF-1.4\n1 0 obj\n<< >>\nendobj\n");
    document.close();

    QString type;
    vdWhenShown<QFileDialog>(
        [&](QFileDialog& dialog)
        {
            EXPECT_EQ(dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
                      "*.vlx");
            auto* model = dialog.findChild<QFileSystemModel*>();
            ASSERT_NE(model, nullptr);
            dialog.setNameFilter(QStringLiteral("All files (*)"));
            dialog.setDirectory(folder.path());
            // The dialog lists the folder in its own time.
            for (int wait = 0; wait < 500 && type.isEmpty(); ++wait)
            {
                QTest::qWait(10);
                type = model->index(folder.filePath("notes"), 2).data().toString();
            }
            dialog.reject();
        });
    QtUserInteraction real;
    EXPECT_FALSE(
        real.OpenFileName({"Open File", "*.vlx", "Veltrame files (*.vlx)", "vlx"}).has_value());
    close(writer);
    EXPECT_FALSE(type.isEmpty());
    EXPECT_FALSE(type.contains(QStringLiteral("PDF"))) << type.toStdString();
}

} // namespace
} // namespace Brosquin
