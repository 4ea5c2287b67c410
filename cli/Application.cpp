// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <cstring>

namespace cli {
namespace {

// The command name: the first argument that is neither an option nor the
// value of --data.
const char* commandName(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--data") == 0) {
            ++i;
            continue;
        }
        if (std::strncmp(argv[i], "--", 2) != 0)
            return argv[i];
    }
    return "";
}

// Page rendering asks for the user's runtime folder; on a server without a
// desktop session it is unset and Qt would warn on every run.
void provideRuntimeFolder()
{
    if (!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        return;
    const QString folder =
        QDir::tempPath() + QStringLiteral("/stemmo-runtime-") + qEnvironmentVariable("USER", QStringLiteral("user"));
    if (!QDir().mkpath(folder))
        return;
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(folder));
}

} // namespace

std::unique_ptr<QCoreApplication> createApplication(int& argc, char** argv)
{
    if (std::strcmp(commandName(argc, argv), "report") == 0) {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        provideRuntimeFolder();
        return std::make_unique<QGuiApplication>(argc, argv);
    }
    return std::make_unique<QCoreApplication>(argc, argv);
}

} // namespace cli
