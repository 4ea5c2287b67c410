// SPDX-License-Identifier: GPL-3.0-or-later
// The recording program as a desktop program: it fits the screen it runs
// on, its tables never cut a volume or a name, its pick lists open on screen
// beside their fields, Qt's standard texts are German, its dialogs follow
// desktop conventions and failures to open a page are shown with the path.
// Run on a 1280×800 laptop, a 1024×768 tablet and a 2560×1440 desktop at
// 200 % (see CMakeLists.txt).
#include "app/OptionsDialog.h"
#include "app/StemoraProgram.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/ListTable.h"
#include "entry/SelectionLists.h"
#include "entry/StatisticsDialog.h"
#include "header/FrmListendatenDialog.h"
#include "lots/FrmLosDialog.h"
#include "mantel/FrmMantelDialog.h"
#include "platform/AboutBox.h"
#include "platform/QtUserInterface.h"
#include "platform/Translations.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "tests/support/StemoraSession.h"
#include "tests/support/TestFolder.h"

#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QToolTip>
#include <QtTest>

using testing::StemoraSession;

namespace {

QString plain(QString text)
{
    return text.remove(QLatin1Char('&'));
}

// Text of a button or label that does not fit the control showing it.
QStringList cutTexts(const QWidget* root)
{
    QStringList cut;
    for (const QPushButton* button : root->findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(root) || button->text().isEmpty())
            continue;
        const int needed = button->fontMetrics().horizontalAdvance(plain(button->text()));
        if (needed > button->contentsRect().width())
            cut << QStringLiteral("%1 „%2“ (%3 > %4)")
                       .arg(button->objectName(), button->text())
                       .arg(needed)
                       .arg(button->contentsRect().width());
    }
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!label->isVisibleTo(root) || label->wordWrap() || label->textFormat() == Qt::RichText ||
            label->text().isEmpty())
            continue;
        const int needed = label->fontMetrics().horizontalAdvance(plain(label->text()));
        if (needed > label->contentsRect().width())
            cut << QStringLiteral("%1 „%2“").arg(label->objectName(), label->text());
    }
    return cut;
}

// Cells of the rows in view whose text is wider than their column, and
// captions wider than theirs.
QStringList cutCells(const entry::ListTable* table)
{
    QStringList cut;
    const QAbstractItemModel* model = table->model();
    const int margin = table->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, table) + 1;
    const int first = std::max(table->rowAt(0), 0);
    int last = table->rowAt(table->viewport()->height() - 1);
    if (last < 0)
        last = model->rowCount() - 1;
    for (int row = first; row <= last; ++row) {
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString text = model->index(row, column).data().toString();
            const int needed = table->fontMetrics().horizontalAdvance(text) + 2 * margin;
            if (needed > table->columnWidth(column))
                cut << QStringLiteral("%1[%2,%3] „%4“")
                           .arg(table->objectName())
                           .arg(row)
                           .arg(column)
                           .arg(text);
        }
    }
    const QFontMetrics header(table->horizontalHeader()->font());
    for (int column = 0; column < model->columnCount(); ++column) {
        const QString caption = model->headerData(column, Qt::Horizontal).toString();
        if (header.horizontalAdvance(caption) > table->columnWidth(column))
            cut << QStringLiteral("%1 Spalte „%2“").arg(table->objectName(), caption);
    }
    return cut;
}

// Controls of a window that a screen reader could not name.
QStringList unnamedControls(const QWidget* root)
{
    QStringList unnamed;
    for (QWidget* w : root->findChildren<QWidget*>()) {
        const bool control = qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) ||
                             qobject_cast<QAbstractButton*>(w) || qobject_cast<QAbstractItemView*>(w);
        if (!control || !w->isVisibleTo(root) || w->inherits("QComboBoxListView") ||
            qobject_cast<QHeaderView*>(w))
            continue;
        // Combo boxes report their current entry as name on Linux; their
        // own name is what a reader announces before it.
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(w);
        const QString name = !w->accessibleName().isEmpty() ? w->accessibleName()
                             : accessible                   ? accessible->text(QAccessible::Name)
                                                            : QString();
        if (name.trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(w->objectName(),
                                                     QString::fromLatin1(w->metaObject()->className()));
    }
    return unnamed;
}

