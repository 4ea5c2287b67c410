// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

// Lists written by the exporters and read back by the import.
class TestRoundTrip : public QObject {
    Q_OBJECT

private slots:
    void formats_data();
    void formats();
};
