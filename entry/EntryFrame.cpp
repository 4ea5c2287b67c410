// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntryFrame.h"

#include "entry/FrmHolz.h"
#include "header/ControlBinder.h"

#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <utility>

namespace entry {
namespace {

constexpr int TouchHeight = 44;

class ClickFilter : public QObject {
public:
    ClickFilter(QObject* parent, std::function<void()> onClick)
        : QObject(parent), m_onClick(std::move(onClick))
    {
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease) {
            auto* mouse = static_cast<QMouseEvent*>(event);
            auto* widget = static_cast<QWidget*>(watched);
            if (mouse->button() == Qt::LeftButton && widget->rect().contains(mouse->position().toPoint()) &&
                widget->isEnabled())
                m_onClick();
        }
        return false;
    }

private:
    std::function<void()> m_onClick;
};

// A drop-down that tells the entry screen while it is open (Enter then
// chooses in it instead of saving) and is wide enough for its entries.
class DropDown : public QComboBox {
public:
    DropDown(QWidget* parent, std::function<void(bool)> openChanged)
        : QComboBox(parent), m_openChanged(std::move(openChanged))
    {
        setMinimumHeight(TouchHeight);
        setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        setMinimumContentsLength(6);
        view()->setMinimumWidth(220);
        view()->setStyleSheet(QStringLiteral("QListView::item { min-height: 40px; }"));
    }
    void showPopup() override
    {
        m_open = true;
        m_openChanged(true);
        QComboBox::showPopup();
    }
    void hidePopup() override
    {
        QComboBox::hidePopup();
        // A combo box also "hides" its popup whenever it hides itself.
        if (std::exchange(m_open, false))
            m_openChanged(false);
    }

private:
    std::function<void(bool)> m_openChanged;
    bool m_open = false;
};

// What a screen reader says for a box or list whose caption is a button
// beside it rather than a label.
QString spokenName(const QString& objectName)
{
    static const QHash<QString, QString> names = {
        {QStringLiteral("txtLos"), QStringLiteral("Los")},
        {QStringLiteral("txtNummer"), QStringLiteral("Nummer")},
        {QStringLiteral("txtHolzart"), QStringLiteral("Holzart")},
        {QStringLiteral("txtLaenge"), QStringLiteral("Länge")},
        {QStringLiteral("txtDurchmesser"), QStringLiteral("Durchmesser")},
        {QStringLiteral("txtStueck"), QStringLiteral("Stück")},
        {QStringLiteral("txtGuete"), QStringLiteral("Güte")},
        {QStringLiteral("txtSorte"), QStringLiteral("Sorte")},
        {QStringLiteral("txtStaerke"), QStringLiteral("Stärke")},
        {QStringLiteral("txtRinde"), QStringLiteral("Rindenabzug")},
        {QStringLiteral("txtFaktor"), QStringLiteral("Faktor")},
        {QStringLiteral("txtKubatur"), QStringLiteral("Kubatur")},
        {QStringLiteral("txtAbteilung"), QStringLiteral("Abteilung")},
        {QStringLiteral("txtZusatz"), QStringLiteral("Zusatztext")},
        {QStringLiteral("txtPreis"), QStringLiteral("Preis")},
        {QStringLiteral("txtPreisfaktor"), QStringLiteral("Preisfaktor")},
        {QStringLiteral("cmbEinschlag"), QStringLiteral("Einschlagtyp")},
        {QStringLiteral("cmbNutzung"), QStringLiteral("Nutzungsart")},
        {QStringLiteral("cmbpreis"), QStringLiteral("Preisliste")},
    };
    return names.value(objectName);
}

QFont sized(QFont font, qreal points, bool bold = false)
{
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

} // namespace

void EntryFrame::onClick(QWidget* widget, std::function<void()> onClick)
{
    widget->installEventFilter(new ClickFilter(widget, std::move(onClick)));
}

EntryFrame::EntryFrame(FrmHolz& model, header::ControlBinder& binder, QWidget* parent)
    : QGroupBox(parent), m_model(model), m_binder(binder)
{
    setObjectName(controlName(ControlId::frameEingabe));
    setTitle(model.controls().frameEingabe.caption);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);
    addRecordFields(grid);
    grid->addLayout(quickButtons(), 4, 0, 1, 6);
    auto* kind = kindToggles();
    grid->addLayout(kind, 5, 0, 1, 6);
    addTypedFields(grid, kind);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 2);
    grid->setRowStretch(8, 1);
}

