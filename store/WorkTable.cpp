// SPDX-License-Identifier: GPL-3.0-or-later
#include "WorkRow.h"

#include "Transaction.h"

namespace store {

const TableDef<WorkRow>& workTable()
{
    using R = WorkRow;
    static const TableDef<R> def("Holz", "rowid",
                                 {{"Holzart", &R::Holzart},
                                  {"Nummer", &R::Nummer},
                                  {"Los", &R::Los},
                                  {"Stueck", &R::Stueck},
                                  {"Laenge", &R::Laenge},
                                  {"Durchm", &R::Durchm},
                                  {"Sorte", &R::Sorte},
                                  {"Staerke", &R::Staerke},
                                  {"Guete", &R::Guete},
                                  {"Kubatur", &R::Kubatur},
                                  {"Rinde", &R::Rinde},
                                  {"Liste", &R::Liste},
                                  {"optionLangholz", &R::optionLangholz},
                                  {"Folgestamm", &R::Folgestamm},
                                  {"Klammerstamm", &R::Klammerstamm}});
    return def;
}

bool ensureWorkColumns(Database& work)
{
    auto columns = [&] {
        QStringList names;
        Statement info = work.prepare("SELECT name FROM pragma_table_info('Holz')");
        while (info.step())
            names << info.text(0);
        return names;
    };
    const QStringList present = columns();
    const bool hasBracket = present.contains(QStringLiteral("Klammerstamm"), Qt::CaseInsensitive);
    const bool hasFollow = present.contains(QStringLiteral("Folgestamm"), Qt::CaseInsensitive);
    if (hasBracket && hasFollow)
        return false;
    Transaction transaction(work);
    if (!hasBracket)
        work.exec("ALTER TABLE Holz ADD COLUMN Klammerstamm INTEGER NOT NULL DEFAULT 0");
    if (!hasFollow)
        work.exec("ALTER TABLE Holz ADD COLUMN Folgestamm INTEGER NOT NULL DEFAULT 0");
    transaction.commit();
    return true;
}

} // namespace store
