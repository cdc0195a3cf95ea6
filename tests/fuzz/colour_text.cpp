// Any text given as a stored colour either converts or is refused with ColourConversionError,
// never anything else; a colour that converted is written back as text that converts to it.
#include "base/Errors.h"
#include "prefs/ColourText.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString text =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    quint32 colour = 0;
    try {
        colour = ColourText::fromText(text);
    } catch (const ColourConversionError&) {
        return 0;
    }
    if (ColourText::fromText(ColourText::toText(colour)) != colour)
        std::abort();
    return 0;
}
