// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QObject>

namespace platform {
class UserInterface;
}

namespace app {

// The recording program's first window: product picture, version line and
// the start button. It also settles how the system writes decimals.
class StartWindow : public QObject {
    Q_OBJECT
public:
    explicit StartWindow(platform::UserInterface& ui, const QLocale& locale = QLocale::system(),
                         QObject* parent = nullptr);

    static QString caption() { return QStringLiteral("Holzaufnahme"); }
    static QString Command1Caption() { return QStringLiteral("Starte Stemora"); }
    // "Version 1.0.0 vom 01.12.2026".
    QString Label1() const;
    static QString versionLine(int major, int minor, int revision, const QString& releaseText);

    // Whether the system's number format writes a decimal point.
    bool dezimalpunkt() const { return m_dezimalpunkt; }

    // Confirmation sound, then the entry screen.
    void Command1_Click();

signals:
    void startRequested();

private:
    platform::UserInterface* m_ui;
    bool m_dezimalpunkt;
};

} // namespace app