// The widget Tab moves the focus to from `from`.
QWidget* nextByTab(QWidget* from)
{
    for (QWidget* w = from->nextInFocusChain(); w != from; w = w->nextInFocusChain())
        if ((w->focusPolicy() & Qt::TabFocus) && w->isVisible() && w->isEnabled())
            return w;
    return from;
}

// Answers the next modal message box with its default and returns its text.
QString answerNextMessage(std::function<void()> action)
{
    QString text;
    QTimer::singleShot(0, [&text] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (!box)
            return;
        text = box->text();
        box->accept();
    });
    action();
    return text;
}

} // namespace

class TestDesktopUi : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void entryWindowFitsTheScreen();
    void tablesShowVolumesAndNamesWhole();
    void columnWidthsAreKeptPerUser();
    void currentRecordStaysInView();
    void pickListsOpenOnScreenBesideTheirField();
    void standardButtonsSpeakGerman();
    void dialogsCloseWithEscapeAndNameTheirControls();
    void unopenedHelpPageNamesItsPath();
    void programsCarryIconVersionAndLicence();
};

void TestDesktopUi::initTestCase()
{
    QVERIFY2(platform::installGermanTranslations(*qApp), "Qt's German translations are not installed");
}

void TestDesktopUi::entryWindowFitsTheScreen()
{
    StemoraSession s;
    s.generate(QStringLiteral("Hiebsmaßnahme Südhang"), 50);
    entry::FrmHolzWindow& w = s.open();
    const QRect available = w.screen()->availableGeometry();
    QVERIFY2(available.contains(w.frameGeometry()), qPrintable(QStringLiteral("Fenster %1,%2 %3×%4 auf %5×%6")
                                                                   .arg(w.frameGeometry().x())
                                                                   .arg(w.frameGeometry().y())
                                                                   .arg(w.frameGeometry().width())
                                                                   .arg(w.frameGeometry().height())
                                                                   .arg(available.width())
                                                                   .arg(available.height())));
    QVERIFY(w.minimumSizeHint().width() <= available.width());
    QVERIFY(w.minimumSizeHint().height() <= available.height());
    const QStringList cut = cutTexts(&w);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void TestDesktopUi::tablesShowVolumesAndNamesWhole()
{
    StemoraSession s;
    s.generate(QStringLiteral("Durchforstung Hangwald Ost"), 300);
    s.generate(QStringLiteral("Hiebsmaßnahme Südhang 2026"), 120);
    entry::FrmHolzWindow& w = s.open();
    QVERIFY(w.listDaten()->model()->rowCount() > 0);
    // Page by page through both tables: what comes into view fits too.
    for (entry::ListTable* table : {w.listListen(), w.listDaten()}) {
        QScrollBar* bar = table->verticalScrollBar();
        for (int value = bar->minimum();; value += std::max(bar->pageStep(), 1)) {
            bar->setValue(value);
            const QStringList cut = cutCells(table);
            QVERIFY2(cut.isEmpty(), qPrintable(cut.mid(0, 8).join(QStringLiteral("; "))));
            if (value >= bar->maximum())
                break;
        }
    }
    // A short caption says in its tooltip what it stands for.
    QHeaderView* header = w.listDaten()->horizontalHeader();
    const QPoint at(header->sectionViewportPosition(2) + 3, header->height() / 2);
    QHelpEvent help(QEvent::ToolTip, at, header->viewport()->mapToGlobal(at));
    QApplication::sendEvent(header->viewport(), &help);
    QTRY_COMPARE(QToolTip::text(), QStringLiteral("Stammnummer; bei Sortimenten * und die Stückzahl"));
}

void TestDesktopUi::columnWidthsAreKeptPerUser()
{
    StemoraSession s;
    s.generate(QStringLiteral("Nord"), 10);
    {
        entry::ListTable* daten = s.open().listDaten();
        // A drag of the border of "Abteilung" ends with the mouse button released.
        daten->horizontalHeader()->resizeSection(13, 260);
        QMouseEvent release(QEvent::MouseButtonRelease, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(daten->horizontalHeader()->viewport(), &release);
        QCOMPARE(s.settings->get(store::keys::SpaltenListDaten).split(QLatin1Char(',')).value(13),
                 QStringLiteral("260"));
        // Narrower than the caption needs: the column stays readable.
        daten->horizontalHeader()->resizeSection(12, 3);
        QApplication::sendEvent(daten->horizontalHeader()->viewport(), &release);
        QCOMPARE(daten->columnWidth(12), daten->neededWidth(12));
        s.program.reset();
    }
    QCOMPARE(s.open().listDaten()->columnWidth(13), 260);
}

void TestDesktopUi::currentRecordStaysInView()
{
    StemoraSession s;
    s.generate(QStringLiteral("Gross"), 3000);
    entry::FrmHolzWindow& w = s.open();
    entry::ListTable* daten = w.listDaten();
    QCOMPARE(daten->selectedRowNumbers(), QList<int>{2999});
    const auto inView = [daten] {
        const QRect row = daten->visualRect(daten->model()->index(daten->currentIndex().row(), 0));
        return daten->viewport()->rect().contains(row);
    };
    QVERIFY(inView());
    w.showNormal();
    w.resize(w.minimumSizeHint());
    QTRY_VERIFY(inView());
}

void TestDesktopUi::pickListsOpenOnScreenBesideTheirField()
{
    StemoraSession s;
    s.generate(QStringLiteral("Nord"), 5);
    entry::FrmHolzWindow& w = s.open();
    const QRect available = w.screen()->availableGeometry();
    const struct {
        const char* button;
        const char* field;
        const char* list;
    } pickers[] = {{"cmdHolzart", "txtHolzart", "lstHolzart"},
                   {"cmdLos", "txtLos", "lstLos"},
                   {"cmdKlasse", "txtSorte", "lstKlasse"},
                   {"cmdGuete", "txtGuete", "lstGuete"}};
    for (const auto& p : pickers) {
        QWidget* field = s.find(p.field);
        s.click(s.find(p.button));
        QListWidget* list = s.find<QListWidget>(p.list);
        QVERIFY2(list->isVisible(), p.list);
        const QRect shown(list->mapToGlobal(QPoint(0, 0)), list->size());
        const QRect filled(field->mapToGlobal(QPoint(0, 0)), field->size());
        QVERIFY2(available.contains(shown), p.list);
        QVERIFY2(!shown.intersects(filled), p.list);
        QTest::keyClick(list, Qt::Key_Escape);
        QTRY_VERIFY2(!list->isVisible(), p.list);
    }
}

void TestDesktopUi::standardButtonsSpeakGerman()
{
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes);
    QCOMPARE(plain(box.button(QMessageBox::Yes)->text()), QStringLiteral("Ja"));

    StemoraSession s;
    s.open();
    app::OptionsDialog& options = s.program->optionsDialog();
    QCOMPARE(s.child<QPushButton>(options, "cmdSchliessen")->text(), QStringLiteral("Schließen"));
    // The text boxes' own menus too.
    auto* edit = s.find<QLineEdit>("txtZusatz");
    std::unique_ptr<QMenu> menu(edit->createStandardContextMenu());
    QStringList entries;
    for (const QAction* action : menu->actions())
        if (!action->isSeparator())
            entries << plain(action->text()).section(QLatin1Char('\t'), 0, 0);
    QVERIFY2(entries.contains(QStringLiteral("Einfügen")), qPrintable(entries.join(QLatin1Char(','))));
}

void TestDesktopUi::dialogsCloseWithEscapeAndNameTheirControls()
{
    StemoraSession s;
    s.generate(QStringLiteral("Nord"), 5);
    entry::FrmHolzWindow& w = s.open();
    QStringList unnamed = unnamedControls(&w);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));

    // Options: Escape stores them and closes, as "Schließen" does.
    app::OptionsDialog& options = s.program->optionsDialog();
    options.open();
    QVERIFY(QTest::qWaitForWindowExposed(&options));
    unnamed = unnamedControls(&options);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    options.losEdit()->selectAll();
    QTest::keyClicks(options.losEdit(), QStringLiteral("7"));
    QTest::keyClick(&options, Qt::Key_Escape);
    QTRY_VERIFY(!options.isVisible());
    QCOMPARE(s.settings->get(store::keys::AutoLos), QStringLiteral("7"));
    options.open();
    QCOMPARE(nextByTab(options.checkBox(app::Options::chkKonvAuto)), options.losEdit());
    QCOMPARE(nextByTab(options.losEdit()), options.checkBox(app::Options::chkGuete));
    s.click(s.child<QPushButton>(options, "cmdSchliessen"));
    QTRY_VERIFY(!options.isVisible());

    lots::FrmLosDialog& rules = s.program->lotRulesDialog();
    rules.open(QStringLiteral("1"));
    QVERIFY(QTest::qWaitForWindowExposed(&rules));
    unnamed = unnamedControls(&rules);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QCOMPARE(nextByTab(rules.comboHolzart()), rules.boxEdit(lots::FrmLos::txtHolzarten));
    QCOMPARE(nextByTab(rules.boxEdit(lots::FrmLos::txtHolzarten)), rules.comboSorte());
    QTest::keyClick(&rules, Qt::Key_Escape);
    QTRY_VERIFY(!rules.isVisible());

    header::FrmListendatenDialog* header = w.headerDialog();
    s.program->frmHolz().cmdListeBearbeiten_Click();
    QTRY_VERIFY(header->isVisible());
    unnamed = unnamedControls(header);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    // Tab goes down the left column first, as the boxes stand.
    QLineEdit* name = header->edit(header::HeaderField::Listenname);
    QCOMPARE(nextByTab(name), header->edit(header::HeaderField::Name));
    QCOMPARE(nextByTab(header->edit(header::HeaderField::Bemerkung)),
             header->edit(header::HeaderField::Forstamt));
    QTest::keyClick(header, Qt::Key_Escape);
    QTRY_VERIFY(!header->isVisible());

    s.program->frmHolz().mnuStatistik_Click();
    QWidget* statistics = w.statisticsDialog();
    QTRY_VERIFY(statistics->isVisible());
    unnamed = unnamedControls(statistics);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QTest::keyClick(statistics, Qt::Key_Escape);
    QTRY_VERIFY(!statistics->isVisible());

    mantel::FrmMantelDialog& mantel = s.program->mantelDialog();
    mantel.show();
    QVERIFY(QTest::qWaitForWindowExposed(&mantel));
    unnamed = unnamedControls(&mantel);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral(", "))));
    QTest::keyClick(&mantel, Qt::Key_Escape);
    QTRY_VERIFY(!mantel.isVisible());
    QVERIFY(s.ui.done());
}

