// SPDX-License-Identifier: GPL-3.0-or-later
#include "SummarySource.h"

namespace store {

void SummarySource::scan(Database& holz, const QString& list,
                         const std::function<void(const SummarySourceRow&)>& visit)
{
    Statement st = holz.prepare("SELECT Holzart, Sorte, Staerke, Guete, Stueck, Kubatur, Folgestamm, "
                                "coalesce(Einzelstamm, 0) <> 0, Los, Nummer, Laenge, Durchm, Id "
                                "FROM Holz WHERE Liste = ?");
    st.bind(1, list);
    SummarySourceRow row;
    while (st.step()) {
        row.Holzart = st.text(0);
        row.Sorte = st.text(1);
        row.Staerke = st.text(2);
        row.Guete = st.text(3);
        row.Stueck = st.real(4);
        row.Kubatur = st.real(5);
        row.Folgestamm = st.boolean(6);
        row.Einzelstamm = st.boolean(7);
        row.Los = st.integer(8);
        row.Nummer = st.integer(9);
        row.Laenge = st.real(10);
        row.Durchm = st.real(11);
        row.Id = st.int64(12);
        visit(row);
    }
}

} // namespace store
