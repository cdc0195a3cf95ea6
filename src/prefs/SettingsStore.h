#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <functional>
#include <optional>

// A value handed to or returned by the settings store. Booleans exist only on the way in:
// they are stored as the integers -1 (true) and 0 (false).
class SettingValue {
public:
    enum class Kind { Text, Integer, Boolean };

    static SettingValue text(const QString& t) { return SettingValue(Kind::Text, t, 0); }
    static SettingValue integer(qint32 i) { return SettingValue(Kind::Integer, {}, i); }
    static SettingValue boolean(bool b) { return SettingValue(Kind::Boolean, {}, b ? -1 : 0); }

    Kind kind() const { return m_kind; }
    bool isText() const { return m_kind == Kind::Text; }
    QString toText() const { return m_text; }
    // Integers and booleans: the stored integer (-1 for true).
    qint32 toInt() const { return m_int; }
    bool toBool() const { return m_int != 0; }

    bool operator==(const SettingValue&) const = default;

private:
    SettingValue(Kind k, QString t, qint32 i) : m_kind(k), m_text(std::move(t)), m_int(i) {}
    Kind m_kind;
    QString m_text;
    qint32 m_int;
};

// One value as it stands in the store.
struct StoredSetting {
    enum class Kind { Text, Integer };
    QString name;
    Kind kind = Kind::Text;
    QString text;
    qint32 integer = 0;

    bool operator==(const StoredSetting&) const = default;
};

// The per-user settings store: one text file of named values, each text or a 32-bit
// integer, kept in the order the values were first written. Every call reads or writes the
// file itself, so a value written is seen by the next read, also from another instance of the
// program. Writes happen under a lock and replace the file atomically, so two instances
// writing at once never corrupt it. A damaged file is read as far as it can be; before it is
// overwritten a copy is kept beside it and the damage notifier is told once.
class SettingsStore {
public:
    explicit SettingsStore(QString filePath);

    // ~/.config/Tamberlin32/Ixenvar7Demo.conf: the store of the key
    // Software\Tamberlin32\Ixenvar7Demo under the user's config folder.
    static QString defaultPath();
    // The key path the store stands for, as it appears in a registry backup.
    static QString keyPath();

    const QString& filePath() const { return m_path; }

    // The stored value read with the default's kind, or the default when there is none.
    // Throws SettingsError when the stored kind differs from the default's.
    SettingValue read(const QString& name, const SettingValue& defaultValue) const;
    // Stores text as text and integers and booleans as integers. Throws SettingsError for an
    // unusable name or a store that cannot be written.
    void write(const QString& name, const SettingValue& value);
    // Every stored value in the store's own order.
    QList<StoredSetting> list() const;
    std::optional<StoredSetting> find(const QString& name) const;

    // Called once per store object, with a sentence for the user, when a damaged store file
    // was copied aside before being rewritten.
    void setDamageNotifier(std::function<void(const QString&)> notifier) {
        m_notify = std::move(notifier);
    }

    static bool isValidName(const QString& name);

    // How long a write waits for another writer to finish before it gives up (10 s).
    void setLockWait(int milliseconds) { m_lockWait = milliseconds; }

private:
    QString m_path;
    int m_lockWait = 10000;
    std::function<void(const QString&)> m_notify;
    bool m_damageReported = false;
};

// The store's file format, apart from the file handling, so that it can be tested and fuzzed
// on bytes.
namespace SettingsFile {
struct Parsed {
    QList<StoredSetting> values;
    bool damaged = false; // some line could not be read and was left out
};
Parsed parse(const QByteArray& bytes);
QByteArray serialize(const QList<StoredSetting>& values);
} // namespace SettingsFile