void EntryFrame::addRecordFields(QGridLayout* grid)
{
    // The record's fields in three columns of button and box.
    using enum ControlId;
    struct Field {
        ControlId button;
        void (FrmHolz::*buttonClick)();
        ControlId box;
        void (FrmHolz::*boxClick)(); // nullptr: a tap on the box does nothing
        int width;
    };
    const Field fields[4][3] = {
        {{cmdLos, &FrmHolz::cmdLos_Click, txtLos, &FrmHolz::cmdLos_Click, 70},
         {cmdNummer, &FrmHolz::cmdNummer_Click, txtNummer, nullptr, 90},
         {cmdHolzart, &FrmHolz::cmdHolzart_Click, txtHolzart, &FrmHolz::cmdHolzart_Click, 150}},
        {{cmdLaenge, &FrmHolz::cmdLaenge_Click, txtLaenge, &FrmHolz::cmdLaenge_Click, 70},
         {cmdDurchm, &FrmHolz::cmdDurchm_Click, txtDurchmesser, &FrmHolz::cmdDurchm_Click, 90},
         {cmdStueck, &FrmHolz::cmdStueck_Click, txtStueck, &FrmHolz::cmdStueck_Click, 150}},
        {{cmdGuete, &FrmHolz::cmdGuete_Click, txtGuete, nullptr, 70},
         {cmdKlasse, &FrmHolz::cmdKlasse_Click, txtSorte, &FrmHolz::cmdKlasse_Click, 90},
         {cmdStaerke, &FrmHolz::cmdStaerke_Click, txtStaerke, &FrmHolz::txtStaerke_Click, 150}},
        {{cmdAbzRinde, &FrmHolz::cmdAbzRinde_Click, txtRinde, &FrmHolz::txtRinde_Click, 70},
         {cmdFaktor, &FrmHolz::cmdFaktor_Click, txtFaktor, nullptr, 90},
         {cmdKubatur, &FrmHolz::cmdKubatur_Click, txtKubatur, nullptr, 150}},
    };
    const EntryControls& c = m_model.controls();
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Field& f = fields[row][col];
            QPushButton* button = fieldButton(f.button, f.buttonClick);
            // The bark button's caption is the bark mode alone; render() names it.
            const bool barkMode = f.button == cmdAbzRinde;
            m_binder.button(c[f.button], button, !barkMode);
            if (barkMode) {
                // The mode decides every volume: it reads as large as the values.
                button->setFont(sized(font(), 15, true));
                button->setToolTip(QStringLiteral("Rindenabzug: a = nach Tabelle, man. = von Hand, "
                                                  "sonst ohne Abzug"));
                m_cmdAbzRinde = button;
            }
            QLineEdit* box = recordField(f.box, f.width);
            m_binder.field(c[f.box], box);
            if (f.boxClick)
                onClick(box, [this, click = f.boxClick] { (m_model.*click)(); });
            grid->addWidget(button, row, col * 2);
            grid->addWidget(box, row, col * 2 + 1);
        }
    }
}

QHBoxLayout* EntryFrame::quickButtons()
{
    // The grades and assortments used most.
    auto* quick = new QHBoxLayout;
    quick->setSpacing(6);
    using enum ControlId;
    const struct {
        const char* label;
        ControlId buttons[3];
        void (FrmHolz::*click)(int);
    } quickGroups[] = {
        {"Güte", {cmdGuete1, cmdGuete2, cmdGuete3}, &FrmHolz::cmdGuete_Click},
        {"Sorte", {cmdSorte1, cmdSorte2, cmdSorte3}, &FrmHolz::cmdSorte_Click},
    };
    for (const auto& group : quickGroups) {
        if (quick->count() > 0)
            quick->addSpacing(16);
        auto* label = new QLabel(QString::fromUtf8(group.label), this);
        label->setFont(sized(font(), 11, true));
        quick->addWidget(label);
        for (int i = 1; i <= 3; ++i) {
            auto* button = toggle(group.buttons[i - 1]);
            button->setCheckable(false);
            connect(button, &QPushButton::clicked, this,
                    [this, i, click = group.click] { (m_model.*click)(i); });
            m_binder.button(m_model.controls()[group.buttons[i - 1]], button);
            quick->addWidget(button);
        }
    }
    return quick;
}

