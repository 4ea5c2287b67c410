// SPDX-License-Identifier: GPL-3.0-or-later
// stemmo_manual: writes stemmo's manual page or bash completion, both from
// the command table that `stemmo help` prints. Run by the build.
#include "cli/Manual.h"

#include <QCoreApplication>
#include <QSaveFile>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments().mid(1);
    QTextStream err(stderr);
    if (args.size() != 2 || (args[0] != QLatin1String("man") && args[0] != QLatin1String("bash-completion"))) {
        err << "Aufruf: stemmo_manual man|bash-completion DATEI" << Qt::endl;
        return 2;
    }
    const QString text = args[0] == QLatin1String("man")
                             ? cli::manPage(QStringLiteral(STEMMO_VERSION), QStringLiteral(STEMMO_RELEASE_ISO))
                             : cli::bashCompletion();
    const QByteArray bytes = text.toUtf8();
    QSaveFile file(args[1]);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.flush() ||
        !file.commit()) {
        err << args[1] << ": " << file.errorString() << Qt::endl;
        return 1;
    }
    return 0;
}
