// SPDX-License-Identifier: GPL-3.0-or-later
#include "Settings.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QList>
#include <QLockFile>
#include <QSaveFile>
#include <QStandardPaths>
#include <QStringDecoder>
#include <QThread>

// File format: UTF-8 INI, one "[group path]" per section, "name=value"
// lines below it. Text that would not survive a plain line (blanks at
// either end, line breaks, control characters, a leading quote, "=" in a
// name) is written between double quotes with backslash escapes; plain
// text is taken literally, so "C:\" and "H ;B;Fichte" stay readable.
// Comments are whole lines starting with ";" or "#".

namespace store {
namespace {

// Far beyond any real settings file: a bigger file is something else put in
// its place, and it is neither read nor overwritten.
constexpr qint64 MaxFileSize = 8 * 1024 * 1024;
constexpr int LockWaitMs = 12000;
// Longer than any write takes; a lock older than this was left by a program
// that died on another host (on this host a dead owner is detected at once).
constexpr int StaleLockMs = 10000;
// File systems keep modification times in steps (a few ms on ext4, 2 s on
// FAT): a second change within one step leaves time and size alone. A file
// whose time lies this close to our last read is read again to be sure.
constexpr qint64 RacyWindowMs = 2000;
// Within that window another program's change of equal size is seen within
// this time; changes by this process are seen at once (write generations).
constexpr qint64 RacyRecheckMs = 50;

// Per file: how often a Settings object of this process has written it.
QHash<QString, quint64>& writeGenerations()
{
    static QHash<QString, quint64> generations;
    return generations;
}

qint64 monotonicMs()
{
    static QElapsedTimer clock;
    if (!clock.isValid())
        clock.start();
    return clock.elapsed();
}

const QChar Separator = QLatin1Char('\\');

struct Entry {
    QString name;
    QString value;
};

struct Group {
    QString path;
    QList<Entry> entries;
};

QString quotedPath(const QString& path)
{
    return QStringLiteral("„") + QDir::toNativeSeparators(path) + QStringLiteral("“");
}

bool sameName(QStringView a, QStringView b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// "Software\Stemmo\" + "101" and "Software\Stemmo" + "\101\" name the same group.
QString groupPath(const QString& application, const QString& section)
{
    QStringList parts = application.split(Separator, Qt::SkipEmptyParts);
    parts += section.split(Separator, Qt::SkipEmptyParts);
    return parts.join(Separator);
}

bool isAtOrBelow(const QString& candidate, const QString& path)
{
    if (candidate.size() < path.size() || !sameName(QStringView(candidate).left(path.size()), path))
        return false;
    return candidate.size() == path.size() || candidate.at(path.size()) == Separator;
}

Group* findGroup(QList<Group>& groups, const QString& path)
{
    for (Group& group : groups)
        if (sameName(group.path, path))
            return &group;
    return nullptr;
}

Entry* findEntry(Group& group, const QString& name)
{
    for (Entry& entry : group.entries)
        if (sameName(entry.name, name))
            return &entry;
    return nullptr;
}

// A new group takes the spelling of the parts of its path that exist
// already ("SOFTWARE\stemmo\102" below "Software\Stemmo" is stored as
// "Software\Stemmo\102").
QString spelledAsStored(const QList<Group>& groups, const QString& path)
{
    QStringList parts = path.split(Separator);
    QList<bool> settled(parts.size(), false);
    for (const Group& group : groups) {
        const QStringList stored = group.path.split(Separator);
        for (qsizetype i = 0; i < parts.size() && i < stored.size() && sameName(parts[i], stored[i]); ++i) {
            if (!settled[i]) {
                parts[i] = stored[i];
                settled[i] = true;
            }
        }
    }
    return parts.join(Separator);
}

// --- Reading -----------------------------------------------------------

// Reads a quoted text starting at text[pos] == '"'; pos ends behind the
// closing quote. False when the text is not closed or an escape is broken.
bool readQuoted(QStringView text, qsizetype& pos, QString& out)
{
    out.clear();
    for (++pos; pos < text.size(); ++pos) {
        const QChar c = text[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return true;
        }
        if (c != QLatin1Char('\\')) {
            out += c;
            continue;
        }
        if (++pos >= text.size())
            return false;
        switch (text[pos].unicode()) {
        case u'n':
            out += QLatin1Char('\n');
            break;
        case u'r':
            out += QLatin1Char('\r');
            break;
        case u't':
            out += QLatin1Char('\t');
            break;
        case u'u': {
            bool ok = false;
            const ushort code = pos + 4 < text.size() ? text.sliced(pos + 1, 4).toUShort(&ok, 16) : 0;
            if (!ok)
                return false;
            out += QChar(code);
            pos += 4;
            break;
        }
        default: // \\ and \" and anything a person may have typed
            out += text[pos];
        }
    }
    return false;
}

bool onlyBlanksFrom(QStringView text, qsizetype pos)
{
    return text.sliced(pos).trimmed().isEmpty();
}

// A name or value: quoted text, or the plain text as it stands (trimmed).
bool readToken(QStringView text, QString& out)
{
    text = text.trimmed();
    if (!text.startsWith(QLatin1Char('"'))) {
        out = text.toString();
        return true;
    }
    qsizetype pos = 0;
    return readQuoted(text, pos, out) && onlyBlanksFrom(text, pos);
}

// One "name=value" line into name and value.
bool readEntry(QStringView line, Entry& entry)
{
    line = line.trimmed();
    qsizetype valueStart = -1;
    if (line.startsWith(QLatin1Char('"'))) {
        qsizetype pos = 0;
        if (!readQuoted(line, pos, entry.name))
            return false;
        while (pos < line.size() && line[pos].isSpace())
            ++pos;
        if (pos >= line.size() || line[pos] != QLatin1Char('='))
            return false;
        valueStart = pos + 1;
    } else {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals < 0)
            return false;
        entry.name = line.left(equals).trimmed().toString();
        valueStart = equals + 1;
    }
    return !entry.name.isEmpty() && readToken(line.sliced(valueStart), entry.value);
}

// Parses what can be understood; returns false when anything could not be
// (binary data, broken lines, text that is not UTF-8), so that a save keeps
// a copy of the original first.
bool parse(const QByteArray& bytes, QList<Group>& groups)
{
    groups.clear();
    bool clean = true;
    qsizetype current = -1;
    qsizetype start = bytes.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (start < bytes.size()) {
        qsizetype end = start;
        while (end < bytes.size() && bytes[end] != '\n' && bytes[end] != '\r')
            ++end;
        const QByteArrayView raw(bytes.constData() + start, end - start);
        start = end + 1;
        if (raw.contains('\0')) {
            clean = false;
            continue;
        }
        QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = decoder.decode(raw);
        if (decoder.hasError()) {
            clean = false;
            continue;
        }
        const QStringView line = QStringView(decoded).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char(';')) || line.startsWith(QLatin1Char('#')))
            continue;
        if (line.startsWith(QLatin1Char('['))) {
            QString path;
            current = -1;
            if (!line.endsWith(QLatin1Char(']')) || !readToken(line.sliced(1, line.size() - 2), path)) {
                clean = false;
                continue;
            }
            path = groupPath(path, QString());
            if (path.isEmpty()) {
                clean = false;
                continue;
            }
            if (const Group* existing = findGroup(groups, path)) {
                current = existing - groups.constData();
            } else {
                groups.append(Group{path, {}});
                current = groups.size() - 1;
            }
            continue;
        }
        Entry entry;
        if (current < 0 || !readEntry(line, entry)) {
            clean = false;
            continue;
        }
        Group& group = groups[current];
        if (Entry* existing = findEntry(group, entry.name))
            existing->value = entry.value;
        else
            group.entries.append(entry);
    }
    return clean;
}

