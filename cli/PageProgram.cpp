// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include "platform/InstallLayout.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <vector>

#ifdef Q_OS_UNIX
#include <unistd.h>
#else
#include <QProcess>
#endif

namespace cli {

// The page program (cli/CMakeLists.txt names it so) links the GUI libraries
// this program does without. It is started with this run's very arguments
// and takes its place: the same process, standard channels, environment and
// exit code, so a caller sees no difference.
int runInPageProgram(CliContext& context, const QStringList& args)
{
    Q_UNUSED(args); // the page program reads the whole command line itself
    const QString program = platform::InstallLayout::helperProgram(QStringLiteral("stemmo-pages"));
    if (program.isEmpty())
        throw CommandError{QStringLiteral("Das Seitenprogramm stemmo-pages fehlt; stemmo ist unvollständig installiert."),
                           1};
    context.out().flush();
    context.err().flush();
    const QStringList arguments = QCoreApplication::arguments().mid(1);
#ifdef Q_OS_UNIX
    std::fflush(nullptr);
    std::vector<QByteArray> bytes;
    bytes.reserve(arguments.size() + 1);
    bytes.push_back(QFile::encodeName(program));
    for (const QString& argument : arguments)
        bytes.push_back(QFile::encodeName(argument));
    std::vector<char*> argv;
    for (QByteArray& argument : bytes)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    ::execv(argv.front(), argv.data());
    throw CommandError{QStringLiteral("Das Seitenprogramm %1 lässt sich nicht starten: %2")
                           .arg(program, QString::fromLocal8Bit(std::strerror(errno))),
                       1};
#else
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, arguments);
    if (!process.waitForStarted(-1) || !process.waitForFinished(-1) || process.exitStatus() != QProcess::NormalExit)
        throw CommandError{
            QStringLiteral("Das Seitenprogramm %1 lässt sich nicht starten: %2").arg(program, process.errorString()), 1};
    return process.exitCode();
#endif
}

} // namespace cli
