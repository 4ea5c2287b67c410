// SPDX-License-Identifier: GPL-3.0-or-later
#include "StartWindow.h"

#include "platform/UserInterface.h"
#include "rules/Numbers.h"

namespace app {

StartWindow::StartWindow(platform::UserInterface& ui, const QLocale& locale, QObject* parent)
    : QObject(parent), m_ui(&ui), m_dezimalpunkt(rules::detectDezimalpunkt(locale))
{
}

QString StartWindow::versionLine(int major, int minor, int revision, const QString& releaseText)
{
    return QStringLiteral("Version %1.%2.%3 vom %4").arg(major).arg(minor).arg(revision).arg(releaseText);
}

QString StartWindow::Label1() const
{
    return versionLine(STEMMO_VERSION_MAJOR, STEMMO_VERSION_MINOR, STEMMO_VERSION_PATCH,
                       QStringLiteral(STEMMO_RELEASE_TEXT));
}

void StartWindow::Command1_Click()
{
    m_ui->playConfirmation();
    emit startRequested();
}

} // namespace app
