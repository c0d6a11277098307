// Fuzzes the settings file as the program reads it: any bytes in
// <config>/Tintora/Tintora.conf give a text value (or the default) without a
// crash, and a value written back reads back unchanged.
#include "platform/settings_store.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir& ConfigDir()
{
    static QTemporaryDir dir;
    return dir;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    if (!ConfigDir().isValid() || !QDir().mkpath(ConfigDir().filePath(QStringLiteral("Fuzz"))))
        std::abort();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(ConfigDir().path()));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    tintora::SettingsStore store(QStringLiteral("Fuzz"));
    {
        QFile file(store.filePath());
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }
    (void)store.GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1"));
    if (!store.SaveSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("0")))
        std::abort();
    if (store.GetSetting(QStringLiteral("Settings"), QStringLiteral("showHelp"), QStringLiteral("1")) !=
        QStringLiteral("0"))
        std::abort();
    return 0;
}
