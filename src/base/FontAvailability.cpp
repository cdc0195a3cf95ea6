#include "base/FontAvailability.h"

#include <fontconfig/fontconfig.h>

namespace FontAvailability {

bool hasFamily(const QString& family) {
    FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>("")); // empty pattern
    const QByteArray name = family.toUtf8();
    FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(name.constData()));
    FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
    FcDefaultSubstitute(pattern);
    FcResult result = FcResultNoMatch;
    FcPattern* match = FcFontMatch(nullptr, pattern, &result);
    bool found = false;
    if (match) {
        FcChar8* matched = nullptr;
        for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &matched) == FcResultMatch; ++i) {
            if (QString::fromUtf8(reinterpret_cast<const char*>(matched))
                    .compare(family, Qt::CaseInsensitive) == 0) {
                found = true;
                break;
            }
        }
        FcPatternDestroy(match);
    }
    FcPatternDestroy(pattern);
    return found;
}

QString firstInstalled(const QStringList& families) {
    for (const QString& family : families) {
        if (hasFamily(family))
            return family;
    }
    return families.isEmpty() ? QString() : families.last();
}

} // namespace FontAvailability
