// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Random lists, seeded and so the same on every run, exported to every
// format and read back where the import reads the format: every field the
// format carries comes back as it was.
class TestPropertyRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void everyFormat();
};
