#pragma once

#include "app/SettingsStore.h"

#include <QSettings>
#include <optional>

namespace Brosquin
{

// The user's own settings of organisation "Brosquin", application "Veltrame"; settings for
// all users are not consulted. A settings file that is there but is no plain file (a named pipe,
// a device, a folder) is not opened, as reading it could wait for ever, nor one far larger than
// the program writes, as reading it could take minutes: the settings are then the defaults, and
// what is written is not kept. A lock of the settings file left by a writer that was killed is
// removed before a write, which would else wait for it.
class QtSettingsStore : public SettingsStore
{
public:
    QtSettingsStore();

    std::optional<bool> ReadBool(const std::string& name) const override;
    std::optional<int> ReadInteger(const std::string& name) const override;
    std::optional<std::string> ReadText(const std::string& name) const override;

    void vdWriteBool(const std::string& name, bool value) override;
    void vdWriteInteger(const std::string& name, int value) override;
    void vdWriteText(const std::string& name, const std::string& value) override;
    void vdRemove(const std::string& name) override;
    bool Flush() override;

private:
    QVariant Value(const std::string& name) const;
    void vdFreeLock();

    mutable std::optional<QSettings> settings;
};

} // namespace Brosquin
