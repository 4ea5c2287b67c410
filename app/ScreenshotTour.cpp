#include "ScreenshotTour.h"

#include "app/StemoraProgram.h"
#include "entry/FrmHolz.h"
#include "entry/FrmHolzWindow.h"
#include "entry/KeyCodes.h"
#include "header/FrmListendatenDialog.h"

#include <QDir>
#include <QEventLoop>
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

} // namespace

QString ScreenshotTour::folderFromEnvironment()
{
    return qEnvironmentVariable("STEMMO_SCREENSHOTS");
}

ScreenshotTour::ScreenshotTour(StemoraProgram& program, QString folder)
    : m_program(program), m_folder(std::move(folder))
{
}

bool ScreenshotTour::save(QWidget& widget, const QString& name)
{
    settle();
    const QString path = QDir(m_folder).filePath(name);
    if (widget.grab().save(path))
        return true;
    std::fprintf(stderr, "Bild nicht gespeichert: %s\n", qPrintable(path));
    return false;
}

int ScreenshotTour::run()
{
    QDir().mkpath(m_folder);
    entry::FrmHolzWindow& window = m_program.window();
    entry::FrmHolz& model = m_program.frmHolz();
    bool ok = true;

    m_program.showEntryScreen();
    window.move(0, 0);
    window.resize(1600, 1000);
    ok &= save(window, QStringLiteral("frmHolz.png"));

    // The species list opens over the screen beside its field.
    model.cmdHolzart_Click();
    ok &= save(window, QStringLiteral("frmHolz-Holzart.png"));
    model.keyDown(entry::keys::Esc);

    window.resize(1280, 800);
    ok &= save(window, QStringLiteral("frmHolz-1280x800.png"));

    model.cmdListeBearbeiten_Click();
    ok &= save(*window.headerDialog(), QStringLiteral("frmListendaten.png"));
    window.headerDialog()->reject();

    window.close();
    return ok ? 0 : 1;
}

} // namespace app
