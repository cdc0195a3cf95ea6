#include "app/DialogFolders.h"

#include <QDir>
#include <QFileInfo>

namespace DialogFolders {

namespace {
bool sameFolder(const QString& a, const QString& b) {
    return !a.isEmpty() && !b.isEmpty() && QDir::cleanPath(a) == QDir::cleanPath(b);
}
} // namespace

QString startFolder(const Places& places) {
    if (!places.lastChosen.isEmpty())
        return places.lastChosen;
    if (!sameFolder(places.current, places.home) && !sameFolder(places.current, places.program))
        return places.current;
    const QString acrostics = places.documents + QStringLiteral("/Tamberlin/Acrostics");
    return QFileInfo(acrostics).isDir() ? acrostics : places.documents;
}

} // namespace DialogFolders
