// SPDX-License-Identifier: GPL-3.0-or-later
#include "ModalAnswerer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QLineEdit>

namespace testing {

ModalAnswerer::ModalAnswerer()
{
    m_timer.setInterval(20);
    connect(&m_timer, &QTimer::timeout, this, &ModalAnswerer::poll);
    m_timer.start();
}

void ModalAnswerer::press(QMessageBox::StandardButton button)
{
    then([this, button](QWidget& dialog) {
        auto* box = qobject_cast<QMessageBox*>(&dialog);
        if (!box) {
            m_seen << QStringLiteral("kein Meldungsfenster: ") +
                          QString::fromLatin1(dialog.metaObject()->className());
            qobject_cast<QDialog*>(&dialog)->reject();
            return;
        }
        m_seen << box->windowTitle() + QStringLiteral(": ") + box->text();
        if (QAbstractButton* b = box->button(button))
            b->click();
        else
            box->reject();
    });
}

void ModalAnswerer::chooseFile(const QString& path)
{
    then([this, path](QWidget& dialog) {
        auto* files = qobject_cast<QFileDialog*>(&dialog);
        if (!files) {
            m_seen << QStringLiteral("kein Dateifenster: ") +
                          QString::fromLatin1(dialog.metaObject()->className());
            qobject_cast<QDialog*>(&dialog)->reject();
            return;
        }
        m_seen << QStringLiteral("Datei: ") + files->windowTitle();
        if (path.isEmpty()) {
            files->reject();
            return;
        }
        // Typed, as a user does: selecting an existing file waits for the
        // dialog to have read its folder.
        if (auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
            name->setText(path);
        else
            files->selectFile(path);
        // accept() is protected in the file dialog, public in QDialog.
        static_cast<QDialog*>(files)->accept();
    });
}

void ModalAnswerer::poll()
{
    QWidget* modal = QApplication::activeModalWidget();
    if (modal && (modal == m_answered || !modal->isVisible()))
        modal = nullptr;
    // A question a dialog asks about itself (replace the file?) is modal to
    // that dialog's window only.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (modal)
            break;
        if (window != m_answered && window->isVisible() && qobject_cast<QDialog*>(window) &&
            window->windowModality() != Qt::NonModal)
            modal = window;
    }
    if (!modal)
        return;
    m_answered = modal;
    Step step;
    if (!m_steps.empty()) {
        step = std::move(m_steps.front());
        m_steps.pop_front();
    } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && m_rest != QMessageBox::NoButton) {
        // A question goes on with the job.
        press(box->button(QMessageBox::Yes) ? QMessageBox::Yes : m_rest);
        step = std::move(m_steps.front());
        m_steps.pop_front();
    } else {
        step = [this](QWidget& dialog) {
            ++m_unexpected;
            if (auto* box = qobject_cast<QMessageBox*>(&dialog))
                m_seen << QStringLiteral("unerwartet: ") + box->text();
            if (auto* d = qobject_cast<QDialog*>(&dialog))
                d->reject();
        };
    }
    // Outside the timer's own call: a step that opens the next dialog runs
    // its event loop, in which this timer must fire again.
    QTimer::singleShot(0, modal, [modal, step = std::move(step)] { step(*modal); });
}

} // namespace testing