// --- Writing -----------------------------------------------------------

enum class TextRole { GroupPath, Name, Value };

// Characters that a plain line cannot carry as they stand.
bool needsEscape(QStringView text, qsizetype i)
{
    const QChar c = text[i];
    if (c.unicode() < 0x20 || c.unicode() == 0x7F)
        return true;
    if (c.isHighSurrogate())
        return i + 1 >= text.size() || !text[i + 1].isLowSurrogate();
    if (c.isLowSurrogate())
        return i == 0 || !text[i - 1].isHighSurrogate();
    return false;
}

bool needsQuotes(QStringView text, TextRole role)
{
    if (text.isEmpty())
        return false;
    const QChar first = text.front();
    if (first.isSpace() || text.back().isSpace() || first == QLatin1Char('"'))
        return true;
    if (role == TextRole::Name && (first == QLatin1Char(';') || first == QLatin1Char('#') ||
                                   first == QLatin1Char('[') || text.contains(QLatin1Char('='))))
        return true;
    for (qsizetype i = 0; i < text.size(); ++i)
        if (needsEscape(text, i))
            return true;
    return false;
}

QString quoted(QStringView text)
{
    QString out = QStringLiteral("\"");
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\\'))
            out.append(QLatin1Char('\\')).append(c);
        else if (c == QLatin1Char('\n'))
            out += QStringLiteral("\\n");
        else if (c == QLatin1Char('\r'))
            out += QStringLiteral("\\r");
        else if (c == QLatin1Char('\t'))
            out += QStringLiteral("\\t");
        else if (needsEscape(text, i))
            out += QStringLiteral("\\u%1").arg(int(c.unicode()), 4, 16, QLatin1Char('0'));
        else
            out += c;
    }
    return out + QLatin1Char('"');
}

