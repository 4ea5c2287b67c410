#include "Commands.h"

namespace cli {

const QList<Command>& commands()
{
    static const QList<Command> list{
        {"init", "", "Datenordner mit leerer Listendatenbank und Stammdaten anlegen", &runInit},
        {"lists", "", "alle Holzlisten mit Kubatur, Stückzahl und Datum zeigen", &runLists},
        {"stammdaten", "DATEI", "Stammdatendatei einlesen", &runStammdaten},
        {"species", "", "Holzarten der eingestellten Region zeigen", &runSpecies},
        {"volume",
         "--length L --diameter D [--pieces N] [--species S] [--bark MODUS] [--abzug CM] "
         "[--sorte CODE] [--faktor F] [--hoehe H]",
         "Kubatur, Stärkeklasse und Rindenabzug berechnen", &runVolume},
        {"generate", "LISTE ANZAHL [--seed N]", "Testliste mit zufälligen Datensätzen anlegen", &runGenerate},
    };
    return list;
}

} // namespace cli