QHBoxLayout* EntryFrame::kindToggles()
{
    // Record kind and the follow-on and bracket logs, as large toggles.
    auto* kind = new QHBoxLayout;
    kind->setSpacing(6);
    const EntryControls& c = m_model.controls();
    auto* optEinzelstamm = toggle(ControlId::optEinzelstamm);
    connect(optEinzelstamm, &QPushButton::clicked, this, [this] { m_model.optEinzelstamm_Click(); });
    m_binder.check(c.optEinzelstamm, optEinzelstamm);
    auto* optSortiment = toggle(ControlId::optSortiment);
    connect(optSortiment, &QPushButton::clicked, this, [this] { m_model.optSortiment_Click(); });
    m_binder.check(c.optSortiment, optSortiment);
    auto* chkFolge = toggle(ControlId::chkFolge);
    connect(chkFolge, &QPushButton::clicked, this, [this](bool on) { m_model.chkFolge_Click(on); });
    m_binder.check(c.chkFolge, chkFolge);
    auto* chkKlammer = toggle(ControlId::chkKlammer);
    connect(chkKlammer, &QPushButton::clicked, this, [this](bool on) { m_model.chkKlammer_Click(on); });
    m_binder.check(c.chkKlammer, chkKlammer);
    kind->addWidget(optEinzelstamm);
    kind->addWidget(optSortiment);
    kind->addSpacing(16);
    kind->addWidget(chkFolge);
    kind->addWidget(chkKlammer);
    kind->addStretch(1);
    return kind;
}

QComboBox* EntryFrame::dropDown(ControlId id, FrmHolz::Combo combo)
{
    auto* box = new DropDown(this, [this, combo](bool open) { m_model.comboDropDown(combo, open); });
    box->setObjectName(controlName(id));
    box->setAccessibleName(spokenName(box->objectName()));
    connect(box, &QComboBox::activated, this, [this, combo](int i) { m_model.comboChoose(combo, i); });
    m_binder.combo(m_model.controls()[id], box);
    return box;
}

void EntryFrame::addTypedFields(QGridLayout* grid, QHBoxLayout* kind)
{
    // Felling and use type, compartment, remark and price share three rows
    // so that the frame stays narrow enough for a 1024 pixel wide screen.
    const EntryControls& c = m_model.controls();
    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    auto* einschlagLabel = new QLabel(c.mnuEinschlagtyp.caption, this);
    m_binder.widget(c.cmbEinschlag, einschlagLabel);
    lists->addWidget(einschlagLabel);
    lists->addWidget(dropDown(ControlId::cmbEinschlag, FrmHolz::Combo::Einschlag), 1);
    auto* nutzungLabel = new QLabel(c.mnuNutzungsart.caption, this);
    m_binder.widget(c.cmbNutzung, nutzungLabel);
    lists->addWidget(nutzungLabel);
    lists->addWidget(dropDown(ControlId::cmbNutzung, FrmHolz::Combo::Nutzung), 1);
    kind->addWidget(
        captionButton(QStringLiteral("lblAbteilung"), c.txtAbteilung.caption, &FrmHolz::txtAbteilung_Click));
    QLineEdit* txtAbteilung = recordField(ControlId::txtAbteilung, 120);
    txtAbteilung->setReadOnly(false);
    txtAbteilung->setMaxLength(10);
    grid->addLayout(lists, 6, 0, 1, 6);
    kind->addWidget(txtAbteilung);

    lists->addWidget(captionButton(QStringLiteral("Label1"), c.txtZusatz.caption, &FrmHolz::Label1_Click));
    QLineEdit* txtZusatz = recordField(ControlId::txtZusatz, 120);
    txtZusatz->setReadOnly(false);
    txtZusatz->setMaxLength(50);
    lists->addWidget(txtZusatz, 2);

    auto* extra = new QHBoxLayout;
    extra->setSpacing(6);
    extra->addWidget(captionButton(QStringLiteral("Label2"), c.cmbpreis.caption, &FrmHolz::Label2_Click));
    extra->addWidget(dropDown(ControlId::cmbpreis, FrmHolz::Combo::Preis));
    extra->addWidget(captionButton(QStringLiteral("Label3"), c.txtPreis.caption, &FrmHolz::Label3_Click));
    QLineEdit* txtPreis = recordField(ControlId::txtPreis, 80);
    extra->addWidget(txtPreis, 1);
    extra->addWidget(
        captionButton(QStringLiteral("Label4"), c.txtPreisfaktor.caption, &FrmHolz::Label4_Click));
    QLineEdit* txtPreisfaktor = recordField(ControlId::txtPreisfaktor, 80);
    extra->addWidget(txtPreisfaktor, 1);
    grid->addLayout(extra, 7, 0, 1, 6);

    // Remark and compartment are typed on the keyboard; the prices come
    // from the keypad like the record's other numbers.
    for (const auto& [box, id] :
         {std::pair{txtAbteilung, ControlId::txtAbteilung}, std::pair{txtZusatz, ControlId::txtZusatz}}) {
        connect(box, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { m_model.textEdited(id, text); });
        m_binder.field(c[id], box);
    }
    m_binder.field(c.txtPreis, txtPreis);
    m_binder.field(c.txtPreisfaktor, txtPreisfaktor);
    onClick(txtAbteilung, [this] { m_model.txtAbteilung_Click(); });
    onClick(txtZusatz, [this] { m_model.txtZusatz_Click(); });
    onClick(txtPreis, [this] { m_model.txtPreis_Click(); });
    onClick(txtPreisfaktor, [this] { m_model.txtPreisfaktor_Click(); });
}

