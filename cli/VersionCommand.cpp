// SPDX-License-Identifier: GPL-3.0-or-later
#include "Commands.h"

#include <QJsonObject>

namespace cli {

int runVersion(CliContext& context, const QStringList& args)
{
    Options(args, {}).expectPositional(0, QStringLiteral("version"));
    const QString version = QStringLiteral(STEMMO_VERSION);
    const QString release = QStringLiteral(STEMMO_RELEASE_TEXT);
    if (context.json()) {
        context.printJson(QJsonObject{{QStringLiteral("version"), version}, {QStringLiteral("release"), release}});
        return 0;
    }
    // The same line as the start window of Stemora.
    context.out() << "stemmo Version " << version << " vom " << release << Qt::endl;
    return 0;
}

} // namespace cli
