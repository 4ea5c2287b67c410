// SPDX-License-Identifier: GPL-3.0-or-later
#include "AboutBox.h"

#include <QMessageBox>

namespace platform {

QIcon programIcon(const QString& name)
{
    return QIcon(QStringLiteral(":/icons/%1.svg").arg(name));
}

QMessageBox* createAboutBox(QWidget* parent, const QString& program, const QString& purpose)
{
    auto* box = new QMessageBox(parent);
    box->setObjectName(QStringLiteral("aboutBox"));
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(QStringLiteral("Über %1").arg(program));
    const QIcon icon = programIcon(program.toLower());
    if (!icon.isNull())
        box->setIconPixmap(icon.pixmap(96, 96));
    box->setTextFormat(Qt::RichText);
    box->setText(QStringLiteral("<h2>%1</h2><p>Version %2 vom %3</p><p>%4</p>")
                     .arg(program, QStringLiteral(STEMMO_VERSION), QStringLiteral(STEMMO_RELEASE),
                          purpose.toHtmlEscaped()));
    box->setInformativeText(
        QStringLiteral("Freie Software unter der GNU General Public License, Version 3 oder "
                       "(nach Ihrer Wahl) jeder späteren Version (GPL-3.0-or-later). "
                       "Sie dürfen das Programm weitergeben und verändern; es wird ohne jede "
                       "Gewährleistung bereitgestellt."));
    box->setStandardButtons(QMessageBox::Close);
    return box;
}

void showAboutBox(QWidget* parent, const QString& program, const QString& purpose)
{
    QMessageBox* box = createAboutBox(parent, program, purpose);
    box->setAttribute(Qt::WA_DeleteOnClose, false);
    box->exec();
    delete box;
}

} // namespace platform