QString token(const QString& text, TextRole role)
{
    return needsQuotes(text, role) ? quoted(text) : text;
}

QByteArray serialize(const QList<Group>& groups)
{
    QString text;
    for (const Group& group : groups) {
        if (!text.isEmpty())
            text += QLatin1Char('\n');
        text += QLatin1Char('[') + token(group.path, TextRole::GroupPath) + QStringLiteral("]\n");
        for (const Entry& entry : group.entries)
            text += token(entry.name, TextRole::Name) + QLatin1Char('=') +
                    token(entry.value, TextRole::Value) + QLatin1Char('\n');
    }
    return text.toUtf8();
}

// Qt 6.4's QSaveFile::commit() reports success when a full disk cut the
// data short (a short write, or a flush that fails at close), and then
// replaces the good file with the truncated one. So every write and the
// flush are checked here, and the temporary file is dropped on any failure.
bool writeAll(QIODevice& device, const QByteArray& bytes)
{
    qsizetype done = 0;
    while (done < bytes.size()) {
        const qint64 written = device.write(bytes.constData() + done, bytes.size() - done);
        if (written <= 0)
            return false;
        done += written;
    }
    return true;
}

bool replaceFile(const QString& path, const QByteArray& bytes, QString& why)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        why = file.errorString();
        return false;
    }
    if (!writeAll(file, bytes) || !file.flush()) {
        why = file.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        why = file.errorString();
        return false;
    }
    return true;
}

bool lockWithin(QLockFile& lock, int timeoutMs)
{
    // QLockFile::tryLock(timeout) sleeps 100 ms and more between tries; a
    // settings write holds the lock for a few ms only.
    QDeadlineTimer deadline(timeoutMs);
    unsigned long pause = 2;
    while (!lock.tryLock(0)) {
        if (lock.error() != QLockFile::LockFailedError || deadline.hasExpired())
            return false;
        QThread::msleep(pause);
        pause = qMin(pause * 2, 50ul);
    }
    return true;
}

QString invalidNameText()
{
    return QStringLiteral("Ungültiger Name einer Einstellung: Anwendung, Abschnitt und Schlüssel dürfen "
                          "nicht leer sein.");
}

} // namespace

struct Settings::Data {
    QList<Group> groups;
    QByteArray bytes; // the file as read
    bool exists = false;
    bool damaged = false; // parts of the file could not be understood
    QString readError;    // the file exists but cannot be read
    QDateTime readAt;

    // Reads the file at path; size and modified describe the file as it was
    // before reading, so that a change during the read shows at the next look.
    static std::unique_ptr<Data> read(const QString& path, qint64& size, QDateTime& modified)
    {
        auto data = std::make_unique<Data>();
        const QFileInfo info(path);
        data->exists = info.exists();
        size = data->exists ? info.size() : -1;
        modified = data->exists ? info.lastModified() : QDateTime();
        data->readAt = QDateTime::currentDateTimeUtc();
        if (!data->exists)
            return data;
        // Never open a pipe or device put in its place: reading it may block.
        if (!info.isFile()) {
            data->readError = QStringLiteral("keine gewöhnliche Datei");
            return data;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            data->readError = file.errorString();
            return data;
        }
        data->bytes = file.read(MaxFileSize + 1);
        if (file.error() != QFileDevice::NoError) {
            data->readError = file.errorString();
            data->bytes.clear();
            return data;
        }
        if (data->bytes.size() > MaxFileSize) {
            data->readError = QStringLiteral("größer als %1 MB").arg(MaxFileSize / (1024 * 1024));
            data->bytes.clear();
            return data;
        }
        data->damaged = !parse(data->bytes, data->groups);
        return data;
    }
};

