#include "app/QtSettingsStore.h"

#include <QFile>
#include <QFileInfo>
#include <QThread>
#include <fcntl.h>
#include <limits>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace Brosquin
{

namespace
{

QString Key(const std::string& name)
{
    return QString::fromStdString(name);
}

bool IsText(const QVariant& value)
{
    return value.typeId() == QMetaType::QString;
}

// The folder of the user's settings files, found without opening any of them: the settings of a
// name that no program uses have no file to open.
QString UserSettingsFolder()
{
    const QSettings probe(QSettings::NativeFormat, QSettings::UserScope,
                          QStringLiteral("Veltrame settings folder"), QStringLiteral("none"));
    return QFileInfo(QFileInfo(probe.fileName()).path()).path();
}

// The program writes a few kilobytes: seven values and nine recent files, whose paths of at most
// 4096 bytes take no more than three bytes a byte in the file, some 110 KiB at the very most. A
// larger file was not written by it, and would be read whole, at twice its size in memory.
constexpr qint64 largestSettingsFile = 1024 * 1024;

bool IsMissingOrPlainFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || (info.isFile() && info.size() <= largestSettingsFile);
}

bool IsSameFile(const struct stat& one, const struct stat& other)
{
    return one.st_ino == other.st_ino && one.st_dev == other.st_dev;
}

// Looks at a lock file once: true when it is a plain file that nobody holds locked, which then
// fills found. It is removed when it is not empty, or is still the empty file found before.
bool LookAtLock(const QByteArray& path, const struct stat* before, struct stat& found)
{
    // Without blocking, should a pipe stand there.
    const int file = ::open(path.constData(), O_RDONLY | O_NONBLOCK | O_NOFOLLOW | O_CLOEXEC);
    if (file < 0)
        return false;
    struct stat named = {};
    const bool unheld = ::flock(file, LOCK_EX | LOCK_NB) == 0 && ::fstat(file, &found) == 0 &&
                        S_ISREG(found.st_mode) && ::lstat(path.constData(), &named) == 0 &&
                        IsSameFile(named, found) && (!before || IsSameFile(*before, found));
    if (unheld && (found.st_size > 0 || before))
        ::unlink(path.constData());
    ::close(file);
    return unheld;
}

// A settings write first takes the lock file beside the settings file: its writer makes it, locks
// it (flock) at once and writes its owner in, and holds it locked until it is done. A lock file
// that no one holds was left by a writer that was killed, and one left empty (killed before it
// wrote its owner in) would be waited for until it was half a minute old: it is removed at once.
// An empty one is looked at again after a moment first, as its writer may be about to lock it.
void vdRemoveAbandonedLock(const QString& lockPath)
{
    const QByteArray path = QFile::encodeName(lockPath);
    struct stat empty = {}, again = {};
    if (LookAtLock(path, nullptr, empty) && empty.st_size == 0)
    {
        QThread::msleep(100);
        LookAtLock(path, &empty, again);
    }
}

} // namespace

QtSettingsStore::QtSettingsStore()
{
    // The settings read their own file and, though not consulted afterwards, the organisation's.
    const QString folder = UserSettingsFolder();
    if (!IsMissingOrPlainFile(folder + QStringLiteral("/Brosquin/Veltrame.conf")) ||
        !IsMissingOrPlainFile(folder + QStringLiteral("/Brosquin.conf")))
        return;
    settings.emplace(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Brosquin"),
                     QStringLiteral("Veltrame"));
    settings->setFallbacksEnabled(false);
}

QVariant QtSettingsStore::Value(const std::string& name) const
{
    return settings ? settings->value(Key(name)) : QVariant();
}

// Values come back as text from the settings file and typed when written in this run: both
// are taken, anything else (a list, for one) is a value of the wrong type.
std::optional<int> QtSettingsStore::ReadInteger(const std::string& name) const
{
    const QVariant value = Value(name);
    bool bOk = false;
    qlonglong number = 0;
    switch (value.typeId())
    {
    case QMetaType::QString:
        number = value.toString().trimmed().toLongLong(&bOk);
        break;
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::UInt:
    case QMetaType::ULongLong:
        number = value.toLongLong(&bOk);
        bOk = bOk && (value.typeId() != QMetaType::ULongLong ||
                      value.toULongLong() <=
                          static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()));
        break;
    default:
        break;
    }
    if (!bOk || number < std::numeric_limits<int>::min() ||
        number > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(number);
}

std::optional<bool> QtSettingsStore::ReadBool(const std::string& name) const
{
    const QVariant value = Value(name);
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (IsText(value))
    {
        const QString text = value.toString().trimmed().toLower();
        if (text == QLatin1String("true"))
            return true;
        if (text == QLatin1String("false"))
            return false;
    }
    if (const auto number = ReadInteger(name))
        return *number != 0;
    return std::nullopt;
}

std::optional<std::string> QtSettingsStore::ReadText(const std::string& name) const
{
    const QVariant value = Value(name);
    if (!IsText(value))
        return std::nullopt;
    return value.toString().toStdString();
}

void QtSettingsStore::vdWriteBool(const std::string& name, bool value)
{
    if (!settings)
        return;
    settings->setValue(Key(name), value);
    vdFreeLock();
}

void QtSettingsStore::vdWriteInteger(const std::string& name, int value)
{
    if (!settings)
        return;
    settings->setValue(Key(name), value);
    vdFreeLock();
}

void QtSettingsStore::vdWriteText(const std::string& name, const std::string& value)
{
    if (!settings)
        return;
    settings->setValue(Key(name), QString::fromStdString(value));
    vdFreeLock();
}

void QtSettingsStore::vdRemove(const std::string& name)
{
    if (!settings)
        return;
    settings->remove(Key(name));
    vdFreeLock();
}

// Before every change, as the settings write themselves out when the window next waits for
// events, and when they go, as well as on a flush.
void QtSettingsStore::vdFreeLock()
{
    vdRemoveAbandonedLock(settings->fileName() + QStringLiteral(".lock"));
}

bool QtSettingsStore::Flush()
{
    if (!settings)
        return false;
    vdFreeLock();
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace Brosquin
