#include "app/QtSettingsStore.h"

#include <QFileInfo>
#include <limits>

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

bool IsMissingOrPlainFile(const QString& path)
{
    const QFileInfo info(path);
    return !info.exists() || info.isFile();
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
    if (settings)
        settings->setValue(Key(name), value);
}

void QtSettingsStore::vdWriteInteger(const std::string& name, int value)
{
    if (settings)
        settings->setValue(Key(name), value);
}

void QtSettingsStore::vdWriteText(const std::string& name, const std::string& value)
{
    if (settings)
        settings->setValue(Key(name), QString::fromStdString(value));
}

void QtSettingsStore::vdRemove(const std::string& name)
{
    if (settings)
        settings->remove(Key(name));
}

bool QtSettingsStore::Flush()
{
    if (!settings)
        return false;
    settings->sync();
    return settings->status() == QSettings::NoError;
}

} // namespace Brosquin
