#include "prefs/SettingsStore.h"

#include "base/Errors.h"
#include "base/SafeFile.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QThread>

#include <cerrno>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace {

const QByteArray kHeader = "[Software\\Tamberlin32\\Ixenvar7Demo]";
const QByteArray kTextTag = "text:";
const QByteArray kIntegerTag = "integer:";
// Names and texts may begin with U+FEFF, which is kept rather than dropped as a byte order
// mark; a sequence cut off at the end is an error rather than silently left pending.
const QStringDecoder::Flags kUtf8Flags =
    QStringDecoder::Flag::ConvertInitialBom | QStringDecoder::Flag::Stateless;

QByteArray escapeText(const QString& text) {
    QByteArray out;
    const QByteArray utf8 = text.toUtf8();
    out.reserve(utf8.size());
    for (char ch : utf8) {
        switch (ch) {
        case '\\':
            out += "\\\\";
            break;
        case '\n':
            out += "\\n";
            break;
        case '\r':
            out += "\\r";
            break;
        case '\t':
            out += "\\t";
            break;
        case '\0':
            out += "\\0";
            break;
        default:
            out += ch;
        }
    }
    return out;
}

std::optional<QString> unescapeText(QByteArrayView raw) {
    QByteArray bytes;
    bytes.reserve(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const char ch = raw[i];
        if (ch != '\\') {
            bytes += ch;
            continue;
        }
        if (++i == raw.size())
            return std::nullopt;
        switch (raw[i]) {
        case '\\':
            bytes += '\\';
            break;
        case 'n':
            bytes += '\n';
            break;
        case 'r':
            bytes += '\r';
            break;
        case 't':
            bytes += '\t';
            break;
        case '0':
            bytes += '\0';
            break;
        default:
            return std::nullopt;
        }
    }
    QStringDecoder decoder(QStringDecoder::Utf8, kUtf8Flags);
    QString text = decoder(bytes);
    if (decoder.hasError())
        return std::nullopt;
    return text;
}

std::optional<qint32> parseInteger(QByteArrayView raw) {
    bool ok = false;
    const qlonglong v = QByteArray(raw.data(), raw.size()).toLongLong(&ok, 10);
    if (!ok || v < INT32_MIN || v > INT32_MAX)
        return std::nullopt;
    return static_cast<qint32>(v);
}

std::optional<StoredSetting> parseLine(QByteArrayView line) {
    const qsizetype eq = line.indexOf('=');
    if (eq <= 0)
        return std::nullopt;
    StoredSetting s;
    QStringDecoder decoder(QStringDecoder::Utf8, kUtf8Flags);
    s.name = decoder(line.first(eq));
    if (decoder.hasError() || !SettingsStore::isValidName(s.name))
        return std::nullopt;
    const QByteArrayView rest = line.sliced(eq + 1);
    if (rest.startsWith(kTextTag)) {
        const auto text = unescapeText(rest.sliced(kTextTag.size()));
        if (!text)
            return std::nullopt;
        s.kind = StoredSetting::Kind::Text;
        s.text = *text;
    } else if (rest.startsWith(kIntegerTag)) {
        const auto value = parseInteger(rest.sliced(kIntegerTag.size()));
        if (!value)
            return std::nullopt;
        s.kind = StoredSetting::Kind::Integer;
        s.integer = *value;
    } else {
        return std::nullopt;
    }
    return s;
}

QByteArray readWholeFile(const QString& path, bool* exists) {
    QFile file(path);
    *exists = file.exists();
    if (!*exists)
        return {};
    const QString notRegular = SafeFile::notRegularReason(path);
    if (!notRegular.isEmpty())
        throw SettingsError(
            QStringLiteral("The settings file %1 cannot be read: %2").arg(path, notRegular));
    if (!file.open(QIODevice::ReadOnly))
        throw SettingsError(QStringLiteral("The settings file %1 cannot be read: %2")
                                .arg(path, file.errorString()));
    return file.readAll();
}

QString kindName(StoredSetting::Kind k) {
    return k == StoredSetting::Kind::Text ? QStringLiteral("text") : QStringLiteral("an integer");
}

// A free name beside the damaged file for its copy.
QString damagedCopyPath(const QString& path) {
    QString candidate = path + QStringLiteral(".damaged");
    for (int n = 2; QFileInfo::exists(candidate); ++n)
        candidate = path + QStringLiteral(".damaged-%1").arg(n);
    return candidate;
}

// The writers' lock: an exclusive flock on "<store>.lock". The system releases it when its
// holder ends, however it ends, so a killed writer never leaves a lock that others must wait
// out; the file itself may stay behind and means nothing.
class WriterLock {
public:
    WriterLock(const QString& storePath, int waitMilliseconds) {
        const QString lockPath = storePath + QStringLiteral(".lock");
        m_fd = ::open(QFile::encodeName(lockPath).constData(), O_RDWR | O_CREAT | O_CLOEXEC,
                      0600);
        if (m_fd < 0)
            throw SettingsError(QStringLiteral("The settings file %1 cannot be written: its "
                                               "lock file cannot be created.")
                                    .arg(storePath));
        const QDeadlineTimer deadline(waitMilliseconds);
        while (::flock(m_fd, LOCK_EX | LOCK_NB) != 0) {
            if ((errno != EWOULDBLOCK && errno != EINTR) || deadline.hasExpired()) {
                ::close(m_fd);
                throw SettingsError(
                    QStringLiteral("The settings file %1 is locked by another program.")
                        .arg(storePath));
            }
            QThread::msleep(5);
        }
    }
    ~WriterLock() { ::close(m_fd); }
    WriterLock(const WriterLock&) = delete;
    WriterLock& operator=(const WriterLock&) = delete;

private:
    int m_fd = -1;
};

} // namespace

