// SPDX-License-Identifier: GPL-3.0-or-later
#include "TerminationRequest.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#ifdef Q_OS_UNIX
#include <csignal>
#include <sys/socket.h>
#include <unistd.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX
namespace {

// The signal handler may only write to a descriptor; the event loop reads
// the other end.
int g_pipe[2] = {-1, -1};
constexpr int Handled[] = {SIGTERM, SIGINT, SIGHUP};

void onSignal(int number)
{
    const char byte = static_cast<char>(number);
    [[maybe_unused]] const ssize_t written = ::write(g_pipe[0], &byte, 1);
}

} // namespace

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent)
{
    if (g_pipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, g_pipe) != 0)
        return;
    m_notifier = new QSocketNotifier(g_pipe[1], QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, &TerminationRequest::readSignal);
    struct sigaction action = {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int number : Handled)
        ::sigaction(number, &action, nullptr);
}

TerminationRequest::~TerminationRequest()
{
    if (!m_notifier)
        return;
    struct sigaction action = {};
    action.sa_handler = SIG_DFL;
    sigemptyset(&action.sa_mask);
    for (const int number : Handled)
        ::sigaction(number, &action, nullptr);
    ::close(g_pipe[0]);
    ::close(g_pipe[1]);
    g_pipe[0] = g_pipe[1] = -1;
}

void TerminationRequest::readSignal()
{
    char byte = 0;
    if (::read(g_pipe[1], &byte, 1) != 1)
        return;
    if (m_pending) {
        // Asked again while a question of the closing is still open.
        QCoreApplication::exit(128 + byte);
        return;
    }
    m_pending = true;
    emit requested();
    m_pending = false;
}

#else

TerminationRequest::TerminationRequest(QObject* parent) : QObject(parent) {}
TerminationRequest::~TerminationRequest() = default;
void TerminationRequest::readSignal() {}

#endif

} // namespace platform
