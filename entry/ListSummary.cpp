#include "ListSummary.h"

#include "entry/ListTotals.h"
#include "rules/Numbers.h"
#include "store/Database.h"

namespace entry {
namespace {

const QString Tab = QStringLiteral("\t");
const QString LineEnd = QStringLiteral("\r");

struct Group {
    QString sorte;
    QString staerke;
    QString guete;
    qint64 pieces = 0;
    double volume = 0;
};

QString groupLine(const QString& species, const Group& group, bool dp)
{
    return species + Tab + group.sorte + QLatin1Char(' ') + group.staerke + Tab + group.guete + Tab +
           QString::number(group.pieces) + Tab + rules::formatTwo(group.volume, dp) + LineEnd;
}

} // namespace

QString ListSummary::text(store::Database& holz, const QStringList& regionSpecies, const QString& list,
                          bool dp)
{
    QStringList species = regionSpecies;
    {
        store::Statement st =
            holz.prepare("SELECT DISTINCT Holzart FROM Holz WHERE Liste = ? ORDER BY Holzart COLLATE JET");
        st.bind(1, list);
        while (st.step()) {
            const QString name = st.text(0);
            if (!species.contains(name, Qt::CaseInsensitive))
                species << name;
        }
    }

    QString text = QStringLiteral("Sortenzusammenstellung zu Holzliste ") + list + LineEnd +
                   QStringLiteral(" Holzart\tSorte\tGüte\tStück \tKubatur\tSumme Kubatur") + LineEnd;
    double total = 0;
    store::Statement st = holz.prepare(
        "SELECT Sorte, Staerke, Guete, Stueck, Kubatur, Folgestamm FROM Holz WHERE Holzart = ? AND Liste = ? "
        "ORDER BY Sorte COLLATE JET, Staerke COLLATE JET, Guete COLLATE JET, Id");
    for (const QString& name : species) {
        st.reset();
        st.bindAll(name, list);
        bool any = false;
        Group group;
        double speciesVolume = 0;
        while (st.step()) {
            const QString sorte = st.text(0);
            const QString staerke = st.text(1);
            const QString guete = st.text(2);
            if (any && (sorte != group.sorte || staerke != group.staerke || guete != group.guete)) {
                text += groupLine(name, group, dp);
                group = Group();
            }
            any = true;
            group.sorte = sorte;
            group.staerke = staerke;
            group.guete = guete;
            group.pieces += ListTotals::pieceCount(sorte, st.real(3), st.boolean(5));
            group.volume += st.real(4);
            speciesVolume += st.real(4);
        }
        if (!any)
            continue;
        text += groupLine(name, group, dp);
        text += Tab + Tab + Tab + Tab + Tab + rules::formatTwo(speciesVolume, dp) + LineEnd;
        total += speciesVolume;
    }
    text += QStringLiteral("______________") + LineEnd;
    text += QStringLiteral("Gesamt") + Tab + Tab + Tab + Tab + Tab + rules::formatTwo(total, dp) + LineEnd;
    return text;
}

} // namespace entry
