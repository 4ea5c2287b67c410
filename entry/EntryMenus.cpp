// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryMenus.h"

#include "entry/FrmHolz.h"
#include "header/ControlBinder.h"

#include <QMenu>
#include <QMenuBar>

namespace entry {
namespace {

class MenuBuilder {
public:
    MenuBuilder(FrmHolz& model, header::ControlBinder& binder) : m_model(model), m_binder(binder) {}

    QMenu* menu(QWidget* parent, const char* name, const Control& control)
    {
        auto* menu = new QMenu(control.caption, parent);
        menu->setObjectName(QLatin1String(name));
        menu->menuAction()->setObjectName(QLatin1String(name));
        m_binder.action(control, menu->menuAction());
        return menu;
    }

    QMenu* submenu(QMenu* parent, const char* name, const Control& control)
    {
        QMenu* sub = menu(parent, name, control);
        parent->addMenu(sub);
        return sub;
    }

    template <class Target>
    QAction* entry(Target* parent, const char* name, const Control& control, std::function<void()> handler)
    {
        QAction* action = parent->addAction(control.caption);
        action->setObjectName(QLatin1String(name));
        QObject::connect(action, &QAction::triggered, parent, [handler = std::move(handler)] { handler(); });
        m_binder.action(control, action);
        return action;
    }

