#include "output/ComposerOptions.h"

#include "base/Codepage.h"

#include <QFileInfo>

QByteArray ComposerOptions::titleFromFileName(const QString& puzzleFile) {
    return Codepage::fromUnicodeLossy(QFileInfo(puzzleFile).completeBaseName());
}
