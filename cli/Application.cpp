// SPDX-License-Identifier: GPL-3.0-or-later
#include "Application.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>

namespace cli {
namespace {

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

std::unique_ptr<QCoreApplication> createPageApplication(int& argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    provideRuntimeFolder();
    return std::make_unique<QGuiApplication>(argc, argv);
}

} // namespace cli
