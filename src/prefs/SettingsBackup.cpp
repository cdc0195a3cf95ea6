#include "prefs/SettingsBackup.h"

#include "base/Codepage.h"
#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QRegularExpression>

namespace SettingsBackup {

QString valueLine(const StoredSetting& value) {
    const QString data =
        value.kind == StoredSetting::Kind::Text
            ? u'"' + value.text + u'"'
            : QStringLiteral("dword:%1").arg(quint32(value.integer), 8, 16, QLatin1Char('0'));
    QString line = u'"' + value.name + QStringLiteral("\"=") + data;
    line.replace(u'\\', QStringLiteral("\\\\"));
    // An empty text ends the line in ="" and stays as it is. Otherwise the quote opening a text
    // that begins with a quote, and the quote closing one that ends in exe", get a backslash.
    if (line.endsWith(QStringLiteral("=\"\"")))
        return line;
    line.replace(QStringLiteral("=\"\""), QStringLiteral("=\"\\\""));
    static const QRegularExpression exeQuotes(QStringLiteral("exe\"\""),
                                              QRegularExpression::CaseInsensitiveOption);
    line.replace(exeQuotes, QStringLiteral("exe\\\"\""));
    return line;
}

QByteArray fileBytes(const QList<StoredSetting>& values) {
    QStringList lines = {QStringLiteral("Windows Registry Editor Version 5.00"), QString(),
                         QStringLiteral("[HKEY_CURRENT_USER\\%1]").arg(SettingsStore::keyPath())};
    for (const StoredSetting& value : values) {
        const QString line = valueLine(value);
        const qsizetype bad = Codepage::firstUnencodable(line);
        if (bad >= 0 || line.contains(u'\n') || line.contains(u'\r'))
            throw SettingsError(
                QStringLiteral("The setting \"%1\" cannot be backed up: it holds %2, which a "
                               "registry file cannot hold.")
                    .arg(value.name, bad >= 0 ? QStringLiteral("the character ") +
                                                    Codepage::describeCharacter(line, bad)
                                              : QStringLiteral("a line break")));
        lines << line;
    }
    lines << QString();
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += *Codepage::fromUnicode(line) + "\r\n";
    return bytes;
}

void ExportSettingsFile(const SettingsStore& store, const QString& fileName) {
    SafeFile::write(fileName, fileBytes(store.list()));
}

} // namespace SettingsBackup
