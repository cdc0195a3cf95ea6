// Any bytes given as a settings store are read as far as they can be, never crash, and what was
// read is written back and read again unchanged.
#include "prefs/SettingsStore.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const SettingsFile::Parsed parsed = SettingsFile::parse(bytes);
    const SettingsFile::Parsed again = SettingsFile::parse(SettingsFile::serialize(parsed.values));
    if (again.damaged || again.values != parsed.values)
        std::abort();
    return 0;
}