    template <class Target>
    QAction* entry(Target* parent, const char* name, const Control& control, void (FrmHolz::*handler)())
    {
        // The builder is gone when the menu runs: capture the model itself.
        return entry(parent, name, control, [&model = m_model, handler] { (model.*handler)(); });
    }

private:
    FrmHolz& m_model;
    header::ControlBinder& m_binder;
};

} // namespace

QMenuBar* EntryMenus::build(FrmHolz& model, header::ControlBinder& binder, QWidget* parent,
                            std::function<void()> beenden)
{
    const EntryControls& c = model.controls();
    MenuBuilder b(model, binder);
    auto* bar = new QMenuBar(parent);

    QMenu* holz = b.menu(bar, "mnuHolz", c.mnuHolz);
    bar->addMenu(holz);
    QMenu* liste = b.submenu(holz, "mnuListe", c.mnuListe);
    b.entry(liste, "mnuKubatur", c.mnuKubatur, &FrmHolz::mnuKubatur_Click);
    b.entry(liste, "mnuHoechsteNummer", c.mnuHoechsteNummer, &FrmHolz::mnuHoechsteNummer_Click);
    QMenu* datensatz = b.submenu(holz, "mnuDatensatz", c.mnuDatensatz);
    b.entry(datensatz, "mnuLoeschen", c.mnuLoeschen, &FrmHolz::mnuLoeschen_Click);
    b.entry(datensatz, "mnuAendern", c.mnuAendern, &FrmHolz::mnuAendern_Click);
    datensatz->addSeparator();
    b.entry(datensatz, "mnuErster", c.mnuErster, &FrmHolz::mnuErster_Click);
    b.entry(datensatz, "mnuLetzter", c.mnuLetzter, &FrmHolz::mnuLetzter_Click);
    b.entry(holz, "mnuKlammerstamm", c.mnuKlammerstamm, &FrmHolz::mnuKlammerstamm_Click);
    holz->addSeparator();
    b.entry(holz, "mnuNutzungsart", c.mnuNutzungsart, &FrmHolz::mnuNutzungsart_Click);
    b.entry(holz, "mnuEinschlagtyp", c.mnuEinschlagtyp, &FrmHolz::mnuEinschlagtyp_Click);
    holz->addSeparator();
    b.entry(holz, "mnuMantel", c.mnuMantel, &FrmHolz::mnuMantel_Click);
    holz->addSeparator();
    b.entry(holz, "mnuHilfe", c.mnuHilfe, &FrmHolz::mnuHilfe_Click);

    QMenu* tabelle = b.menu(bar, "mnuTabelle", c.mnuTabelle);
    bar->addMenu(tabelle);
    QAction* mehrfach = b.entry(tabelle, "mnuMehrfach", c.mnuMehrfach, &FrmHolz::mnuMehrfach_Click);
    mehrfach->setCheckable(true);
    QMenu* aendern = b.submenu(tabelle, "mnuAendernT", c.mnuAendernT);
    b.entry(aendern, "mnuGuete", c.mnuGuete, &FrmHolz::mnuGuete_Click);
    b.entry(aendern, "mnuLos", c.mnuLos, &FrmHolz::mnuLos_Click);
    b.entry(aendern, "mnuLaenge", c.mnuLaenge, &FrmHolz::mnuLaenge_Click);
    b.entry(aendern, "mnuDurchm", c.mnuDurchm, &FrmHolz::mnuDurchm_Click);
    b.entry(aendern, "mnuSorteAendern", c.mnuSorteAendern, &FrmHolz::mnuSorteAendern_Click);
    b.entry(aendern, "mnuAbteilungAendern", c.mnuAbteilungAendern, &FrmHolz::mnuAbteilungAendern_Click);
    b.entry(tabelle, "mnuListeT", c.mnuListeT, &FrmHolz::mnuListeT_Click);
    b.entry(tabelle, "mnuLoeschenT", c.mnuLoeschenT, &FrmHolz::mnuLoeschenT_Click);
    tabelle->addSeparator();
    b.entry(tabelle, "mnuHilfeT", c.mnuHilfeT, &FrmHolz::mnuHilfeT_Click);

    QMenu* listendaten = b.menu(bar, "mnuListendaten", c.mnuListendaten);
    bar->addMenu(listendaten);
    QMenu* listeL = b.submenu(listendaten, "mnuListeL", c.mnuListeL);
    b.entry(listeL, "mnuNeu", c.mnuNeu, &FrmHolz::mnuNeu_Click);
    b.entry(listeL, "mnuKopfdatenL", c.mnuKopfdatenL, &FrmHolz::mnuKopfdatenL_Click);
    b.entry(listeL, "mnuLoescheng", c.mnuLoescheng, &FrmHolz::mnuLoescheng_Click);
    listendaten->addSeparator();
    b.entry(listendaten, "mnuKonvertieren", c.mnuKonvertieren, &FrmHolz::mnuKonvertieren_Click);
    b.entry(listendaten, "mnuEinlesen", c.mnuEinlesen, &FrmHolz::mnuEinlesen_Click);
    b.entry(listendaten, "mnuEldat", c.mnuEldat, &FrmHolz::mnuEldat_Click);
    b.entry(listendaten, "mnuEldatEinlesen", c.mnuEldatEinlesen, &FrmHolz::mnuEldatEinlesen_Click);
    b.entry(listendaten, "mnuCsv", c.mnuCsv, &FrmHolz::mnuCsv_Click);
    b.entry(listendaten, "mnuExcel", c.mnuExcel, &FrmHolz::mnuExcel_Click);
    listendaten->addSeparator();
    b.entry(listendaten, "mnuSortiment", c.mnuSortiment, &FrmHolz::mnuSortiment_Click);
    b.entry(listendaten, "mnuStatistik", c.mnuStatistik, &FrmHolz::mnuStatistik_Click);
    listendaten->addSeparator();
    b.entry(listendaten, "mnuHilfeListendaten", c.mnuHilfeListendaten, &FrmHolz::mnuHilfeListendaten_Click);

    QMenu* optionen = b.menu(bar, "mnuOptionen", c.mnuOptionen);
    bar->addMenu(optionen);
    b.entry(optionen, "mnuAuswahl", c.mnuAuswahl, &FrmHolz::mnuAuswahl_Click);
    b.entry(optionen, "mnuAutoLos", c.mnuAutoLos, &FrmHolz::mnuAutoLos_Click);
    b.entry(optionen, "mnuStammdaten", c.mnuStammdaten, &FrmHolz::mnuStammdaten_Click);

    b.entry(bar, "mnuDrucken", c.mnuDrucken, &FrmHolz::mnuDrucken_Click);

    QMenu* program = b.menu(bar, "mnuProgram", c.mnuProgram);
    bar->addMenu(program);
    b.entry(program, "mnuBeenden", c.mnuBeenden, std::move(beenden));
    return bar;
}

} // namespace entry
