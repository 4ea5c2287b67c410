// SPDX-License-Identifier: GPL-3.0-or-later
// One report program per user: the second start finds the first and brings it to the front.
#include "platform/SingleInstance.h"

#include <QCoreApplication>
#include <QSignalSpy>
#include <QTest>
#include <QUuid>
#include <future>

using platform::SingleInstance;

namespace {

// A channel no other test run uses.
QString freshChannel()
{
    return SingleInstance::channelName(QStringLiteral("Stemtest-") +
                                       QUuid::createUuid().toString(QUuid::Id128).left(12));
}

// Asks from another thread, as a second process would, while this one serves.
bool activateFromOutside(const QString& channel, const QString& file = QString())
{
    auto answer = std::async(
        std::launch::async, [channel, file] { return SingleInstance::activateRunning(channel, 2000, file); });
    while (answer.wait_for(std::chrono::milliseconds(5)) != std::future_status::ready)
        QCoreApplication::processEvents();
    return answer.get();
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT
private slots:
    // Two users on one machine each get their own report program: the
    // second user's start neither finds nor wakes the first user's.
    void channelIsPerProgramAndUser()
    {
        const QByteArray savedUser = qgetenv("USER");
        const auto channelOf = [](const char* user, const QString& program) {
            qputenv("USER", user);
            return SingleInstance::channelName(program);
        };
        const QString program =
            QStringLiteral("Stemtest-") + QUuid::createUuid().toString(QUuid::Id128).left(12);
        const QString anna = channelOf("anna", program);
        const QString bernd = channelOf("bernd", program);
        const QString other = channelOf("anna", program + QStringLiteral("x"));
        // A user name is no path: it cannot put the channel elsewhere.
        const QString odd = channelOf("../a b/c", program);
        if (savedUser.isNull())
            qunsetenv("USER");
        else
            qputenv("USER", savedUser);
        QVERIFY(anna != bernd);
        QVERIFY(anna != other);
        QVERIFY2(!odd.contains(QLatin1Char('/')), qPrintable(odd));

        SingleInstance annas;
        QVERIFY(annas.tryBecomePrimary(anna));
        QSignalSpy annaActivated(&annas, &SingleInstance::activationRequested);
        SingleInstance bernds;
        QVERIFY(bernds.tryBecomePrimary(bernd));
        QSignalSpy berndActivated(&bernds, &SingleInstance::activationRequested);
        QVERIFY(activateFromOutside(bernd));
        QTRY_COMPARE(berndActivated.size(), 1);
        QCOMPARE(annaActivated.size(), 0);
    }

    void secondStartActivatesFirstAndHandsOverItsFile()
    {
        const QString channel = freshChannel();
        SingleInstance first;
        QVERIFY(first.tryBecomePrimary(channel));
        QSignalSpy opened(&first, &SingleInstance::openRequested);
        QSignalSpy activated(&first, &SingleInstance::activationRequested);
        SingleInstance second;
        QVERIFY(!second.tryBecomePrimary(channel));

        // Any name a file may have arrives whole: blanks, umlauts, a line break.
        const QString file = QStringLiteral("/tmp/Wald Nord/Holz ä 100%\nzwei.db");
        QVERIFY(activateFromOutside(channel, file));
        QTRY_COMPARE(activated.size(), 1);
        QCOMPARE(opened.size(), 1);
        QCOMPARE(opened.first().first().toString(), file);

        // A plain second start opens nothing.
        QVERIFY(activateFromOutside(channel));
        QTRY_COMPARE(activated.size(), 2);
        QCOMPARE(opened.size(), 1);
    }

    void endedPrimaryFreesTheChannel()
    {
        const QString channel = freshChannel();
        QVERIFY(!SingleInstance::activateRunning(channel, 200)); // nobody answers yet
        {
            SingleInstance first;
            QVERIFY(first.tryBecomePrimary(channel));
        }
        SingleInstance next;
        QVERIFY(next.tryBecomePrimary(channel));
        QVERIFY(activateFromOutside(channel));
    }
};

QTEST_GUILESS_MAIN(TestSingleInstance)
#include "tst_singleinstance.moc"
