#pragma once

// Whole files read and written in one call, and the failure an action raises.
#include "base/Errors.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QString>
#include <optional>

// The file's bytes; empty when it cannot be read.
inline QByteArray readBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Replaces the file's content; false when it cannot be written whole.
inline bool writeBytes(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// What safe writing's temporary files left in the folder.
inline QStringList temporaryFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral("*.ixvtmp-*")}, QDir::Files | QDir::Hidden);
}

// The error of type E the action raised, if it raised one.
template <typename E = IxvError, typename Action> std::optional<E> raised(Action&& action) {
    try {
        action();
    } catch (const E& e) {
        return e;
    }
    return std::nullopt;
}

// The message of the error of type E the action raised, or a null text when it raised none.
template <typename E = IxvError, typename Action> QString errorOf(Action&& action) {
    const auto e = raised<E>(action);
    return !e ? QString() : e->message().isNull() ? QStringLiteral("") : e->message();
}
