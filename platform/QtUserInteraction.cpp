#include "platform/QtUserInteraction.h"

#include "platform/HelpWindow.h"
#include "platform/ProgressDialogs.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QPrintDialog>
#include <QPushButton>
#include <QWindow>

namespace Brosquin
{

namespace
{

QMessageBox::Icon QtIcon(MessageIcon icon)
{
    switch (icon)
    {
    case MessageIcon::Information:
        return QMessageBox::Information;
    case MessageIcon::Exclamation:
        return QMessageBox::Warning;
    case MessageIcon::Error:
        return QMessageBox::Critical;
    case MessageIcon::Question:
        return QMessageBox::Question;
    case MessageIcon::None:
        return QMessageBox::NoIcon;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons QtButtons(MessageButtons buttons)
{
    switch (buttons)
    {
    case MessageButtons::Ok:
        return QMessageBox::Ok;
    case MessageButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case MessageButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case MessageButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

// Closing a box by its title bar or Escape counts as its cancelling answer.
MessageAnswer Answer(int button, MessageButtons buttons)
{
    switch (button)
    {
    case QMessageBox::Ok:
        return MessageAnswer::Ok;
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    default:
        return buttons == MessageButtons::YesNo ? MessageAnswer::No
               : buttons == MessageButtons::Ok  ? MessageAnswer::Ok
                                                : MessageAnswer::Cancel;
    }
}

// Types and icons by a file's name alone. The dialog's own provider reads a file whose name says
// nothing to find its type, and a file such as /proc/kmsg never ends a read: the dialog, and the
// program with it, would wait for good.
class NameOnlyIconProvider : public QFileIconProvider
{
public:
    QIcon icon(const QFileInfo& info) const override
    {
        return QFileIconProvider::icon(info.isDir() ? Folder : File);
    }
    using QFileIconProvider::icon;

    QString type(const QFileInfo& info) const override
    {
        // Folders, devices and pipes are told apart by their kind, which reads nothing.
        if (!info.isFile())
            return QFileIconProvider::type(info);
        const QMimeType type = types.mimeTypeForFile(info, QMimeDatabase::MatchExtension);
        return type.comment().isEmpty() ? type.name() : type.comment();
    }

private:
    QMimeDatabase types;
};

// A file name with wildcards, such as the "*.vlx" the dialogs open with, names no file: taking
// it shows the files it matches, and the dialog stays open for a name.
class FileDialog : public QFileDialog
{
public:
    using QFileDialog::QFileDialog;

    QLineEdit* NameEdit() const { return findChild<QLineEdit*>(QStringLiteral("fileNameEdit")); }

    void accept() override
    {
        QLineEdit* name = NameEdit();
        const QString typed = name ? name->text().trimmed() : QString();
        if (typed.contains(QLatin1Char('*')) || typed.contains(QLatin1Char('?')))
        {
            setNameFilter(typed);
            name->setText(typed);
            name->selectAll();
            return;
        }
        QFileDialog::accept();
    }
};

std::optional<QString> RunFileDialog(const FileDialogRequest& request, QFileDialog::AcceptMode mode)
{
    // The provider outlives the dialog, which uses it to the end.
    NameOnlyIconProvider icons;
    FileDialog dialog(QApplication::activeWindow(), request.title, QString(), request.filter);
    // Our own dialog on every desktop, so that a wildcard name behaves the same everywhere.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setIconProvider(&icons);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile
                                                       : QFileDialog::AnyFile);
    dialog.setDefaultSuffix(request.defaultExtension);
    dialog.selectFile(request.fileName);
    // Typing replaces the proposed name.
    if (QLineEdit* name = dialog.NameEdit())
        name->selectAll();
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

} // namespace

QtUserInteraction::QtUserInteraction() = default;

QtUserInteraction::~QtUserInteraction()
{
    // The default instance outlives the application object, which takes its windows along.
    if (QCoreApplication::instance())
        delete pHelpWindow.data();
}

MessageAnswer QtUserInteraction::AnswerMessage(const MessageRequest& request)
{
    // Not over a splash window: it closes itself while start-up goes on, and would take the box
    // along while it is shown.
    QWidget* owner = QApplication::activeWindow();
    if (owner != nullptr && owner->windowType() == Qt::SplashScreen)
        owner = nullptr;
    QMessageBox box(QtIcon(request.icon), request.caption, request.text, QtButtons(request.buttons),
                    owner);
    return Answer(box.exec(), request.buttons);
}

std::optional<QString> QtUserInteraction::OpenFileName(const FileDialogRequest& request)
{
    return RunFileDialog(request, QFileDialog::AcceptOpen);
}

std::optional<QString> QtUserInteraction::SaveFileName(const FileDialogRequest& request)
{
    return RunFileDialog(request, QFileDialog::AcceptSave);
}

bool QtUserInteraction::PrinterSetup(QPrinter& printer)
{
    QPrintDialog dialog(&printer, QApplication::activeWindow());
    dialog.setWindowTitle(QObject::tr("Print Setup"));
    // A page is printed whole, so there are no ranges to choose; the PDF file stays among the
    // printers, the only one on a machine without printers.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog chooses the printer and its settings here; it prints nothing. Its Help, and F1
    // as in every dialog, opens the topic on printing.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
    {
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QObject::tr("OK"));
        QPushButton* help = buttons->addButton(QDialogButtonBox::Help);
        help->setObjectName(QStringLiteral("HelpButton"));
        QObject::connect(help, &QPushButton::clicked,
                         [this] { vdShowHelpTopic(kPrintingHelpContext); });
    }
    return dialog.exec() == QDialog::Accepted;
}

void QtUserInteraction::vdSetHelpFile(const QString& folder)
{
    helpFolder = folder;
    delete pHelpWindow.data();
}

HelpWindow& QtUserInteraction::Help()
{
    if (!pHelpWindow)
        pHelpWindow = new HelpWindow(helpFolder);
    // Opened from the main window, the help is a window of its own again; opened from a modal
    // dialog, it stands over that dialog as soon as it shows.
    if (pHelpWindow->windowHandle() && !QGuiApplication::modalWindow())
        pHelpWindow->windowHandle()->setTransientParent(nullptr);
    pHelpWindow->show();
    pHelpWindow->raise();
    pHelpWindow->activateWindow();
    return *pHelpWindow;
}

void QtUserInteraction::vdShowHelpTopic(int context)
{
    Help().vdShowTopic(context);
}

void QtUserInteraction::vdRunHelpCommand(HelpCommand command, const QString& key)
{
    switch (command)
    {
    case HelpCommand::Contents:
        Help().vdShowContents();
        break;
    case HelpCommand::HelpOnHelp:
        Help().vdShowHowToUse();
        break;
    case HelpCommand::PartialKey:
        Help().vdShowSearch(key);
        break;
    }
}

std::unique_ptr<WorkProgress> QtUserInteraction::StartWork(const WorkProgressRequest& request)
{
    return std::make_unique<ShownWorkProgress>(request);
}

void QtUserInteraction::vdOpenWebAddress(const QUrl& address)
{
    QDesktopServices::openUrl(address);
}

} // namespace Brosquin
