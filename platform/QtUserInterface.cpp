// SPDX-License-Identifier: GPL-3.0-or-later
#include "QtUserInterface.h"

#include <QApplication>
#include <QDateTime>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QUrl>
#include <QVBoxLayout>
#include <limits>

namespace platform {

QtUserInterface::QtUserInterface(QString soundFile, QString helpFile)
    : m_soundFile(std::move(soundFile)), m_helpFile(std::move(helpFile))
{
}

QtUserInterface::~QtUserInterface()
{
    // Still here only when its parent window outlives the port.
    delete m_progress.data();
}

Answer QtUserInterface::message(const Message& message)
{
    QMessageBox box(m_parent);
    box.setWindowTitle(message.title.isEmpty() ? QStringLiteral("Stemmo") : message.title);
    // Texts carry their line breaks as CR, as the files they came from did;
    // a label breaks lines only at LF.
    QString text = message.text;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    box.setText(text);
    switch (message.icon) {
    case Icon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case Icon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Icon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case Icon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case Icon::None:
        break;
    }
    switch (message.buttons) {
    case Buttons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case Buttons::OkCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case Buttons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    case Buttons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    // Large buttons: the program is used on touch tablets with gloves.
    box.setStyleSheet(QStringLiteral("QPushButton { min-width: 96px; min-height: 44px; }"));
    switch (box.exec()) {
    case QMessageBox::Ok:
        return Answer::Ok;
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    default:
        return Answer::Cancel;
    }
}

std::optional<QString> QtUserInterface::inputBox(const QString& prompt, const QString& title,
                                                 const QString& defaultText)
{
    bool ok = false;
    const QString text = QInputDialog::getText(m_parent, title, prompt, QLineEdit::Normal, defaultText, &ok);
    if (!ok)
        return std::nullopt;
    return text;
}

QString QtUserInterface::startFolder(const QString& folder) const
{
    if (!folder.isEmpty() && QFileInfo(folder).isDir())
        return folder;
    return QDir::homePath();
}

std::optional<QString> QtUserInterface::chooseOpenFile(const FileChoice& choice)
{
    const QString start = QDir(startFolder(choice.folder)).filePath(choice.proposedName);
    const QString path = QFileDialog::getOpenFileName(m_parent, choice.title, start, choice.filter);
    if (path.isEmpty())
        return std::nullopt;
    return QFileInfo(path).absoluteFilePath();
}

std::optional<QString> QtUserInterface::chooseSaveFile(const FileChoice& choice)
{
    const QString start = QDir(startFolder(choice.folder)).filePath(choice.proposedName);
    QFileDialog::Options options;
    if (!choice.confirmOverwrite)
        options |= QFileDialog::DontConfirmOverwrite;
    const QString path =
        QFileDialog::getSaveFileName(m_parent, choice.title, start, choice.filter, nullptr, options);
    if (path.isEmpty())
        return std::nullopt;
    return QFileInfo(path).absoluteFilePath();
}

void QtUserInterface::playConfirmation()
{
    m_sound.play(m_soundFile);
}

void QtUserInterface::openHelp(const QString& anchor)
{
    QUrl url = QUrl::fromLocalFile(m_helpFile);
    if (!anchor.isEmpty())
        url.setFragment(anchor);
    if (!QFileInfo::exists(m_helpFile) || !QDesktopServices::openUrl(url))
        inform(QStringLiteral("Die Hilfe konnte nicht geöffnet werden: kein Browser eingerichtet oder "
                              "die Seite fehlt.\n\nDie Hilfeseite liegt hier:\n%1")
                   .arg(QDir::toNativeSeparators(m_helpFile)),
               QStringLiteral("Hilfe"), Icon::Warning);
}

bool QtUserInterface::openFile(const QString& path)
{
    if (QFileInfo::exists(path) && QDesktopServices::openUrl(QUrl::fromLocalFile(path)))
        return true;
    const QString what =
        QFileInfo(path).isDir() ? QStringLiteral("Der Ordner") : QStringLiteral("Das Dokument");
    inform(QStringLiteral("%1 konnte nicht geöffnet werden: kein passendes Programm eingerichtet.\n\n"
                          "Sie finden es hier:\n%2")
               .arg(what, QDir::toNativeSeparators(path)),
           QStringLiteral("Öffnen"), Icon::Warning);
    return false;
}

void QtUserInterface::setBusy(bool busy)
{
    if (busy) {
        if (m_busyDepth++ == 0)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (m_busyDepth > 0 && --m_busyDepth == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtUserInterface::progressShow(const QString& action, const QString& label)
{
    if (m_progress && m_progress->parentWidget() != m_parent)
        delete m_progress.data(); // the program moved on to another window
    if (!m_progress) {
        m_progress = new QDialog(m_parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
        m_progress->setWindowTitle(QStringLiteral("Stemmo"));
        m_progress->setModal(false);
        auto* layout = new QVBoxLayout(m_progress);
        m_progressAction = new QLabel(m_progress);
        m_progressLabel = new QLabel(m_progress);
        m_progressCounter = new QLabel(m_progress);
        m_progressBar = new QProgressBar(m_progress);
        m_progressBar->setMinimumWidth(320);
        QFont bold = m_progressAction->font();
        bold.setBold(true);
        m_progressAction->setFont(bold);
        layout->addWidget(m_progressAction);
        layout->addWidget(m_progressLabel);
        layout->addWidget(m_progressCounter);
        layout->addWidget(m_progressBar);
    }
    m_progressAction->setText(action);
    m_progressLabel->setText(label);
    m_progressCounter->clear();
    m_progressBar->setRange(0, 0);
    m_progress->show();
    m_progress->raise();
    m_lastRepaint = 0;
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUserInterface::progressUpdate(const QString& label, qint64 value, qint64 maximum)
{
    if (!m_progress)
        return;
    // Repainting for every record would cost more than the work itself.
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    if (value != maximum && now - m_lastRepaint < 50)
        return;
    m_lastRepaint = now;
    if (!label.isNull())
        m_progressLabel->setText(label);
    m_progressCounter->setText(QString::number(value));
    if (maximum > 0) {
        // QProgressBar counts in int; scale very large totals down.
        const qint64 scale = maximum / std::numeric_limits<int>::max() + 1;
        m_progressBar->setRange(0, int(maximum / scale));
        m_progressBar->setValue(int(qMin(value, maximum) / scale));
    }
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtUserInterface::progressHide()
{
    if (m_progress)
        m_progress->hide();
}

} // namespace platform
