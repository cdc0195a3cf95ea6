#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// ixenvar-cli run as a real process to its end.
struct Run {
    int exitCode = -1;
    QString out;
    QString err;
};

inline Run cli(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral(IXV_CLI_PATH), args);
    Run run;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
