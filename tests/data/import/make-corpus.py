#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the malformed list files of this folder and their manifest.

Each file breaks one thing a list file from a device or another program can
break. manifest.txt gives the outcome the import must reach for each, in the
order tst_import reads them into one database:

  file  imported  list name  record count  message the user must see (- for none)
  file  refused                          part of the refusal
  file  exists    list name                (the name is taken by an earlier file)

Columns are separated by tabs (list names may hold any other character).

Run it from anywhere; it rewrites the files next to itself.
"""
import os
import random

HERE = os.path.dirname(os.path.abspath(__file__))
CP437 = {"ö": b"\x94", "ä": b"\x84", "ü": b"\x81", "Ö": b"\x99", "Ä": b"\x8e", "Ü": b"\x9a"}


def cp437(text):
    out = b""
    for ch in text:
        out += CP437.get(ch, ch.encode("cp1252"))
    return out


def hh_log(kind="0R", los=1, num=1, code="Fi", nl="N", sorte="L ", guete="B ", laenge="4.0", durchm=25,
           rinde="a", abzug=2, staerke="2b", kubatur="0.53", abteilung="", use="JDSS", remark=""):
    return (kind + f"{los:>2}" + f"{num:>6}" + f"{code:<3}" + nl + sorte + guete + f"{laenge:>4}" +
            f"{durchm:>3}" + rinde + " " + str(abzug) + ".00c" + f"{staerke:<2}" + f"{kubatur:>7}" + "   0.00" +
            (f"{abteilung[:9]:>9}" if abteilung else "X" * 9) + use + remark)


def hh_file(name, records, header=(), end=True):
    lines = ["0A  " + name, "0d  01.03.2005"] + list(header) + ["0!   "] + records
    if end:
        lines.append("0E   ")
    return lines


def tr_log(kind="1R", los=1, marker=" ", num=1, rinde="a", code="Fi", sorte="L", guete="B", staerke="2b",
           stueck=1, laenge="12.5", durchm=31, abzug=2, kubatur="0.81", use="JDSS", remark="", price_kind="",
           price="", deka=""):
    return (kind + f"{los:<3}" + marker + f"{num:>6}" + f"{rinde:<3}" + f"{code:<3}" + f"{sorte:<3}" +
            f"{guete:<3}" + f"{staerke:<4}" + f"{stueck:>5}" + f"{laenge:>4}" + f"{durchm:>3}" + f"{abzug:>2}" +
            ".00" + ("c" if rinde == "a" else " ") + f"{kubatur:>6}" + "    0.00   0    0.00   0    0.00   0  " +
            "12  3a  b   " + f"{use:<4}" + f"{remark:<50}" + f"{price_kind:>2}" + " " + f"{price:>8}" + deka)


def tr_stack(los=1, laenge="2.0", factor="0.700", kubatur="8.40", use="SoSS", deka=""):
    return ("1S" + f"{los:<3}" + f"{'0':>7}" + "o  " + "Fi " + "S  " + "   " + "    " + f"{1:>5}" +
            f"{laenge:>4}" + f"{'12.00':>6}" + f"{factor:>6}" + f"{kubatur:>6}" +
            "  1.50  4.00    0.00   0    0.00   0  " + "12  3a  b   " + use + " " * 50 + " 2" + " " +
            f"{'30':>8}" + deka)


DEKA = "12b     " + "RF1   " + "-1" + "R7  " + "A12345 " + "3 " + "-1" + "  " + "E4  " + "E5  " + "P9  "


def crlf(lines, enc=lambda s: s.encode("cp1252"), ending=b"\r\n"):
    return b"".join(enc(l) + ending for l in lines)


manifest = []
files = {}


def add(name, data, *outcome):
    files[name] = data
    manifest.append("\t".join([name] + [str(x) for x in outcome]))


logs = [hh_log(num=i, kubatur=f"{0.4 + i / 100:.2f}") for i in range(1, 6)]

# Not text, or not a list file at all.
add("empty.dat", b"", "refused", "", "", "Die Datei ist leer")
add("only-line-ends.dat", b"\r\n\r\n  \r\n\n", "refused", "", "", "weder eine Typzeile")
add("binary-image.dat", b"\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR" + bytes(random.Random(1).randrange(256) for _ in range(300)),
    "refused", "", "", "keine Textdatei")
add("nul-in-record.dat", crlf(hh_file("Nullbyte", logs[:2])).replace(b"Fi N", b"F\x00 N", 1), "refused", "", "",
    "Nullbyte in Zeile 4")
add("bell-in-remark.dat", crlf(hh_file("Klingel", [hh_log(remark="Achtung\x07")])), "refused", "", "",
    "Steuerzeichen 0x07 in Zeile 4")
add("overlong-line.dat", crlf(hh_file("Lang", [hh_log(remark="x" * 9000)])), "refused", "", "", "länger als 8192")
add("no-name-line.dat", crlf(["0d  01.03.2005", "0!   "] + logs + ["0E   "]), "refused", "", "", "weder eine Typzeile")
add("end-line-only.dat", b"0E   \r\n", "refused", "", "", "weder eine Typzeile")
add("empty-name.dat", crlf(["0A      "] + logs), "refused", "", "", "keinen Listennamen")
add("letter-text.dat", "Sehr geehrte Damen und Herren,\r\nanbei die Liste.\r\n".encode("cp1252"), "refused", "", "",
    "weder eine Typzeile")
add("html-page.dat", b"<html><body><p>0A in a page</p></body></html>\n", "refused", "", "", "weder eine Typzeile")
add("high-bytes-only.dat", bytes(random.Random(2).randrange(0x80, 0x100) for _ in range(500)), "refused", "", "",
    "weder eine Typzeile")
add("odd-nul.dat", b"0\x00", "refused", "", "", "Nullbyte in Zeile 1")

# Cut off or with foreign line ends: every complete record arrives.
add("header-only.dat", b"0A  NurKopf\r\n0E   \r\n", "imported", "NurKopf", 0, "-")
add("name-line-only.dat", b"0A  NurName", "imported", "NurName", 0, "unvollständig: 0 Datensätze")
add("truncated-last-record.dat", crlf(hh_file("Abgebrochen", logs, end=False))[:-30], "imported", "Abgebrochen", 5,
    "unvollständig")
add("truncated-mid-volume.dat", crlf(hh_file("MitteWeg", logs[:3], end=False))[:-25], "imported", "MitteWeg", 3,
    "unvollständig")
add("empty-record-lines.dat", crlf(hh_file("Leer", ["0R"] * 150 + logs)), "refused", "", "",
    "Von 155 Datensatzzeilen sind 150 nicht lesbar")
add("blank-record-lines.dat", crlf(hh_file("Blank", ["0R" + " " * 60] * 150 + logs)), "refused", "", "",
    "Von 155 Datensatzzeilen sind 150 nicht lesbar")
add("cr-only.dat", crlf(hh_file("NurCR", logs), ending=b"\r"), "imported", "NurCR", 5, "-")
add("lf-only.dat", crlf(hh_file("NurLF", logs), ending=b"\n"), "imported", "NurLF", 5, "-")
add("mixed-line-ends.dat", b"0A  Gemischt\r0d  01.03.2005\n0!   \r\n" + logs[0].encode() + b"\r" + logs[1].encode() +
    b"\n" + logs[2].encode() + b"\r\n0E   ", "imported", "Gemischt", 3, "-")
add("ctrl-z-at-end.dat", crlf(hh_file("DosEnde", logs)) + b"\x1a", "imported", "DosEnde", 5, "-")

# Umlauts in every encoding a file may come in.
add("cp437-umlauts.dat", crlf(hh_file("Müller Süd", [hh_log(remark="Äste über Öl")], ["0t  Jörg Häußler"]),
                              enc=cp437), "imported", "MüllerSüd", 1, "-")
add("cp1252-umlauts-handheld.dat", crlf(hh_file("Wäldchen", logs[:1])), "imported", "Wäldchen", 1, "-")
add("utf8-umlauts.dat", crlf(hh_file("Bärental", logs[:2]), enc=lambda s: s.encode("utf-8")), "imported", "Bärental",
    2, "-")
add("utf8-bom.dat", b"\xef\xbb\xbf" + crlf(hh_file("Überhang", logs[:2]), enc=lambda s: s.encode("utf-8")),
    "imported", "Überhang", 2, "-")
add("utf16-le-bom.dat", "\ufeff".encode("utf-16-le") + crlf(hh_file("Öde", logs[:2]), enc=lambda s: s.encode("utf-16-le"),
                                                          ending="\r\n".encode("utf-16-le")),
    "imported", "Öde", 2, "-")
add("utf16-be-no-bom.dat", crlf(hh_file("Grossbaum", logs[:2]), enc=lambda s: s.encode("utf-16-be"),
                                ending="\r\n".encode("utf-16-be")), "imported", "Grossbaum", 2, "-")

# Names that must reach the database as they stand.
add("apostrophe-name.dat", crlf(hh_file("O'Brien's Holz", logs[:1])), "imported", "O'Brien'sHolz", 1, "-")
add("sql-in-name.dat", crlf(hh_file("x'); DROP TABLE Holz; --", logs[:2])), "imported", "x');DROPTABLEHolz;--", 2, "-")
add("sql-wildcards-name.dat", crlf(hh_file('50%_"Los"\\;', logs[:1])), "imported", '50%_"Los"\\;', 1, "-")
add("same-name-again.dat", crlf(hh_file("O'Brien's Holz", logs)), "exists", "O'Brien'sHolz", "", "")
add("same-name-other-case.dat", crlf(hh_file("NURCR", logs)), "exists", "NurCR", "", "")
add("two-name-lines.dat", crlf(hh_file("Erster", logs[:2] + ["0A  Zweiter"] + logs[2:4])), "imported", "Erster", 4, "-")

# Damaged values: the record arrives, the value stays empty, the user hears of it.
add("volume-not-a-number.dat", crlf(hh_file("KeineZahl", [logs[0], hh_log(num=2, kubatur="ab.cd"), logs[2]])),
    "imported", "KeineZahl", 3, "Fehl.Nr : 13")
add("negative-lot.dat", crlf(hh_file("Minuslos", [hh_log(los=-1), logs[1]])), "imported", "Minuslos", 2,
    "Überlauf: Zeile 4, Los „-1“")
add("pieces-over-999.dat", crlf(hh_file("Stangen", ["0P" + " 1" + "     1" + "KieN" + "P " + "C " + "****" + " " + " 1.5" + "2a " + " 16.37" + "   0.00" +
                                       "X" * 9 + "XXXX"])),
    "imported", "Stangen", 1, "Stückzahl „****“")
add("huge-numbers.dat", crlf(hh_file("Gross", [hh_log(kind="0M", num=999999, kubatur="9999999"),
                                                hh_log(num=999999, laenge="99.9", durchm=999, kubatur="1.0e308")])),
    "imported", "Gross", 2, "Kubatur „1.0e308“")
add("shifted-columns.dat", crlf(hh_file("Verschoben", [" " + l for l in logs[:2]] + [logs[2]])), "imported",
    "Verschoben", 1, "-")
add("wrong-identifiers.dat", crlf(hh_file("Fremdzeilen", ["0Z  was", "9R 1     1Fi", "0r" + logs[0][2:], "ZZ"] +
                                          logs[:2])), "imported", "Fremdzeilen", 2, "-")
add("shifted-fields.dat", crlf(hh_file("Versatz", [logs[0][:22] + " " + logs[0][22:], logs[1]])), "imported",
    "Versatz", 2, "Fehl.Nr : 13")
add("unknown-holzart.dat", crlf(hh_file("Exoten", [hh_log(code="Zed"), hh_log(num=2, code="Mam"), hh_log(num=3, code="Zed")])),
    "imported", "Exoten", 3, "Zed, Mam")
add("bad-date.dat", crlf(["0A  Datumsfehler", "0d  31.02.2005", "0!   "] + logs[:1] + ["0E   "]), "imported",
    "Datumsfehler", 1,
    "Datum „31.02.2005“")

# Transfer files.
add("transfer-unknown-type.tx1", crlf(["Type: VDE_Forst9", "0A   Fremd", tr_log()]), "refused", "", "",
    "Unbekannter Dateityp")
add("transfer-type-garbage.tx1", crlf(["Ty", "0A   Kurz", tr_log()]), "refused", "", "", "Unbekannter Dateityp")
add("transfer-no-name.tx1", crlf(["Type: VDE_Habsys", "0B   Bemerkung", tr_log()]), "refused", "", "",
    "Zeile „0A“ mit dem Listennamen fehlt")
add("transfer-type-only.tx1", b"Type: Timbernet1.0\r\n", "refused", "", "", "Zeile „0A“ mit dem Listennamen fehlt")
add("transfer-truncated-record.tx1", crlf(["Type: VDE_Habsys", "0A   TrAbbruch", tr_log(num=1), tr_log(num=2)])[:-120],
    "imported", "TrAbbruch", 2, "unvollständig")
add("transfer-lot-300.tx1", crlf(["Type: VDE_DekaData1.2", "0A   Los300", tr_log(los=300, deka=DEKA), tr_log(deka=DEKA)]),
    "imported", "Los300", 2, "Überlauf: Zeile 3, Los „300“")
add("transfer-habsys-cp1252.tx1", crlf(["Type: VDE_Habsys", "0A   Köhler", "0D   Bäuerin Weiß",
                                        tr_log(remark="Schäle", price_kind="1", price="50.00")]),
    "imported", "Köhler", 1, "-")
add("transfer-latschbacher-cp437.tx1", crlf(["Type: VDE_GERMAN", "AD   Jaeger.DAT 00000RH Transfer V1.1",
                                             "0A   Jäger", tr_log(remark="Übermaß")], enc=cp437),
    "imported", "Jäger", 1, "-")
add("transfer-deka-stack-samples.tx1", crlf(["Type: VDE_DekaData1.2", "0A   Polter 7", "UA   3a", "BE   b",
                                             "LL  1" + f"{'48.1,11.5':<38}" + f"{'Weg':<50}" + "Zufahrt",
                                             tr_stack(deka=DEKA), tr_log(kind="1M", num=7, rinde="o", deka=DEKA) +
                                             "30,32,34"]),
    "imported", "Polter7", 2, "-")
add("transfer-huge-diameter.tx1", crlf(["Type: VDE_DekaData1.2", "0A   Riese",
                                        tr_log(kind="1M", num=8, deka=DEKA) + "30,99999999999999999999,x"]),
    "imported", "Riese", 1, "Mantel-Durchmesser")
add("transfer-stack-in-log-layout.tx1", crlf(["Type: VDE_DekaData1.2", "0A   Layout",
                                              tr_log(kind="1S", kubatur="ab.cd", deka=DEKA)]),
    "imported", "Layout", 1, "Fehl.Nr : 13")
add("transfer-record-before-name.tx1", crlf(["Type: Timbernet1.0", tr_log(num=1), "0A   Spaet", tr_log(num=2)]),
    "imported", "Spaet", 2, "-")
add("transfer-cr-only.tx1", crlf(["Type: Timbernet1.1", "0A   TrCR", tr_log(num=1), tr_log(num=2), tr_log(num=3)],
                                 ending=b"\r"), "imported", "TrCR", 3, "-")
add("transfer-utf8-name.tx1", crlf(["Type: VDE_Habsys", "0A   Größe", tr_log()], enc=lambda s: s.encode("utf-8")),
    "imported", "Größe", 1, "-")
add("transfer-apostrophe.tx1", crlf(["Type: VDE_Habsys", "0A   D'Artagnan", tr_log()]), "imported", "D'Artagnan", 1,
    "-")
add("transfer-same-name.tx1", crlf(["Type: VDE_Habsys", "0A   Köhler", tr_log()]), "exists", "Köhler", "", "")

for name, data in files.items():
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(data)
with open(os.path.join(HERE, "manifest.txt"), "w", encoding="utf-8") as f:
    f.write("# file, outcome, list, records, message; tab-separated (see make-corpus.py)\n")
    f.write("\n".join(manifest) + "\n")
print(len(files), "files")
