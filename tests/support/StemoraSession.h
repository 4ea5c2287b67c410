// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/DataFolder.h"
#include "store/HolzRow.h"
#include "tests/support/ScriptedUserInterface.h"
#include "tests/store/TestDatabase.h"

#include <QObject>
#include <QStringList>
#include <QTest>
#include <memory>
#include <vector>

class QAction;
class QWidget;
namespace app {
class StemoraProgram;
}
namespace entry {
class FrmHolz;
class FrmHolzWindow;
} // namespace entry
namespace store {
class Settings;
}

namespace testing {

// The recording program on real widgets, as a user starts it: a fresh data
// folder (and schema on the test server, when there is one) with the
// shipped master data, its own settings file and a scripted
// user. Widgets are found by name; a missing one fails the running test case
// with its name and hands back a blank stand-in, so that the rest of the case
// neither dereferences null nor takes the whole test program down.
class StemoraSession {
public:
    StemoraSession();
    ~StemoraSession();
    StemoraSession(const StemoraSession&) = delete;
    StemoraSession& operator=(const StemoraSession&) = delete;

    TestDatabase folder;
    store::DataFolder data;
    std::unique_ptr<store::Settings> settings;
    ScriptedUserInterface ui;
    std::unique_ptr<app::StemoraProgram> program;

    void load();
    // Loads the program when needed and shows the entry screen as the start
    // button does.
    entry::FrmHolzWindow& open();
    entry::FrmHolzWindow& window();
    entry::FrmHolz& model();
    // Stores `count` generated records in a new list.
    void generate(const QString& list, int count,
                  const QStringList& species = {QStringLiteral("Fichte"), QStringLiteral("Douglasie")});

    // The child of `parent` with this object name.
    template <class T = QWidget> T* child(const QObject& parent, const char* name)
    {
        if (T* found = parent.findChild<T*>(QLatin1String(name)))
            return found;
        missing(T::staticMetaObject.className(), name);
        auto standIn = std::make_unique<T>();
        T* blank = standIn.get();
        m_standIns.push_back(std::move(standIn));
        return blank;
    }
    // A control or selection list of the entry screen; action() finds a menu entry.
    template <class T = QWidget> T* find(const char* name) { return child<T>(windowObject(), name); }
    QAction* action(const char* name);

    // Clicks a control unless it is a stand-in for a missing one.
    void click(QWidget* widget, Qt::KeyboardModifiers modifiers = {}, QPoint at = {});
    void tap(const char* name);
    void tapKeys(const QString& digits);
    // Taps a field, then the entry of its selection list.
    void choose(const char* field, const char* listName, const QString& entry);
    // "Neu", the name typed into the header window, "Speichern".
    void newList(const QString& name);
    // A list with logs of 4 m and the given diameters (Fichte, B, L).
    void listWithLogs(const QString& name, const QStringList& diameters);

    // The stored records of a list in entry order.
    QList<store::HolzRow> rows(const QString& list) const;
    // "Nummer Laenge Durchm Los" of each of them.
    QStringList records(const QString& list) const;

private:
    const QObject& windowObject();
    bool isStandIn(const QObject* object) const;
    static void missing(const char* type, const char* name);

    std::vector<std::unique_ptr<QObject>> m_standIns;
};

} // namespace testing
