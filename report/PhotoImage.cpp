// SPDX-License-Identifier: GPL-3.0-or-later
#include "PhotoImage.h"

#include <QImageReader>

namespace report {

QImage readPhoto(const QString& file, const QSize& bound)
{
    QImageReader reader(file);
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    if (full.isValid() && (full.width() > bound.width() || full.height() > bound.height()))
        reader.setScaledSize(full.scaled(bound, Qt::KeepAspectRatio));
    return reader.read();
}

} // namespace report
