#include "base/FontAvailability.h"

#include <fontconfig/fontconfig.h>

namespace FontAvailability {

namespace {
const FcChar8* utf8(const QByteArray& bytes) {
    return reinterpret_cast<const FcChar8*>(bytes.constData());
}
QString text(const FcChar8* chars) {
    return QString::fromUtf8(reinterpret_cast<const char*>(chars));
}
} // namespace

bool FontMatch::carries(const QString& family) const {
    return !spellingOf(family).isEmpty();
}

QString FontMatch::spellingOf(const QString& family) const {
    for (const QString& own : families) {
        if (own.compare(family, Qt::CaseInsensitive) == 0)
            return own;
    }
    return {};
}

FontMatch match(const QString& family, bool bold, bool italic) {
    FcPattern* pattern = FcPatternCreate();
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, utf8(name));
    FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
    FcPatternAddInteger(pattern, FC_SLANT, italic ? FC_SLANT_ITALIC : FC_SLANT_ROMAN);
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* found = FcFontMatch(nullptr, pattern, &result);
    FontMatch out;
    if (found) {
        FcChar8* value = nullptr;
        if (FcPatternGetString(found, FC_FILE, 0, &value) == FcResultMatch)
            out.file = text(value);
        if (FcPatternGetString(found, FC_FONTFORMAT, 0, &value) == FcResultMatch)
            out.format = text(value);
        for (int i = 0; FcPatternGetString(found, FC_FAMILY, i, &value) == FcResultMatch; ++i)
            out.families.append(text(value));
        int index = 0;
        if (FcPatternGetInteger(found, FC_INDEX, 0, &index) == FcResultMatch)
            out.index = index;
        FcPatternDestroy(found);
    }
    FcPatternDestroy(pattern);
    return out;
}

bool hasFamily(const QString& family) {
    return match(family, false, false).carries(family);
}

QString firstInstalled(const QStringList& families) {
    for (const QString& family : families) {
        if (hasFamily(family))
            return family;
    }
    return families.isEmpty() ? QString() : families.last();
}

} // namespace FontAvailability