Settings::Settings(QString iniPath) : m_path(std::move(iniPath)) {}

Settings::~Settings() = default;

QString Settings::defaultPath()
{
    const QString configured = qEnvironmentVariable("STEMMO_SETTINGS");
    if (!configured.isEmpty())
        return configured;
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/Stemmo/Stemmo.ini");
}

void Settings::reloadIfChanged() const
{
    const quint64 generation = writeGenerations().value(m_path);
    bool racyRead = false;
    if (m_data && generation == m_seenGeneration) {
        const QFileInfo info(m_path);
        const bool exists = info.exists();
        const qint64 size = exists ? info.size() : -1;
        const QDateTime modified = exists ? info.lastModified() : QDateTime();
        const bool same = exists == m_data->exists && size == m_loadedSize && modified == m_loadedModified;
        const bool racy = exists && modified.msecsTo(m_data->readAt) < RacyWindowMs;
        if (same && !racy)
            return;
        if (same && m_lastRacyReadMs >= 0 && monotonicMs() - m_lastRacyReadMs < RacyRecheckMs)
            return;
        racyRead = same;
    }
    qint64 size = -1;
    QDateTime modified;
    auto fresh = Data::read(m_path, size, modified);
    if (m_data && fresh->readError.isEmpty() && fresh->bytes == m_data->bytes &&
        fresh->exists == m_data->exists) {
        m_data->readAt = fresh->readAt; // unchanged: keep the parsed groups
    } else {
        m_data = std::move(fresh);
    }
    m_loadedSize = size;
    m_loadedModified = modified;
    m_seenGeneration = generation;
    m_lastRacyReadMs = racyRead ? monotonicMs() : -1;
}

bool Settings::modify(const std::function<bool(Data&)>& change)
{
    m_lastError.clear();
    const QString folder = QFileInfo(m_path).absolutePath();
    if (!QDir().mkpath(folder)) {
        m_lastError = QStringLiteral("Der Ordner %1 für die Einstellungen kann nicht angelegt werden.")
                          .arg(quotedPath(folder));
        return false;
    }
    QLockFile lock(m_path + QStringLiteral(".lock"));
    lock.setStaleLockTime(StaleLockMs);
    if (!lockWithin(lock, LockWaitMs)) {
        m_lastError =
            lock.error() == QLockFile::LockFailedError
                ? QStringLiteral("Die Einstellungsdatei %1 ist von einem anderen Programm gesperrt. "
                                 "Die Einstellung wurde nicht gespeichert.")
                      .arg(quotedPath(m_path))
                : QStringLiteral("Im Ordner %1 kann keine Sperrdatei angelegt werden. "
                                 "Die Einstellung wurde nicht gespeichert.")
                      .arg(quotedPath(folder));
        return false;
    }

    // Start from the file as it is now: the other program may have written
    // since we last looked, and its change must not be lost.
    qint64 size = -1;
    QDateTime modified;
    m_data = Data::read(m_path, size, modified);
    m_loadedSize = size;
    m_loadedModified = modified;
    if (!m_data->readError.isEmpty()) {
        m_lastError = QStringLiteral("Die Einstellungsdatei %1 kann nicht gelesen werden (%2). Sie wird "
                                     "nicht überschrieben, damit keine Einstellungen verloren gehen.")
                          .arg(quotedPath(m_path), m_data->readError);
        return false;
    }

    auto next = std::make_unique<Data>(*m_data);
    if (!change(*next))
        return true; // nothing to write

    QString why;
    if (m_data->damaged) {
        // What could not be read is kept beside the new file, not thrown away.
        const QString copy = m_path + QStringLiteral(".defekt");
        if (!replaceFile(copy, m_data->bytes, why)) {
            m_lastError =
                QStringLiteral("Die beschädigte Einstellungsdatei %1 konnte nicht nach %2 gesichert "
                               "werden (%3). Sie wurde nicht überschrieben.")
                    .arg(quotedPath(m_path), quotedPath(copy), why);
            return false;
        }
    }
    next->bytes = serialize(next->groups);
    if (!replaceFile(m_path, next->bytes, why)) {
        m_lastError = QStringLiteral("Die Einstellungen konnten nicht in %1 gespeichert werden (%2). "
                                     "Die bisherigen Einstellungen sind unverändert.")
                          .arg(quotedPath(m_path), why);
        return false;
    }
    next->exists = true;
    next->damaged = false;
    next->readAt = QDateTime::currentDateTimeUtc();
    const QFileInfo written(m_path);
    m_loadedSize = written.size();
    m_loadedModified = written.lastModified();
    m_data = std::move(next);
    m_seenGeneration = ++writeGenerations()[m_path];
    m_lastRacyReadMs = -1;
    return true;
}