namespace SettingsFile {

Parsed parse(const QByteArray& bytes) {
    Parsed parsed;
    QHash<QString, qsizetype> indexOf;
    const QList<QByteArray> lines = bytes.split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QByteArrayView line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        if (line.isEmpty() || (i == 0 && line == kHeader))
            continue;
        const auto setting = parseLine(line);
        if (!setting) {
            parsed.damaged = true;
            continue;
        }
        const auto existing = indexOf.constFind(setting->name);
        if (existing != indexOf.cend()) {
            parsed.damaged = true; // a name twice: the later line wins, as when it was written
            parsed.values[*existing] = *setting;
        } else {
            indexOf.insert(setting->name, parsed.values.size());
            parsed.values.append(*setting);
        }
    }
    return parsed;
}

QByteArray serialize(const QList<StoredSetting>& values) {
    QByteArray out = kHeader + '\n';
    for (const StoredSetting& s : values) {
        out += s.name.toUtf8();
        out += '=';
        if (s.kind == StoredSetting::Kind::Text)
            out += kTextTag + escapeText(s.text);
        else
            out += kIntegerTag + QByteArray::number(s.integer);
        out += '\n';
    }
    return out;
}

} // namespace SettingsFile

SettingsStore::SettingsStore(QString filePath) : m_path(std::move(filePath)) {}

QString SettingsStore::defaultPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Tamberlin32/Ixenvar7Demo.conf");
}

QString SettingsStore::keyPath() {
    return QStringLiteral("Software\\Tamberlin32\\Ixenvar7Demo");
}

bool SettingsStore::isValidName(const QString& name) {
    if (name.isEmpty() || name.size() > 255)
        return false;
    for (QChar ch : name) {
        if (ch == u'=' || ch.category() == QChar::Other_Control || ch.isSurrogate())
            return false;
    }
    return true;
}

std::optional<StoredSetting> SettingsStore::find(const QString& name) const {
    for (const StoredSetting& s : list()) {
        if (s.name == name)
            return s;
    }
    return std::nullopt;
}

QList<StoredSetting> SettingsStore::list() const {
    bool exists = false;
    return SettingsFile::parse(readWholeFile(m_path, &exists)).values;
}

SettingValue SettingsStore::read(const QString& name, const SettingValue& defaultValue) const {
    const auto stored = find(name);
    if (!stored)
        return defaultValue;
    const auto wanted =
        defaultValue.isText() ? StoredSetting::Kind::Text : StoredSetting::Kind::Integer;
    if (stored->kind != wanted)
        throw SettingsError(QStringLiteral("The setting \"%1\" is stored as %2 but is read as %3.")
                                .arg(name, kindName(stored->kind), kindName(wanted)));
    return stored->kind == StoredSetting::Kind::Text ? SettingValue::text(stored->text)
                                                     : SettingValue::integer(stored->integer);
}

void SettingsStore::write(const QString& name, const SettingValue& value) {
    if (!isValidName(name))
        throw SettingsError(QStringLiteral("\"%1\" is not a usable setting name.").arg(name));

    const QFileInfo info(m_path);
    if (!QDir().mkpath(info.absolutePath()))
        throw SettingsError(
            QStringLiteral("The settings folder %1 cannot be created.").arg(info.absolutePath()));

    const WriterLock lock(m_path, m_lockWait);

    bool exists = false;
    const QByteArray before = readWholeFile(m_path, &exists);
    SettingsFile::Parsed parsed = SettingsFile::parse(before);

    StoredSetting s;
    s.name = name;
    if (value.isText()) {
        s.kind = StoredSetting::Kind::Text;
        s.text = value.toText();
    } else {
        s.kind = StoredSetting::Kind::Integer;
        s.integer = value.toInt();
    }
    auto existing = std::find_if(parsed.values.begin(), parsed.values.end(),
                                 [&](const StoredSetting& v) { return v.name == name; });
    if (existing != parsed.values.end())
        *existing = s;
    else
        parsed.values.append(s);

    if (parsed.damaged) {
        const QString copy = damagedCopyPath(m_path);
        if (!QFile::copy(m_path, copy))
            throw SettingsError(
                QStringLiteral("The damaged settings file %1 could not be kept as %2, so it was "
                               "not rewritten.")
                    .arg(m_path, copy));
        if (m_notify && !m_damageReported) {
            m_damageReported = true;
            m_notify(QStringLiteral("The settings file %1 was damaged. The readable settings "
                                    "were kept and a copy of the damaged file was saved as %2.")
                         .arg(m_path, copy));
        }
    }

    try {
        SafeFile::write(m_path, SettingsFile::serialize(parsed.values));
    } catch (const IoError& e) {
        throw SettingsError(
            QStringLiteral("The settings file %1 cannot be written: %2").arg(m_path, e.reason()));
    }
}
