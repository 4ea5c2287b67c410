// SPDX-License-Identifier: GPL-3.0-or-later
#include "Sound.h"

#include <QFileInfo>
#include <canberra.h>

namespace platform {

Sound::Sound()
{
    ca_context* context = nullptr;
    if (ca_context_create(&context) != CA_SUCCESS)
        return;
    ca_context_change_props(context, CA_PROP_APPLICATION_NAME, "Stemmo", nullptr);
    // Opening fails fast without a sound server; then the program stays silent.
    if (ca_context_open(context) != CA_SUCCESS) {
        ca_context_destroy(context);
        return;
    }
    m_context = context;
}

Sound::~Sound()
{
    if (m_context)
        ca_context_destroy(m_context);
}

void Sound::play(const QString& wavFile)
{
    if (!m_context || !QFileInfo::exists(wavFile))
        return;
    ca_context_cancel(m_context, 1);
    const QByteArray path = QFileInfo(wavFile).absoluteFilePath().toUtf8();
    ca_context_play(m_context, 1, CA_PROP_MEDIA_FILENAME, path.constData(), nullptr);
}

} // namespace platform
