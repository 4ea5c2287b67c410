#include "HolzRowBinder.h"

namespace importer {

HolzRowBinder::HolzRowBinder()
{
    using R = store::HolzRow;
    m_columns = {{"SatzNr", &R::SatzNr},
                 {"Liste", &R::Liste},
                 {"Nummer", &R::Nummer},
                 {"Einzelstamm", &R::Einzelstamm},
                 {"Los", &R::Los},
                 {"Holzart", &R::Holzart},
                 {"Guete", &R::Guete},
                 {"Sorte", &R::Sorte},
                 {"Staerke", &R::Staerke},
                 {"Laenge", &R::Laenge},
                 {"Durchm", &R::Durchm},
                 {"Hoehe", &R::Hoehe},
                 {"Stueck", &R::Stueck},
                 {"Stamm", &R::Stamm},
                 {"Rinde", &R::Rinde},
                 {"RindenAbzug", &R::RindenAbzug},
                 {"Kubatur", &R::Kubatur},
                 {"Folgestamm", &R::Folgestamm},
                 {"Klammerstamm", &R::Klammerstamm},
                 {"Nutzung", &R::Nutzung},
                 {"Preisfaktor", &R::Preisfaktor},
                 {"Preisart", &R::Preisart},
                 {"Zusatztext", &R::Zusatztext},
                 {"Abteilung", &R::Abteilung},
                 {"RF", &R::RF},
                 {"AArt", &R::AArt},
                 {"Rotte", &R::Rotte},
                 {"AbrNr", &R::AbrNr},
                 {"EST1", &R::EST1},
                 {"EST2", &R::EST2},
                 {"EST3", &R::EST3},
                 {"EST4", &R::EST4},
                 {"EST5", &R::EST5},
                 {"Polter", &R::Polter},
                 {"Stapel", &R::Stapel}};
    QByteArray names, marks;
    for (const auto& column : m_columns) {
        if (!names.isEmpty()) {
            names += ", ";
            marks += ", ";
        }
        names += column.first;
        marks += '?';
    }
    m_usable = "INSERT INTO Holz (" + names + ") VALUES (" + marks + ")" == store::holzTable().insertSql();
}

void HolzRowBinder::bind(store::Statement& statement, const store::HolzRow& row,
                         const store::HolzRow* previous) const
{
    int index = 0;
    for (const auto& column : m_columns) {
        ++index;
        std::visit(
            [&](auto member) {
                // A null and an empty text bind differently (NULL and ''),
                // so they count as different values.
                if constexpr (std::is_same_v<decltype(row.*member), const QString&>) {
                    if (previous && (previous->*member).isNull() == (row.*member).isNull() &&
                        previous->*member == row.*member)
                        return;
                } else {
                    if (previous && previous->*member == row.*member)
                        return;
                }
                statement.bind(index, row.*member);
            },
            column.second);
    }
}

} // namespace importer
