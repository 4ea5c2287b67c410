// SPDX-License-Identifier: GPL-3.0-or-later
#include "SelectionLists.h"

#include "entry/FrmHolz.h"
#include "header/ControlBinder.h"

#include <QIntValidator>
#include <QLineEdit>
#include <QListWidget>

namespace entry {

SelectionLists::SelectionLists(FrmHolz& model, header::ControlBinder& binder, QWidget* overlay,
                               QWidget* anchors)
    : QObject(overlay), m_model(model), m_overlay(overlay), m_anchors(anchors)
{
    const EntryControls& c = model.controls();
    using enum ControlId;
    const struct {
        ControlId id;
        const char* anchor;
        const char* besideOf;
        int width;
        const char* spoken;
    } lists[] = {
        {lstHolzart, "txtHolzart", "", 230, "Holzarten"},
        {lstGuete, "txtGuete", "", 150, "Güten"},
        {lstKlasse, "txtSorte", "", 150, "Sorten"},
        {lstStaerke, "txtStaerke", "", 150, "Stärkeklassen"},
        {lstRinde, "txtRinde", "", 110, "Rindenabzug"},
        {lstLos, "txtLos", "", 110, "Lose der Liste"},
        {lstLosNeu, "", "lstLos", 130, "Neue Lose"},
    };
    for (const auto& l : lists) {
        QListWidget* list = makeList(l.id);
        list->setAccessibleName(QString::fromUtf8(l.spoken));
        binder.list(c[l.id], list);
        m_popups.push_back({list, QLatin1String(l.anchor), QLatin1String(l.besideOf), l.width});
    }

    // "Neues Los": a number typed above the new lot numbers.
    m_txtLosNeu = new QLineEdit(overlay);
    m_txtLosNeu->setObjectName(controlName(ControlId::txtLosNeu));
    m_txtLosNeu->setAccessibleName(c.txtLosNeu.caption);
    m_txtLosNeu->setPlaceholderText(c.txtLosNeu.caption);
    m_txtLosNeu->setValidator(new QIntValidator(0, 999, m_txtLosNeu));
    m_txtLosNeu->setMinimumHeight(44);
    QFont f = m_txtLosNeu->font();
    f.setPointSizeF(14);
    m_txtLosNeu->setFont(f);
    m_txtLosNeu->hide();
    connect(m_txtLosNeu, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_model.textEdited(ControlId::txtLosNeu, text); });
    binder.field(c.txtLosNeu, m_txtLosNeu);
}

QListWidget* SelectionLists::makeList(ControlId id)
{
    auto* list = new QListWidget(m_overlay);
    list->setObjectName(controlName(id));
    list->hide();
    list->setUniformItemSizes(true);
    list->setFrameShape(QFrame::Box);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont f = list->font();
    f.setPointSizeF(15);
    f.setBold(true);
    list->setFont(f);
    list->setStyleSheet(QStringLiteral("QListWidget { border: 2px solid #33691e; background: #fbfdf8; }"
                                       "QListWidget::item { min-height: 42px; padding-left: 8px; }"
                                       "QListWidget::item:selected { background: #33691e; color: white; }"
                                       "QScrollBar:vertical { width: 22px; }"));
    connect(list, &QListWidget::currentRowChanged, this,
            [this, id](int row) { m_model.listSelect(id, row); });
    connect(list, &QListWidget::itemClicked, this,
            [this, id, list](QListWidgetItem* item) { m_model.listChoose(id, list->row(item)); });
    return list;
}

QListWidget* SelectionLists::list(const QString& name) const
{
    for (const Popup& p : m_popups)
        if (p.list->objectName() == name)
            return p.list;
    return nullptr;
}

void SelectionLists::place()
{
    const QRect area = m_overlay->rect();
    for (const Popup& p : m_popups) {
        if (p.list->isHidden())
            continue;
        const int rowHeight = std::max(p.list->sizeHintForRow(0), 42);
        const int wanted = rowHeight * int(p.list->count()) + 2 * p.list->frameWidth() + 2;
        QRect geometry;
        if (!p.besideOf.isEmpty()) {
            // The new lot numbers stand to the right of the list's lots,
            // with the box for a typed number above them.
            const QListWidget* left = list(p.besideOf);
            const QRect leftRect = left->isHidden() ? QRect(area.topLeft(), QSize(0, 0)) : left->geometry();
            const int top = leftRect.top() + m_txtLosNeu->sizeHint().height() + 4;
            geometry = QRect(leftRect.right() + 6, top, p.width, std::min(wanted, area.bottom() - top - 4));
            m_txtLosNeu->setGeometry(geometry.left(), leftRect.top(), p.width,
                                     m_txtLosNeu->sizeHint().height());
            m_txtLosNeu->raise();
        } else {
            const QWidget* anchor = m_anchors->findChild<QWidget*>(p.anchor);
            if (!anchor)
                continue;
            const QPoint below = anchor->mapTo(m_overlay, QPoint(0, anchor->height() + 2));
            const int spaceBelow = area.bottom() - below.y() - 4;
            const int spaceAbove = below.y() - anchor->height() - 8;
            int height = std::min(wanted, std::max(spaceBelow, spaceAbove));
            int top = below.y();
            if (wanted > spaceBelow && spaceAbove > spaceBelow)
                top = below.y() - anchor->height() - 4 - height;
            height = std::max(height, rowHeight + 4);
            geometry = QRect(below.x(), top, std::max(p.width, anchor->width()), height);
        }
        // Wholly inside the window, which itself fits its screen.
        if (geometry.right() > area.right())
            geometry.moveRight(area.right() - 2);
        if (geometry.left() < area.left())
            geometry.moveLeft(area.left());
        if (geometry.bottom() > area.bottom())
            geometry.setBottom(area.bottom());
        if (geometry.top() < area.top())
            geometry.setTop(area.top());
        p.list->setGeometry(geometry);
        p.list->raise();
    }
}

} // namespace entry
