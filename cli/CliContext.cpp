// SPDX-License-Identifier: GPL-3.0-or-later
#include "CliContext.h"

#include "import/DataFolderSetup.h"
#include "store/Database.h"
#include "store/Settings.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

namespace cli {

CliContext::CliContext(store::DataFolder folder, bool json)
    : m_folder(std::move(folder)), m_json(json), m_out(stdout), m_err(stderr), m_ui(m_err)
{
}

CliContext::~CliContext() = default;

void CliContext::ensureFolder()
{
    if (m_folderReady)
        return;
    const auto result = importer::DataFolderSetup::ensure(m_folder);
    for (const QString& message : result.messages)
        m_err << message << Qt::endl;
    m_folderReady = true;
}

store::Database& CliContext::holzDb()
{
    if (!m_holz) {
        ensureFolder();
        m_holz = store::Database::open(m_folder.holzDb(), store::DatabaseKind::Holz,
                                       store::OpenMode::ReadWriteExisting);
        m_holz->setLocalFolder(m_folder.path());
    }
    return *m_holz;
}

store::Database& CliContext::masterDb()
{
    if (!m_master) {
        ensureFolder();
        m_master = store::Database::open(m_folder.masterDb(), store::DatabaseKind::MasterData,
                                         store::OpenMode::ReadWriteExisting);
        m_master->setLocalFolder(m_folder.path());
    }
    return *m_master;
}

store::Settings& CliContext::settings()
{
    if (!m_settings)
        m_settings = std::make_unique<store::Settings>(store::Settings::defaultPath());
    return *m_settings;
}

void CliContext::printJson(const QJsonValue& value)
{
    QJsonDocument doc;
    if (value.isArray())
        doc = QJsonDocument(value.toArray());
    else
        doc = QJsonDocument(value.toObject());
    m_out << QString::fromUtf8(doc.toJson(QJsonDocument::Indented));
    m_out.flush();
}

Options::Options(const QStringList& args, const QStringList& valueOptions, const QStringList& flags)
{
    for (int i = 0; i < args.size(); ++i) {
        const QString& arg = args.at(i);
        if (arg.startsWith(QLatin1String("--")) && arg.size() > 2) {
            QString name = arg.mid(2);
            QString inlineValue;
            const qsizetype eq = name.indexOf(QLatin1Char('='));
            const bool hasInline = eq >= 0;
            if (hasInline) {
                inlineValue = name.mid(eq + 1);
                name = name.left(eq);
            }
            if (valueOptions.contains(name)) {
                if (hasInline) {
                    m_values.insert(name, inlineValue);
                } else {
                    if (i + 1 >= args.size())
                        throw CommandError{QStringLiteral("Die Option --%1 braucht einen Wert.").arg(name),
                                           2};
                    m_values.insert(name, args.at(++i));
                }
            } else if (flags.contains(name) && !hasInline) {
                m_flags << name;
            } else {
                throw CommandError{QStringLiteral("Unbekannte Option --%1.").arg(name), 2};
            }
        } else {
            m_positional << arg;
        }
    }
}

QString Options::value(const QString& name, const QString& fallback) const
{
    return m_values.value(name, fallback);
}

double Options::number(const QString& name) const
{
    QString text = value(name).trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = text.toDouble(&ok);
    if (!ok)
        throw CommandError{QStringLiteral("--%1: „%2“ ist keine Zahl.").arg(name, value(name)), 2};
    return v;
}

qint64 Options::wholeNumber(const QString& name, qint64 low, qint64 high) const
{
    const QString text = value(name).trimmed();
    bool ok = !text.isEmpty() && text.size() <= 18;
    for (const QChar c : text)
        ok = ok && c >= QLatin1Char('0') && c <= QLatin1Char('9');
    const qint64 v = ok ? text.toLongLong(&ok) : 0;
    if (!ok || v < low || v > high)
        throw CommandError{QStringLiteral("--%1: „%2“ ungültig, erlaubt %3 bis %4.")
                               .arg(name, value(name))
                               .arg(low)
                               .arg(high),
                           2};
    return v;
}

void Options::expectPositional(int count, const QString& usage) const
{
    if (m_positional.size() != count)
        throw CommandError{QStringLiteral("Aufruf: stemmo %1").arg(usage), 2};
}

} // namespace cli
