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

    QMenu* menu(QWidget* parent, ControlId id)
    {
        const Control& control = m_model.controls()[id];
        auto* menu = new QMenu(control.caption, parent);
        menu->setObjectName(controlName(id));
        menu->menuAction()->setObjectName(controlName(id));
        m_binder.action(control, menu->menuAction());
        return menu;
    }

    QMenu* submenu(QMenu* parent, ControlId id)
    {
        QMenu* sub = menu(parent, id);
        parent->addMenu(sub);
        return sub;
    }

    template <class Target> QAction* entry(Target* parent, ControlId id, std::function<void()> handler)
    {
        const Control& control = m_model.controls()[id];
        QAction* action = parent->addAction(control.caption);
        action->setObjectName(controlName(id));
        QObject::connect(action, &QAction::triggered, parent, [handler = std::move(handler)] { handler(); });
        m_binder.action(control, action);
        return action;
    }

    template <class Target> QAction* entry(Target* parent, ControlId id, void (FrmHolz::*handler)())
    {
        // The builder is gone when the menu runs: capture the model itself.
        return entry(parent, id, [&model = m_model, handler] { (model.*handler)(); });
    }

private:
    FrmHolz& m_model;
    header::ControlBinder& m_binder;
};

} // namespace

QMenuBar* EntryMenus::build(FrmHolz& model, header::ControlBinder& binder, QWidget* parent,
                            std::function<void()> beenden)
{
    MenuBuilder b(model, binder);
    auto* bar = new QMenuBar(parent);

    QMenu* holz = b.menu(bar, ControlId::mnuHolz);
    bar->addMenu(holz);
    QMenu* liste = b.submenu(holz, ControlId::mnuListe);
    b.entry(liste, ControlId::mnuKubatur, &FrmHolz::mnuKubatur_Click);
    b.entry(liste, ControlId::mnuHoechsteNummer, &FrmHolz::mnuHoechsteNummer_Click);
    b.entry(liste, ControlId::mnuLagerorte, &FrmHolz::mnuLagerorte_Click);
    QMenu* datensatz = b.submenu(holz, ControlId::mnuDatensatz);
    b.entry(datensatz, ControlId::mnuLoeschen, &FrmHolz::mnuLoeschen_Click);
    b.entry(datensatz, ControlId::mnuAendern, &FrmHolz::mnuAendern_Click);
    datensatz->addSeparator();
    b.entry(datensatz, ControlId::mnuErster, &FrmHolz::mnuErster_Click);
    b.entry(datensatz, ControlId::mnuLetzter, &FrmHolz::mnuLetzter_Click);
    b.entry(holz, ControlId::mnuKlammerstamm, &FrmHolz::mnuKlammerstamm_Click);
    holz->addSeparator();
    b.entry(holz, ControlId::mnuNutzungsart, &FrmHolz::mnuNutzungsart_Click);
    b.entry(holz, ControlId::mnuEinschlagtyp, &FrmHolz::mnuEinschlagtyp_Click);
    holz->addSeparator();
    b.entry(holz, ControlId::mnuMantel, &FrmHolz::mnuMantel_Click);
    holz->addSeparator();
    b.entry(holz, ControlId::mnuHilfe, &FrmHolz::mnuHilfe_Click);

    QMenu* tabelle = b.menu(bar, ControlId::mnuTabelle);
    bar->addMenu(tabelle);
    QAction* mehrfach = b.entry(tabelle, ControlId::mnuMehrfach, &FrmHolz::mnuMehrfach_Click);
    mehrfach->setCheckable(true);
    QMenu* aendern = b.submenu(tabelle, ControlId::mnuAendernT);
    b.entry(aendern, ControlId::mnuGuete, &FrmHolz::mnuGuete_Click);
    b.entry(aendern, ControlId::mnuLos, &FrmHolz::mnuLos_Click);
    b.entry(aendern, ControlId::mnuLaenge, &FrmHolz::mnuLaenge_Click);
    b.entry(aendern, ControlId::mnuDurchm, &FrmHolz::mnuDurchm_Click);
    b.entry(aendern, ControlId::mnuSorteAendern, &FrmHolz::mnuSorteAendern_Click);
    b.entry(aendern, ControlId::mnuAbteilungAendern, &FrmHolz::mnuAbteilungAendern_Click);
    b.entry(tabelle, ControlId::mnuListeT, &FrmHolz::mnuListeT_Click);
    b.entry(tabelle, ControlId::mnuLoeschenT, &FrmHolz::mnuLoeschenT_Click);
    tabelle->addSeparator();
    b.entry(tabelle, ControlId::mnuHilfeT, &FrmHolz::mnuHilfeT_Click);

    QMenu* listendaten = b.menu(bar, ControlId::mnuListendaten);
    bar->addMenu(listendaten);
    QMenu* listeL = b.submenu(listendaten, ControlId::mnuListeL);
    b.entry(listeL, ControlId::mnuNeu, &FrmHolz::mnuNeu_Click);
    b.entry(listeL, ControlId::mnuKopfdatenL, &FrmHolz::mnuKopfdatenL_Click);
    b.entry(listeL, ControlId::mnuLoescheng, &FrmHolz::mnuLoescheng_Click);
    b.entry(listeL, ControlId::mnuLagerorte, &FrmHolz::mnuLagerorte_Click)
        ->setObjectName(QStringLiteral("mnuLagerorteL"));
    listendaten->addSeparator();
    b.entry(listendaten, ControlId::mnuKonvertieren, &FrmHolz::mnuKonvertieren_Click);
    b.entry(listendaten, ControlId::mnuEinlesen, &FrmHolz::mnuEinlesen_Click);
    b.entry(listendaten, ControlId::mnuEldat, &FrmHolz::mnuEldat_Click);
    b.entry(listendaten, ControlId::mnuEldatEinlesen, &FrmHolz::mnuEldatEinlesen_Click);
    b.entry(listendaten, ControlId::mnuCsv, &FrmHolz::mnuCsv_Click);
    b.entry(listendaten, ControlId::mnuExcel, &FrmHolz::mnuExcel_Click);
    listendaten->addSeparator();
    b.entry(listendaten, ControlId::mnuSortiment, &FrmHolz::mnuSortiment_Click);
    b.entry(listendaten, ControlId::mnuStatistik, &FrmHolz::mnuStatistik_Click);
    listendaten->addSeparator();
    b.entry(listendaten, ControlId::mnuHilfeListendaten, &FrmHolz::mnuHilfeListendaten_Click);

    QMenu* optionen = b.menu(bar, ControlId::mnuOptionen);
    bar->addMenu(optionen);
    b.entry(optionen, ControlId::mnuAuswahl, &FrmHolz::mnuAuswahl_Click);
    b.entry(optionen, ControlId::mnuAutoLos, &FrmHolz::mnuAutoLos_Click);
    b.entry(optionen, ControlId::mnuStammdaten, &FrmHolz::mnuStammdaten_Click);

    b.entry(bar, ControlId::mnuDrucken, &FrmHolz::mnuDrucken_Click);

    QMenu* program = b.menu(bar, ControlId::mnuProgram);
    bar->addMenu(program);
    b.entry(program, ControlId::mnuBeenden, std::move(beenden));
    return bar;
}

} // namespace entry
