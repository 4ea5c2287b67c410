// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QSocketNotifier;

namespace platform {

// Turns the system's request to end the program (SIGTERM at logout or
// shutdown, SIGINT from a terminal, SIGHUP when the terminal goes) into a
// signal on the event loop, so the program can close its windows the way
// the user would and store its last settings, instead of dying on the spot.
// One instance per process; signals arriving before it exists keep their
// default effect.
class TerminationRequest : public QObject {
    Q_OBJECT
public:
    explicit TerminationRequest(QObject* parent = nullptr);
    ~TerminationRequest() override;

signals:
    // The program was asked to end. A second request while the first is
    // still being handled (a question on screen) ends the program at once.
    void requested();

private:
    void readSignal();

    QSocketNotifier* m_notifier = nullptr;
    bool m_pending = false;
};

} // namespace platform
