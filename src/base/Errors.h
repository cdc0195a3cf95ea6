#pragma once

#include <QString>
#include <stdexcept>

// Failures are exceptions; what no handler catches reaches the general error report, which
// shows message() in an error box.
class IxvError : public std::runtime_error {
public:
    explicit IxvError(const QString& message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    const QString& message() const { return m_message; }

private:
    QString m_message;
};

// An input/output failure on a named file, with the system's reason.
class IoError : public IxvError {
public:
    IoError(const QString& fileName, const QString& reason)
        : IxvError(QStringLiteral("%1: %2").arg(fileName, reason)), m_fileName(fileName),
          m_reason(reason) {}
    const QString& fileName() const { return m_fileName; }
    const QString& reason() const { return m_reason; }

private:
    QString m_fileName;
    QString m_reason;
};

// A puzzle file whose content could not be used: refused like a file that cannot be read.
class PuzzleFormatError : public IoError {
public:
    using IoError::IoError;
};

// A stored setting of the wrong kind, an unusable setting name, or a store that cannot be
// written.
class SettingsError : public IxvError {
public:
    using IxvError::IxvError;
};

// Colour text that is neither a colour name nor an integer literal.
class ColourConversionError : public IxvError {
public:
    using IxvError::IxvError;
};