void EntryFrame::render()
{
    const QString mode = m_model.controls().cmdAbzRinde.caption;
    const QString text =
        QStringLiteral("Rinde ") + (mode.trimmed().isEmpty() ? QStringLiteral("man.") : mode);
    if (m_cmdAbzRinde->text() != text)
        m_cmdAbzRinde->setText(text);
    // Logs without bark deduction are the exception (stacked wood has no
    // other mode): such a log record gets the eye.
    const bool deducts = mode == QLatin1String("a") || mode.trimmed().isEmpty();
    const bool noDeduction = !deducts && !m_model.record().isStackedWood();
    const QString style = noDeduction ? QStringLiteral("QPushButton { background: #ffb300; color: black;"
                                                       " border: 1px solid #8d6e00; border-radius: 4px; }")
                                      : QString();
    if (m_cmdAbzRinde->styleSheet() != style)
        m_cmdAbzRinde->setStyleSheet(style);
}

QPushButton* EntryFrame::fieldButton(ControlId id, void (FrmHolz::*click)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(controlName(id));
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumSize(96, TouchHeight);
    button->setFont(sized(font(), 12, true));
    connect(button, &QPushButton::clicked, this, [this, click] { (m_model.*click)(); });
    return button;
}

QLineEdit* EntryFrame::recordField(ControlId id, int minimumWidth)
{
    const QString name = controlName(id);
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setAccessibleName(spokenName(name));
    box->setReadOnly(true);
    box->setMinimumSize(minimumWidth, TouchHeight);
    box->setFont(sized(
        font(), name.startsWith(QLatin1String("txtPreis")) || name == QLatin1String("txtZusatz") ? 12 : 15,
        true));
    return box;
}

QPushButton* EntryFrame::toggle(ControlId id)
{
    auto* button = new QPushButton(this);
    button->setObjectName(controlName(id));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumSize(72, TouchHeight);
    button->setFont(sized(font(), 12, true));
    button->setStyleSheet(QStringLiteral("QPushButton:checked { background: #33691e; color: white;"
                                         " border: 1px solid #1b3a10; border-radius: 4px; }"));
    return button;
}

QPushButton* EntryFrame::captionButton(const QString& name, const QString& text, void (FrmHolz::*click)())
{
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setFlat(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumHeight(TouchHeight);
    connect(button, &QPushButton::clicked, this, [this, click] { (m_model.*click)(); });
    return button;
}

} // namespace entry
