// SPDX-License-Identifier: GPL-3.0-or-later
#include "EldatVocabulary.h"

#include <QSet>
#include <initializer_list>

namespace exporter {
namespace {

QSet<QString> words(std::initializer_list<const char*> codes)
{
    QSet<QString> set;
    for (const char* code : codes)
        set.insert(QString::fromLatin1(code));
    return set;
}

QSet<QString> build(EldatVocabulary::List list)
{
    using List = EldatVocabulary::List;
    switch (list) {
    case List::Species:
        return words({"xy",   "ndh", "fi",   "gfi", "ofi",  "sfi",  "swfi", "efi",  "bfi", "wfi",  "sofi",
                      "kie",  "ki",  "bki",  "ski", "rki",  "zki",  "wki",  "mki",  "gki", "soki", "ta",
                      "wta",  "ata", "cta",  "kta", "nita", "nota", "vta",  "sota", "dgl", "la",   "ela",
                      "jla",  "sla", "sonb", "lb",  "ht",   "mam",  "eib",  "sz",   "bu",  "sei",  "tei",
                      "rei",  "zei", "suei", "ei",  "que",  "es",   "ges",  "wes",  "fra", "hbu",  "ah",
                      "bah",  "sah", "fah",  "eah", "siah", "ace",  "li",   "wli",  "sli", "til",  "rob",
                      "akz",  "ul",  "bul",  "ful", "flu",  "ulm",  "rka",  "eka",  "ka",  "mau",  "nus",
                      "wnu",  "snu", "jug",  "ste", "pla",  "apl",  "solh", "gbi",  "mbi", "bi",   "erl",
                      "ser",  "wer", "ger",  "aln", "pap",  "zpa",  "spa",  "spah", "gpa", "wpa",  "bpa",
                      "bpah", "pop", "sor",  "sso", "vb",   "els",  "spe",  "meb",  "wei", "swei", "kir",
                      "gtk",  "vk",  "stk",  "pru", "zwe",  "hic",  "soln", "fau",  "wob", "wap",  "wbi",
                      "has",  "got", "slbh", "lbh", "slbw", "str",  "fita"});
    case List::Grade:
        return words({"xy", "st", "fl", "il", "bl", "bs", "is", "hs", "a_wh", "a_bl", "a_db", "a_lh", "a_sb",
                      "a_hb", "a_kb", "a_zb", "ch_r", "ch_e", "ch_i"});
    case List::Use:
        return words({"xy",      "f",       "tf",      "ss",    "sg",     "wh",    "pz",
                      "sf",      "rh",      "hs",      "eh",    "ru",     "ih",    "p",
                      "m",       "r",       "sw",      "ov",    "pa",     "pk",    "st",
                      "osb",     "mdf",     "cb",      "la",    "bl",     "sb",    "vp",
                      "ph",      "sl",      "nl",      "gl",    "ns",     "au",    "ch_sw",
                      "ch_kst",  "ch_kbu",  "ch_z",    "ch_p",  "ch_h",   "ch_hs", "ch_hhap",
                      "ch_hheb", "ch_brhl", "ch_brhk", "ch_sp", "ch_ksp", "ch_ru", "ch_lang"});
    case List::Quality:
        return words({"o",      "in",   "if",   "ik",   "fk",    "nf",    "nfk",  "b",     "bk",    "c",
                      "d",      "oa",   "bc",   "cd",   "bcd",   "a_fu",  "a_is", "a_if",  "a_i2",  "a_id",
                      "a_im",   "a_sp", "a_y",  "a_x",  "a_z",   "a_bh",  "ch_k", "ch_ab", "ch_bc", "ch_cd",
                      "ch_abc", "ch_r", "ch_1", "ch_2", "ch_bk", "ch_sk", "a",    "ak"});
    case List::Thickness:
        return words({"o",    "ch_1a", "ch_1b", "ch_2a", "ch_2b", "ch_3a", "ch_3b", "ch_4a", "ch_4b", "ch_4",
                      "ch_5", "ch_5a", "ch_5b", "ch_6",  "ch_6a", "ch_6b", "d0",    "d1",    "d1a",   "d1b",
                      "d2",   "d2a",   "d2b",   "d3",    "d3a",   "d3b",   "d4",    "d4a",   "d4b",   "d5",
                      "d5a",  "d5b",   "d6",    "d6a",   "d6b",   "d7",    "d8"});
    case List::Unit:
        return words({"atr", "lut", "cft", "srm", "stk", "lfm", "cbm", "fmo", "rmm"});
    case List::DiaMeasurement:
        return words({"mara", "aura", "ohra", "ratv", "ratn", "umit", "inri", "ohri"});
    case List::Method:
        return words({"mit", "mis", "arm", "srm", "krm", "stf", "zae", "stz", "wev", "gwm", "gwa",
                      "gwl", "stg", "zsv", "fra", "lfm", "son", "hvm", "opv", "wam", "xy"});
    case List::Technique:
        return words({"klma", "harv", "inul", "inin", "drei", "rokl", "rome", "foha", "foim", "fomo", "tauv",
                      "stve", "mame", "elwi"});
    case List::State:
        return words({"DE", "BY", "BE", "BG", "DK", "EE", "FI", "FR", "GE", "GR", "IE", "IS", "IT",
                      "CA", "HR", "LV", "LI", "LT", "LU", "NL", "NO", "AT", "PL", "PT", "RO", "RU",
                      "SE", "CH", "RS", "SK", "SI", "ES", "CZ", "UA", "HU", "US", "GB", "CX"});
    case List::WoodIdType:
        return words({"arb", "art", "hab", "hal", "los", "pol", "poa", "pog", "sta", "vlo"});
    case List::AggregationType:
        return words({"so",           "vw",         "ha",       "qu",         "sk",         "du",
                      "la",           "soha",       "sohaqu",   "sohaqusk",   "sohaquskla", "sohaqudu",
                      "sohaqudula",   "soqu",       "soqusk",   "soquskla",   "soqudu",     "soqudula",
                      "sosk",         "soskla",     "sodu",     "sodula",     "sovwha",     "sovwhaqu",
                      "sovwhaqusk",   "sovwqu",     "sovwqusk", "sovwsk",     "vwha",       "vwhaqu",
                      "vwhaqusk",     "vwhaquskla", "vwhaqudu", "vwhaqudula", "vwsk",       "haqu",
                      "haqula",       "haqusk",     "haquskla", "haqudu",     "haqudula",   "hasovwqula",
                      "hasovwqulask", "qusk",       "pol",      "los",        "ein",        "vwqu",
                      "vwhask",       "vwhaskla",   "vwhadu",   "vwhadula"});
    }
    return {};
}

} // namespace

bool EldatVocabulary::contains(List list, const QString& code)
{
    static const QSet<QString> lists[] = {
        build(List::Species),        build(List::Grade),      build(List::Use),
        build(List::Quality),        build(List::Thickness),  build(List::Unit),
        build(List::DiaMeasurement), build(List::Method),     build(List::Technique),
        build(List::State),          build(List::WoodIdType), build(List::AggregationType)};
    return lists[int(list)].contains(code);
}

QString EldatVocabulary::name(List list)
{
    switch (list) {
    case List::Species:
        return QStringLiteral("Holzart");
    case List::Grade:
        return QStringLiteral("Sorte");
    case List::Use:
        return QStringLiteral("Verwendungssorte");
    case List::Quality:
        return QStringLiteral("Qualität");
    case List::Thickness:
        return QStringLiteral("Stärkeklasse");
    case List::Unit:
        return QStringLiteral("Mengeneinheit");
    case List::DiaMeasurement:
        return QStringLiteral("Durchmesserermittlung");
    case List::Method:
        return QStringLiteral("Vermessungsverfahren");
    case List::Technique:
        return QStringLiteral("Messtechnik");
    case List::State:
        return QStringLiteral("Staat");
    case List::WoodIdType:
        return QStringLiteral("Holznummerntyp");
    case List::AggregationType:
        return QStringLiteral("Aggregationstyp");
    }
    return QString();
}

} // namespace exporter