void TestDesktopUi::unopenedHelpPageNamesItsPath()
{
    testing::TestFolder folder;
    const QString page = folder.file(QStringLiteral("startmo.htm"));
    platform::QtUserInterface ui(QString(), page);
    // No page and, offscreen, no browser either.
    const QString text = answerNextMessage([&ui] { ui.openHelp(QStringLiteral("Kopfdaten")); });
    QVERIFY2(text.contains(QDir::toNativeSeparators(page)), qPrintable(text));

    const QString document = folder.write(QStringLiteral("Nord.docx"), "PK");
    const QString shown = answerNextMessage([&ui, &document] { QVERIFY(!ui.openFile(document)); });
    QVERIFY2(shown.contains(QDir::toNativeSeparators(document)), qPrintable(shown));
}

void TestDesktopUi::programsCarryIconVersionAndLicence()
{
    for (const char* program : {"stemora", "stemprint"})
        QVERIFY2(!platform::programIcon(QLatin1String(program)).pixmap(64, 64).isNull(), program);
    std::unique_ptr<QMessageBox> about(
        platform::createAboutBox(nullptr, QStringLiteral("Stemora"), QStringLiteral("Rundholz erfassen")));
    QVERIFY(about->text().contains(QStringLiteral("Version 1.")));
    QVERIFY(about->informativeText().contains(QStringLiteral("GPL-3.0-or-later")));
    QCOMPARE(plain(about->buttons().value(0)->text()), QStringLiteral("Schließen"));

    StemoraSession s;
    s.open();
    QVERIFY(s.action("mnuUeber")->isEnabled());
}

QTEST_MAIN(TestDesktopUi)
#include "tst_desktop_ui.moc"
