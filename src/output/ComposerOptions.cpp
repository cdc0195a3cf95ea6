#include "output/ComposerOptions.h"

#include "base/Codepage.h"

#include <QFileInfo>
#include <QHash>

QByteArray ComposerOptions::titleFromFileName(const QString& puzzleFile) {
    return Codepage::fromUnicodeLossy(QFileInfo(puzzleFile).completeBaseName());
}

bool ComposerOptions::choosePages(const QString& list) {
    const QHash<QString, bool ComposerOptions::*> names = {
        {QStringLiteral("ms"), &ComposerOptions::manuscript},
        {QStringLiteral("msg"), &ComposerOptions::manuscriptGrid},
        {QStringLiteral("ng"), &ComposerOptions::numberedGrid},
        {QStringLiteral("sg"), &ComposerOptions::solutionGrid},
        {QStringLiteral("pp"), &ComposerOptions::puzzlePage},
    };
    ComposerOptions chosen = *this;
    chosen.manuscript = chosen.manuscriptGrid = chosen.numberedGrid = chosen.solutionGrid =
        chosen.puzzlePage = false;
    for (const QString& name : list.split(QLatin1Char(','))) {
        const auto page = names.constFind(name.trimmed());
        if (page == names.constEnd())
            return false;
        chosen.*(page.value()) = true;
    }
    *this = chosen;
    return true;
}
