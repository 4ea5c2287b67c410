// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

struct ca_context;

namespace platform {

// Plays a short wave file through the desktop's sound service. Playing is
// best effort: without a sound device or service nothing happens and no
// error is raised, because a missing beep must never stop the work.
class Sound {
public:
    Sound();
    ~Sound();
    Sound(const Sound&) = delete;
    Sound& operator=(const Sound&) = delete;

    // Starts playing and returns at once; a second call cancels the first.
    void play(const QString& wavFile);
    bool available() const { return m_context != nullptr; }

private:
    ::ca_context* m_context = nullptr;
};

} // namespace platform
