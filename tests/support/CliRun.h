#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

// ixenvar-cli run as a real process, to its end: its exit code and what it printed.
struct CliRun {
    int exitCode = -1; // -1: it did not end normally
    QString out;
    QString err;
};

// In the test's environment, or in env when one is given.
inline CliRun cli(const QStringList& args, const QProcessEnvironment& env = {}) {
    QProcess p;
    if (!env.isEmpty())
        p.setProcessEnvironment(env);
    p.start(QStringLiteral(IXV_CLI_PATH), args);
    CliRun run;
    if (!p.waitForFinished(-1) || p.exitStatus() != QProcess::NormalExit)
        return run;
    run.exitCode = p.exitCode();
    run.out = QString::fromUtf8(p.readAllStandardOutput());
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}
