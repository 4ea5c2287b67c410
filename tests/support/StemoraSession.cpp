// SPDX-License-Identifier: GPL-3.0-or-later
#include "StemoraSession.h"

#include "app/StartWindowWidget.h"
#include "app/StemoraProgram.h"
#include "cli/ListGenerator.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/Keypad.h"
#include "header/FrmListendatenDialog.h"
#include "import/DataFolderSetup.h"
#include "store/RecordRepository.h"
#include "store/Database.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>

namespace testing {

StemoraSession::StemoraSession() : data(folder.dataFolder())
{
    importer::DataFolderSetup::ensure(data);
    settings = std::make_unique<store::Settings>(folder.file(QStringLiteral("Stemmo.ini")));
}

StemoraSession::~StemoraSession() = default;

void StemoraSession::load()
{
    program = std::make_unique<app::StemoraProgram>(data, *settings, ui);
}

entry::FrmHolzWindow& StemoraSession::open()
{
    if (!program)
        load();
    program->startWindowWidget().show();
    QTest::mouseClick(program->startWindowWidget().startButton(), Qt::LeftButton);
    entry::FrmHolzWindow& w = program->window();
    w.activateWindow();
    if (!QTest::qWaitForWindowActive(&w))
        qWarning("entry screen not active");
    return w;
}

entry::FrmHolzWindow& StemoraSession::window()
{
    return program->window();
}

entry::FrmHolz& StemoraSession::model()
{
    return program->frmHolz();
}

void StemoraSession::generate(const QString& list, int count, const QStringList& species)
{
    auto db = store::Database::open(data.holzDb(), store::DatabaseKind::Holz);
    cli::ListGenerator(species).generate(*db, list, count);
}

const QObject& StemoraSession::windowObject()
{
    return window();
}

QAction* StemoraSession::action(const char* name)
{
    return child<QAction>(*window().menuBar(), name);
}

bool StemoraSession::isStandIn(const QObject* object) const
{
    for (const auto& standIn : m_standIns)
        if (standIn.get() == object)
            return true;
    return false;
}

void StemoraSession::missing(const char* type, const char* name)
{
    QTest::qFail(
        qPrintable(QStringLiteral("Kein %1 namens „%2“").arg(QLatin1String(type), QLatin1String(name))),
        __FILE__, __LINE__);
}

void StemoraSession::click(QWidget* widget, Qt::KeyboardModifiers modifiers, QPoint at)
{
    if (!isStandIn(widget))
        QTest::mouseClick(widget, Qt::LeftButton, modifiers, at);
}

void StemoraSession::tap(const char* name)
{
    click(find<QPushButton>(name));
}

void StemoraSession::tapKeys(const QString& digits)
{
    for (const QChar d : digits)
        QTest::mouseClick(window().keypad()->digit(d.digitValue()), Qt::LeftButton);
}

void StemoraSession::choose(const char* field, const char* listName, const QString& entry)
{
    click(find(field));
    QListWidget* list = find<QListWidget>(listName);
    QVERIFY2(list->isVisible(), listName);
    const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
    QVERIFY2(!items.isEmpty(), qPrintable(entry));
    click(list->viewport(), {}, list->visualItemRect(items.first()).center());
    QVERIFY2(!list->isVisible(), listName);
}

void StemoraSession::newList(const QString& name)
{
    tap("cmdNeu");
    header::FrmListendatenDialog* dialog = window().headerDialog();
    QTRY_VERIFY(dialog->isVisible());
    QLineEdit* box = dialog->edit(header::HeaderField::Listenname);
    box->selectAll();
    QTest::keyClicks(box, name);
    QTest::mouseClick(dialog->saveButton(), Qt::LeftButton);
}

void StemoraSession::listWithLogs(const QString& name, const QStringList& diameters)
{
    newList(name);
    choose("txtHolzart", "lstHolzart", QStringLiteral("Fichte"));
    tap("cmdGuete1");
    tap("cmdSorte2");
    for (const QString& d : diameters) {
        tapKeys(QStringLiteral("4") + d);
        tap("cmdSpeichern");
    }
}

QList<store::HolzRow> StemoraSession::rows(const QString& list) const
{
    auto db = store::Database::open(data.holzDb(), store::DatabaseKind::Holz, store::OpenMode::ReadOnly);
    QList<store::HolzRow> rows;
    store::RecordRepository(*db).forEachRecord(list, QString(), true,
                                      [&rows](const store::HolzRow& row) { rows << row; });
    return rows;
}

QStringList StemoraSession::records(const QString& list) const
{
    QStringList records;
    for (const store::HolzRow& row : rows(list))
        records << QStringLiteral("%1 %2 %3 %4").arg(row.Nummer).arg(row.Laenge).arg(row.Durchm).arg(row.Los);
    return records;
}

} // namespace testing
