// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScreenshotTour.h"

#include "app/OptionsDialog.h"
#include "app/StartWindowWidget.h"
#include "app/StemoraProgram.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/KeyCodes.h"
#include "entry/StatisticsDialog.h"
#include "header/FrmListendatenDialog.h"
#include "lots/FrmLosDialog.h"
#include "mantel/FrmMantelDialog.h"
#include "platform/AboutBox.h"
#include "platform/WindowPlacement.h"
#include "report/DocumentFiles.h"
#include "report/Form1.h"
#include "report/Form1Window.h"
#include "store/DataFolder.h"

#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPixmap>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <cstdio>

namespace app {
namespace {

// Lets the windows lay themselves out and paint.
void settle(int milliseconds = 400)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void showOnTop(QWidget& widget)
{
    widget.show();
    widget.raise();
    widget.activateWindow();
}

} // namespace

ScreenshotTour::ScreenshotTour(StemoraProgram& program, store::Settings& settings,
                               platform::UserInterface& ui, QString folder, QString size)
    : m_program(program), m_settings(settings), m_ui(ui), m_folder(std::move(folder)), m_size(std::move(size))
{
}

QString ScreenshotTour::fileName(const QString& name) const
{
    return QDir(m_folder).filePath(QStringLiteral("%1-%2.png").arg(name, m_size));
}

bool ScreenshotTour::save(QWidget& widget, const QString& name)
{
    settle();
    const QString path = fileName(name);
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "Bild nicht gespeichert: %s\n", qPrintable(path));
    return false;
}

bool ScreenshotTour::saveScreen(const QString& name)
{
    // The whole screen: shows that the window fits it.
    settle();
    const QString path = fileName(name);
    QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && screen->grabWindow(0).save(path))
        return true;
    std::fprintf(stderr, "Bild nicht gespeichert: %s\n", qPrintable(path));
    return false;
}

bool ScreenshotTour::reportProgram()
{
    const store::DataFolder folder(store::DataFolder::defaultPath());
    report::Form1 model(m_settings, m_ui, folder, report::DocumentFiles::folder(), {});
    report::Form1Window window(model);
    model.Form_Load();
    m_program.window().hide();
    platform::fitToScreen(window, QSize(1180, 760));
    showOnTop(window);
    model.Form_Activate();
    bool ok = saveScreen(QStringLiteral("Stemprint"));
    window.hide();
    return ok;
}

int ScreenshotTour::run()
{
    QDir().mkpath(m_folder);
    entry::FrmHolzWindow& window = m_program.window();
    entry::FrmHolz& model = m_program.frmHolz();
    bool ok = true;

    m_program.start();
    m_program.startWindowWidget().move(0, 0);
    ok &= save(m_program.startWindowWidget(), QStringLiteral("Bild1"));

    m_program.showEntryScreen();
    ok &= saveScreen(QStringLiteral("frmHolz"));

    // The species list opens over the screen below its field.
    model.cmdHolzart_Click();
    ok &= saveScreen(QStringLiteral("frmHolz-Holzart"));
    model.keyDown(entry::keys::Esc);

    model.cmdListeBearbeiten_Click();
    ok &= save(*window.headerDialog(), QStringLiteral("frmListendaten"));
    window.headerDialog()->reject();

    model.mnuStatistik_Click();
    if (QWidget* statistics = window.statisticsDialog()) {
        ok &= save(*statistics, QStringLiteral("frmStatistik"));
        statistics->hide();
    }

    m_program.optionsDialog().open();
    ok &= save(m_program.optionsDialog(), QStringLiteral("frmOpt"));
    m_program.optionsDialog().close();

    m_program.lotRulesDialog().open(QStringLiteral("1"));
    ok &= save(m_program.lotRulesDialog(), QStringLiteral("frmLos"));
    m_program.lotRulesDialog().hide();

    showOnTop(m_program.mantelDialog());
    ok &= save(m_program.mantelDialog(), QStringLiteral("frmMantel"));
    m_program.mantelDialog().hide();

    // Standard dialogs: German buttons from Qt's own translations.
    {
        QMessageBox question(QMessageBox::Question, QStringLiteral("Stemmo"),
                             QStringLiteral("Programm beenden ?"), QMessageBox::Yes | QMessageBox::No,
                             &window);
        showOnTop(question);
        ok &= save(question, QStringLiteral("Frage"));
    }
    {
        QFileDialog files(&window, QStringLiteral("Liste konvertieren"), QDir::homePath(),
                          QStringLiteral("Holzlisten (*.dat)"));
        files.setOption(QFileDialog::DontUseNativeDialog);
        files.setAcceptMode(QFileDialog::AcceptSave);
        files.resize(760, 480);
        showOnTop(files);
        ok &= save(files, QStringLiteral("Dateiauswahl"));
    }
    {
        QMessageBox* about = platform::createAboutBox(
            &window, QStringLiteral("Stemora"), QStringLiteral("Erfasst gefälltes Rundholz in Holzlisten."));
        showOnTop(*about);
        ok &= save(*about, QStringLiteral("Info"));
        about->close();
    }

    ok &= reportProgram();

    window.close();
    return ok ? 0 : 1;
}

} // namespace app