QString Settings::GetSetting(const QString& application, const QString& section, const QString& key,
                             const QString& defaultValue) const
{
    reloadIfChanged();
    const Group* group = findGroup(m_data->groups, groupPath(application, section));
    if (!group)
        return defaultValue;
    for (const Entry& entry : group->entries)
        if (sameName(entry.name, key))
            return entry.value;
    return defaultValue;
}

bool Settings::SaveSettings(const QString& application, const QString& section,
                            const QList<QPair<QString, QString>>& values)
{
    const QString path = groupPath(application, section);
    bool namesValid = !path.isEmpty();
    for (const auto& value : values)
        namesValid = namesValid && !value.first.isEmpty();
    if (!namesValid) {
        m_lastError = invalidNameText();
        return false;
    }
    return modify([&](Data& data) {
        Group* group = findGroup(data.groups, path);
        if (!group) {
            data.groups.append(Group{spelledAsStored(data.groups, path), {}});
            group = &data.groups.last();
        }
        bool changed = false;
        for (const auto& [key, value] : values) {
            Entry* entry = findEntry(*group, key);
            if (!entry) {
                group->entries.append(Entry{key, value});
                changed = true;
            } else if (entry->value != value) {
                entry->value = value;
                changed = true;
            }
        }
        return changed;
    });
}

bool Settings::SaveSetting(const QString& application, const QString& section, const QString& key,
                           const QString& value)
{
    return SaveSettings(application, section, {{key, value}});
}

bool Settings::DeleteSetting(const QString& application, const QString& section)
{
    const QString path = groupPath(application, section);
    if (path.isEmpty()) {
        m_lastError = invalidNameText();
        return false;
    }
    bool found = false;
    const bool written = modify([&](Data& data) {
        found = data.groups.removeIf([&](const Group& group) { return isAtOrBelow(group.path, path); }) > 0;
        return found;
    });
    if (!written)
        return false;
    if (!found)
        m_lastError = QStringLiteral("Der Abschnitt „%1“ ist nicht vorhanden.").arg(path);
    return found;
}

bool Settings::sectionExists(const QString& application, const QString& section) const
{
    const QString path = groupPath(application, section);
    if (path.isEmpty())
        return false;
    reloadIfChanged();
    for (const Group& group : m_data->groups)
        if (isAtOrBelow(group.path, path))
            return true;
    return false;
}

QString Settings::get(const SettingKey& key) const
{
    return get(key, QString::fromUtf8(key.defaultValue));
}

QString Settings::get(const SettingKey& key, const QString& defaultValue) const
{
    return GetSetting(QString::fromUtf8(key.application), QString::fromUtf8(key.section),
                      QString::fromUtf8(key.key), defaultValue);
}

bool Settings::set(const SettingKey& key, const QString& value)
{
    return SaveSetting(QString::fromUtf8(key.application), QString::fromUtf8(key.section),
                       QString::fromUtf8(key.key), value);
}

bool Settings::isChecked(const SettingKey& key) const
{
    return get(key) == QLatin1String("1");
}

int Settings::number(const SettingKey& key, int fallback) const
{
    bool ok = false;
    const int value = get(key).trimmed().toInt(&ok);
    return ok ? value : fallback;
}

} // namespace store
