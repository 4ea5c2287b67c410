// SPDX-License-Identifier: GPL-3.0-or-later
#include "Manual.h"

#include "Commands.h"

#include <QRegularExpression>
#include <algorithm>
#include <utility>

namespace cli {
namespace {

QString text(const char* utf8)
{
    return QString::fromUtf8(utf8);
}

// "--a|--b" names two options; a trailing comma or bracket is no part of a name.
QStringList optionNames(const QString& token)
{
    QStringList names;
    for (const QString& part : token.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        if (part.startsWith(QLatin1String("--")))
            names << part;
    return names;
}

bool isPlaceholder(const QString& token)
{
    return !token.isEmpty() && token == token.toUpper() && token.at(0).isLetter();
}

// Words of a completion list as one bash string.
QString shellWords(const QStringList& words)
{
    QStringList quoted;
    for (QString word : words) {
        word.remove(QRegularExpression(QStringLiteral("[^A-Za-z0-9_.,:+-]")));
        if (!word.isEmpty())
            quoted << word;
    }
    return quoted.join(QLatin1Char(' '));
}

QString roffUsage(const QString& usage)
{
    // Options in bold, placeholders in italics, the rest as it stands.
    QStringList out;
    static const QRegularExpression splitter(QStringLiteral("(\\s+)"));
    for (const QString& token : usage.split(splitter, Qt::SkipEmptyParts)) {
        QString word = roffText(token);
        word.replace(QRegularExpression(QStringLiteral("(\\\\-\\\\-[a-z0-9\\\\-]+)")), QStringLiteral("\\fB\\1\\fR"));
        static const QRegularExpression placeholder(QStringLiteral("\\b([A-ZÄÖÜ][A-ZÄÖÜ.]+)\\b"));
        word.replace(placeholder, QStringLiteral("\\fI\\1\\fR"));
        out << word;
    }
    return out.join(QLatin1Char(' '));
}

} // namespace

const QList<GlobalOption>& globalOptions()
{
    static const QList<GlobalOption> list{
        {"--data", "ORDNER", "Datenordner (sonst $STEMMO_DATA oder der Ordner des Benutzers)"},
        {"--database", "ORT",
         "gemeinsame Server-Datenbank für Listen und Stammdaten, z. B. service=stemmo oder "
         "postgresql://server/stemmo (sonst $STEMMO_DATABASE, die Einstellung Datenbankserver oder die "
         "Dateien des Datenordners)"},
        {"--json", "", "Ausgabe als JSON"},
        {"--help", "", "diese Übersicht zeigen"},
    };
    return list;
}

UsageWords usageWords(const QString& usage)
{
    UsageWords words;
    QString cleaned = usage;
    cleaned.replace(QLatin1Char('['), QLatin1Char(' ')).replace(QLatin1Char(']'), QLatin1Char(' '));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    QString lastOption; // an option that may take the next token as its value
    for (const QString& token : cleaned.split(blanks, Qt::SkipEmptyParts)) {
        if (token == QLatin1String("|")) {
            lastOption.clear();
            continue;
        }
        const QStringList names = optionNames(token);
        if (!names.isEmpty()) {
            for (const QString& name : names)
                if (!words.options.contains(name))
                    words.options << name;
            lastOption = names.size() == 1 ? names.first() : QString();
            continue;
        }
        const QString option = std::exchange(lastOption, QString());
        const bool known = std::any_of(words.arguments.cbegin(), words.arguments.cend(),
                                       [&](const OptionArgument& a) { return a.option == option; });
        if (!option.isEmpty()) {
            if (!known) {
                if (isPlaceholder(token))
                    words.arguments.append({option, token, {}});
                else
                    words.arguments.append({option, QString(), token.split(QLatin1Char('|'), Qt::SkipEmptyParts)});
            }
            continue;
        }
        if (isPlaceholder(token)) {
            words.files = words.files || token == QLatin1String("DATEI");
            words.folders = words.folders || token == QLatin1String("ORDNER");
        } else if (token.at(0).isLower() && !words.keywords.contains(token)) {
            words.keywords << token;
        }
    }
    return words;
}

void writeHelp(QTextStream& out)
{
    out << "Aufruf: stemmo [--data ORDNER] [--database ORT] [--json] BEFEHL [ARGUMENTE]\n\n";
    for (const GlobalOption& option : globalOptions()) {
        const QString head = QString::fromLatin1(option.name) +
                             (*option.argument ? QLatin1Char(' ') + text(option.argument) : QString());
        out << "  " << head.leftJustified(15) << text(option.summary) << '\n';
    }
    out << "\nBefehle:\n";
    for (const Command& command : commands())
        out << "  " << command.name << ' ' << text(command.usage) << "\n      " << text(command.summary)
            << '\n';
    out.flush();
}

QString roffText(const QString& plain)
{
    QString escaped = plain;
    escaped.replace(QLatin1Char('\\'), QLatin1String("\\e"));
    escaped.replace(QLatin1Char('-'), QLatin1String("\\-"));
    if (escaped.startsWith(QLatin1Char('.')) || escaped.startsWith(QLatin1Char('\'')))
        escaped.prepend(QLatin1String("\\&"));
    return escaped;
}

QString manPage(const QString& version, const QString& date)
{
    QString page;
    QTextStream out(&page);
    out << "'\\\" -*- coding: utf-8 -*-\n"
        << ".TH STEMMO 1 \"" << date << "\" \"stemmo " << roffText(version) << "\" \"Stemmo\"\n"
        << ".SH NAME\n"
        << "stemmo \\- Holzlisten auf der Befehlszeile aufnehmen, konvertieren und drucken\n"
        << ".SH ÜBERSICHT\n"
        << ".B stemmo\n"
        << "[\\fB\\-\\-data\\fR \\fIORDNER\\fR] [\\fB\\-\\-database\\fR \\fIORT\\fR] [\\fB\\-\\-json\\fR] "
           "\\fIBEFEHL\\fR [\\fIARGUMENTE\\fR]\n"
        << ".SH BESCHREIBUNG\n"
        << "\\fBstemmo\\fR arbeitet auf demselben Datenordner und denselben Einstellungen wie das\n"
        << "Aufnahmeprogramm \\fBStemora\\fR und das Berichtsprogramm \\fBStemprint\\fR: Holzlisten\n"
        << "anlegen, Datensätze prüfen und speichern, Austauschdateien schreiben und einlesen,\n"
        << "Listen als PDF oder Word-Dokument ausgeben.\n"
        << "Ein Datensatz durchläuft dieselbe Prüfung wie in der Holzeingabemaske; ein Wert außerhalb\n"
        << "seines Bereichs wird ganz abgewiesen.\n"
        << ".SH OPTIONEN\n";
    for (const GlobalOption& option : globalOptions()) {
        out << ".TP\n\\fB" << roffText(QString::fromLatin1(option.name)) << "\\fR";
        if (*option.argument)
            out << " \\fI" << roffText(text(option.argument)) << "\\fR";
        out << '\n' << roffText(text(option.summary)) << '\n';
    }
    out << ".SH BEFEHLE\n";
    for (const Command& command : commands()) {
        out << ".TP\n\\fB" << roffText(QString::fromLatin1(command.name)) << "\\fR";
        if (*command.usage)
            out << ' ' << roffUsage(text(command.usage));
        out << '\n' << roffText(text(command.summary)) << '\n';
    }
    out << ".SH EXIT-STATUS\n"
        << ".TP\n.B 0\nDer Befehl hat alles getan, was verlangt war.\n"
        << ".TP\n.B 1\nDer Befehl wurde abgewiesen; nichts wurde geändert. Der Grund steht auf der\n"
        << "Standardfehlerausgabe.\n"
        << ".TP\n.B 2\nFalscher Aufruf: unbekannter Befehl oder unbekannte Option.\n"
        << ".TP\n.B 3\nDer Befehl wurde ausgeführt, aber mit Verlusten; jeder nicht übernommene Wert\n"
        << "wird auf der Standardfehlerausgabe genannt.\n"
        << ".SH UMGEBUNG\n"
        << ".TP\n.B STEMMO_DATA\nDatenordner, wenn \\fB\\-\\-data\\fR fehlt.\n"
        << ".TP\n.B STEMMO_SETTINGS\nEinstellungsdatei statt \\fI~/.config/Stemmo/Stemmo.ini\\fR.\n"
        << ".TP\n.B STEMMO_DATABASE\nGemeinsame Server-Datenbank, wenn \\fB\\-\\-database\\fR fehlt; geht\n"
        << "der Einstellung \\fIDatenbankserver\\fR vor. Leer: die Dateien des Datenordners.\n"
        << "Das Passwort steht nie hier, sondern in \\fI~/.pgpass\\fR oder \\fI~/.pg_service.conf\\fR.\n"
        << ".SH DATEIEN\n"
        << ".TP\n.I ~/.local/share/Stemmo/\n"
        << "Datenordner mit der Listendatenbank \\fIHolz.db\\fR, den Stammdaten \\fIMRinden.db\\fR und\n"
        << "der Arbeitsdatenbank \\fIvorl.db\\fR.\n"
        << ".TP\n.I /usr/share/stemmo/stammdaten.dat\n"
        << "Die mitgelieferten Stammdaten, mit denen ein neuer Datenordner angelegt wird.\n"
        << ".SH BEISPIEL\n"
        << ".nf\n"
        << "stemmo \\-\\-data /tmp/wald init\n"
        << "stemmo \\-\\-data /tmp/wald new\\-list Nord \\-\\-name Huber\n"
        << "stemmo \\-\\-data /tmp/wald add Nord \\-\\-length 4 \\-\\-diameter 25 \\-\\-species Fichte\n"
        << "stemmo \\-\\-data /tmp/wald report Nord \\-\\-pdf /tmp/nord.pdf\n"
        << "stemmo \\-\\-data /tmp/wald migrate \\-\\-to service=stemmo\n"
        << ".fi\n"
        << ".SH GEMEINSAME DATENBANK\n"
        << "Mehrere Arbeitsplätze arbeiten auf einer Server-Datenbank (\\fB\\-\\-database\\fR,\n"
        << "\\fBSTEMMO_DATABASE\\fR oder die Einstellung \\fIDatenbankserver\\fR im Optionenfenster).\n"
        << "\\fBmigrate \\-\\-to\\fR überträgt die Listen, Lagerorte und Stammdaten des Datenordners\n"
        << "in eine leere Server-Datenbank, \\fBmigrate \\-\\-from\\fR zurück in einen Datenordner ohne\n"
        << "Listen; beide prüfen Anzahlen und Summen je Liste vor dem Speichern und ändern bei einer\n"
        << "Abweichung nichts. Die Arbeitsdatenbank und die Fotos der Lose bleiben im Datenordner.\n"
        << ".SH SIEHE AUCH\n"
        << "\\fBStemora\\fR und \\fBStemprint\\fR im Menü der Arbeitsoberfläche.\n";
    out.flush();
    return page;
}

QString bashCompletion()
{
    QString script;
    QTextStream out(&script);
    QStringList names;
    for (const Command& command : commands())
        names << QString::fromLatin1(command.name);
    QStringList global;
    for (const GlobalOption& option : globalOptions())
        global << QString::fromLatin1(option.name);

    out << "# bash completion for stemmo -*- shell-script -*-\n"
        << "# Written by stemmo_manual from stemmo's command table.\n\n"
        << "_stemmo()\n{\n"
        << "    local cur=\"${COMP_WORDS[COMP_CWORD]}\"\n"
        << "    local prev=\"\"\n"
        << "    [ \"$COMP_CWORD\" -gt 0 ] && prev=\"${COMP_WORDS[COMP_CWORD-1]}\"\n"
        << "    local command=\"\" i\n"
        << "    for ((i = 1; i < COMP_CWORD; i++)); do\n"
        << "        case \"${COMP_WORDS[i]}\" in\n"
        << "            --data|--database) ((i++)) ;;\n"
        << "            -*) ;;\n"
        << "            *) command=\"${COMP_WORDS[i]}\"; break ;;\n"
        << "        esac\n"
        << "    done\n"
        << "    COMPREPLY=()\n"
        << "    if [ \"$prev\" = \"--data\" ] && [ -z \"$command\" ]; then\n"
        << "        COMPREPLY=($(compgen -d -- \"$cur\"))\n"
        << "        return\n"
        << "    fi\n"
        << "    if [ -z \"$command\" ]; then\n"
        << "        case \"$cur\" in\n"
        << "            -*) COMPREPLY=($(compgen -W \"" << shellWords(global) << "\" -- \"$cur\")) ;;\n"
        << "            *) COMPREPLY=($(compgen -W \"" << shellWords(names) << "\" -- \"$cur\")) ;;\n"
        << "        esac\n"
        << "        return\n"
        << "    fi\n"
        << "    local options=\"\" words=\"\" files=0 folders=0\n"
        << "    case \"$command\" in\n";
    for (const Command& command : commands()) {
        const UsageWords words = usageWords(text(command.usage));
        out << "        " << command.name << ")\n";
        if (!words.arguments.isEmpty()) {
            out << "            case \"$prev\" in\n";
            for (const OptionArgument& argument : words.arguments) {
                out << "                " << argument.option << ") ";
                if (!argument.values.isEmpty())
                    out << "COMPREPLY=($(compgen -W \"" << shellWords(argument.values) << "\" -- \"$cur\")); ";
                else if (argument.placeholder == QLatin1String("DATEI"))
                    out << "COMPREPLY=($(compgen -f -- \"$cur\")); ";
                else if (argument.placeholder == QLatin1String("ORDNER"))
                    out << "COMPREPLY=($(compgen -d -- \"$cur\")); ";
                out << "return ;;\n";
            }
            out << "            esac\n";
        }
        out << "            options=\"" << shellWords(words.options) << "\"\n";
        if (!words.keywords.isEmpty())
            out << "            words=\"" << shellWords(words.keywords) << "\"\n";
        if (words.files)
            out << "            files=1\n";
        if (words.folders)
            out << "            folders=1\n";
        out << "            ;;\n";
    }
    out << "        *) return ;;\n"
        << "    esac\n"
        << "    if [[ \"$cur\" == -* ]]; then\n"
        << "        COMPREPLY=($(compgen -W \"$options\" -- \"$cur\"))\n"
        << "        return\n"
        << "    fi\n"
        << "    COMPREPLY=($(compgen -W \"$words\" -- \"$cur\"))\n"
        << "    [ \"$files\" = 1 ] && COMPREPLY+=($(compgen -f -- \"$cur\"))\n"
        << "    [ \"$folders\" = 1 ] && COMPREPLY+=($(compgen -d -- \"$cur\"))\n"
        << "    return 0\n"
        << "}\n"
        << "complete -o filenames -F _stemmo stemmo\n";
    out.flush();
    return script;
}

} // namespace cli
