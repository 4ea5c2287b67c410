// SPDX-License-Identifier: GPL-3.0-or-later
#include "BenchSupport.h"

#include "cli/ConsoleUserInterface.h"

#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <benchmark/benchmark.h>

namespace bench {

int recordsOption(int argc, char** argv, int fallback)
{
    for (int i = 1; i < argc; ++i)
        if (QByteArray(argv[i]).startsWith("--records="))
            return QByteArray(argv[i]).mid(10).toInt();
    return fallback;
}

int runBenchmarks(int argc, char** argv)
{
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

int runStemmo(const QString& dataFolder, const QString& settingsFile, const QStringList& arguments,
              QString* error)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    if (!settingsFile.isEmpty())
        env.insert(QStringLiteral("STEMMO_SETTINGS"), settingsFile);
    QProcess stemmo;
    stemmo.setProcessEnvironment(env);
    stemmo.start(QStringLiteral(STEMMO_EXECUTABLE),
                 QStringList{QStringLiteral("--data"), dataFolder} + arguments);
    if (!stemmo.waitForFinished(300000)) {
        if (error)
            *error = QStringLiteral("stemmo did not finish");
        return -1;
    }
    if (stemmo.exitCode() != 0 && error)
        *error = QString::fromLocal8Bit(stemmo.readAllStandardError());
    return stemmo.exitCode();
}

cli::ConsoleUserInterface& silentUi()
{
    static QTextStream discard(stderr);
    static cli::ConsoleUserInterface ui(discard);
    ui.setQuiet(true);
    return ui;
}

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    return 0;
}

} // namespace bench
