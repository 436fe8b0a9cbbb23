// The real dialogs and help window, driven as a person would.
#include "platform/QtUserInteraction.h"
#include "platform/DrawingOutput.h"
#include "platform/HelpKey.h"
#include "platform/HelpWindow.h"
#include "tests/platform/SampleDrawing.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
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

HelpWindow* ShownHelpWindow()
{
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* help = qobject_cast<HelpWindow*>(widget); help && help->isVisible())
            return help;
    return nullptr;
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

// F1 in a modal dialog opens its help; the help window takes clicks while the dialog is open, and
// it does not keep the program running once the last main window has closed.
TEST(QtUserInteraction, HelpFromAModalDialogStaysUsable)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    for (const char* page : {"contents.html", "30.html"})
    {
        QFile file(folder.filePath(QLatin1String(page)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("<html><body>") + page + "</body></html>");
    }
    UserInteraction& real = UserInteraction::Current();
    real.vdSetHelpFile(folder.path());
    vdInstallHelpKey();
    vdInstallHelpKey();

    QWidget mainWindow;
    mainWindow.show();
    QDialog dialog(&mainWindow);
    auto* help = new QPushButton(QStringLiteral("Help"), &dialog);
    help->setObjectName(QStringLiteral("HelpButton"));
    int helpClicks = 0;
    QObject::connect(help, &QPushButton::clicked, &dialog,
                     [&]
                     {
                         ++helpClicks;
                         real.vdShowHelpTopic(30);
                     });
    auto* field = new QLineEdit(&dialog);
    QString shownOverTheDialog;
    QTimer::singleShot(0, &dialog,
                       [&]
                       {
                           field->setFocus();
                           QTest::keyClick(field, Qt::Key_F1);
                           HelpWindow* window = ShownHelpWindow();
                           ASSERT_NE(window, nullptr);
                           QPushButton* contents = nullptr;
                           for (QPushButton* button : window->findChildren<QPushButton*>())
                               if (button->text() == "&Contents")
                                   contents = button;
                           ASSERT_NE(contents, nullptr);
                           // Through the window system, where a blocked window takes no input.
                           QTest::mouseClick(window->windowHandle(), Qt::LeftButton, {},
                                             contents->mapTo(window, contents->rect().center()));
                           shownOverTheDialog = window->Browser()->source().fileName();
                           dialog.accept();
                       });
    dialog.exec();
    EXPECT_EQ(helpClicks, 1);
    EXPECT_EQ(shownOverTheDialog.toStdString(), "contents.html");

    // Closing the main window ends the run; should the help hold it, the run is ended after a
    // while with another code.
    ASSERT_NE(ShownHelpWindow(), nullptr);
    QTimer::singleShot(0, &mainWindow, [&] { mainWindow.close(); });
    QTimer::singleShot(3000, qApp, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    real.vdSetHelpFile(QString());
}

} // namespace
} // namespace Brosquin
