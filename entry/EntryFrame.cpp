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
    : QGroupBox(parent), m_model(model)
{
    setObjectName(QStringLiteral("frameEingabe"));
    const EntryControls& c = model.controls();
    setTitle(c.frameEingabe.caption);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(6);
    grid->setVerticalSpacing(6);

    // The record's fields in three columns of button and box.
    struct Field {
        const char* button;
        void (FrmHolz::*buttonClick)();
        const char* box;
        void (FrmHolz::*boxClick)(); // nullptr: a tap on the box does nothing
        int width;
    };
    const Field fields[4][3] = {
        {{"cmdLos", &FrmHolz::cmdLos_Click, "txtLos", &FrmHolz::cmdLos_Click, 70},
         {"cmdNummer", &FrmHolz::cmdNummer_Click, "txtNummer", nullptr, 90},
         {"cmdHolzart", &FrmHolz::cmdHolzart_Click, "txtHolzart", &FrmHolz::cmdHolzart_Click, 150}},
        {{"cmdLaenge", &FrmHolz::cmdLaenge_Click, "txtLaenge", &FrmHolz::cmdLaenge_Click, 70},
         {"cmdDurchm", &FrmHolz::cmdDurchm_Click, "txtDurchmesser", &FrmHolz::cmdDurchm_Click, 90},
         {"cmdStueck", &FrmHolz::cmdStueck_Click, "txtStueck", &FrmHolz::cmdStueck_Click, 150}},
        {{"cmdGuete", &FrmHolz::cmdGuete_Click, "txtGuete", nullptr, 70},
         {"cmdKlasse", &FrmHolz::cmdKlasse_Click, "txtSorte", &FrmHolz::cmdKlasse_Click, 90},
         {"cmdStaerke", &FrmHolz::cmdStaerke_Click, "txtStaerke", &FrmHolz::txtStaerke_Click, 150}},
        {{"cmdAbzRinde", &FrmHolz::cmdAbzRinde_Click, "txtRinde", &FrmHolz::txtRinde_Click, 70},
         {"cmdFaktor", &FrmHolz::cmdFaktor_Click, "txtFaktor", nullptr, 90},
         {"cmdKubatur", &FrmHolz::cmdKubatur_Click, "txtKubatur", nullptr, 150}},
    };
    const QHash<QString, const Control*> controls = {
        {QStringLiteral("cmdLos"), &c.cmdLos},
        {QStringLiteral("txtLos"), &c.txtLos},
        {QStringLiteral("cmdNummer"), &c.cmdNummer},
        {QStringLiteral("txtNummer"), &c.txtNummer},
        {QStringLiteral("cmdHolzart"), &c.cmdHolzart},
        {QStringLiteral("txtHolzart"), &c.txtHolzart},
        {QStringLiteral("cmdLaenge"), &c.cmdLaenge},
        {QStringLiteral("txtLaenge"), &c.txtLaenge},
        {QStringLiteral("cmdDurchm"), &c.cmdDurchm},
        {QStringLiteral("txtDurchmesser"), &c.txtDurchmesser},
        {QStringLiteral("cmdStueck"), &c.cmdStueck},
        {QStringLiteral("txtStueck"), &c.txtStueck},
        {QStringLiteral("cmdGuete"), &c.cmdGuete},
        {QStringLiteral("txtGuete"), &c.txtGuete},
        {QStringLiteral("cmdKlasse"), &c.cmdKlasse},
        {QStringLiteral("txtSorte"), &c.txtSorte},
        {QStringLiteral("cmdStaerke"), &c.cmdStaerke},
        {QStringLiteral("txtStaerke"), &c.txtStaerke},
        {QStringLiteral("cmdAbzRinde"), &c.cmdAbzRinde},
        {QStringLiteral("txtRinde"), &c.txtRinde},
        {QStringLiteral("cmdFaktor"), &c.cmdFaktor},
        {QStringLiteral("txtFaktor"), &c.txtFaktor},
        {QStringLiteral("cmdKubatur"), &c.cmdKubatur},
        {QStringLiteral("txtKubatur"), &c.txtKubatur},
    };
    for (int row = 0; row < 4; ++row) {
        for (int col = 0; col < 3; ++col) {
            const Field& f = fields[row][col];
            QPushButton* button = fieldButton(QLatin1String(f.button), f.buttonClick);
            // The bark button's caption is the bark mode alone; render() names it.
            const bool barkMode = row == 3 && col == 0;
            binder.button(*controls.value(QLatin1String(f.button)), button, !barkMode);
            if (barkMode) {
                // The mode decides every volume: it reads as large as the values.
                button->setFont(sized(font(), 15, true));
                button->setToolTip(QStringLiteral("Rindenabzug: a = nach Tabelle, man. = von Hand, "
                                                  "sonst ohne Abzug"));
                m_cmdAbzRinde = button;
            }
            QLineEdit* box = recordField(QLatin1String(f.box), f.width);
            binder.field(*controls.value(QLatin1String(f.box)), box);
            if (f.boxClick)
                onClick(box, [this, click = f.boxClick] { (m_model.*click)(); });
            grid->addWidget(button, row, col * 2);
            grid->addWidget(box, row, col * 2 + 1);
        }
    }

    // Quick buttons: the grades and assortments used most.
    auto* quick = new QHBoxLayout;
    quick->setSpacing(6);
    const struct {
        const char* label;
        const char* name;
        const Control* buttons[3];
        void (FrmHolz::*click)(int);
    } quickGroups[] = {
        {"Güte", "cmdGuete%1", {&c.cmdGuete1, &c.cmdGuete2, &c.cmdGuete3}, &FrmHolz::cmdGuete_Click},
        {"Sorte", "cmdSorte%1", {&c.cmdSorte1, &c.cmdSorte2, &c.cmdSorte3}, &FrmHolz::cmdSorte_Click},
    };
    for (const auto& group : quickGroups) {
        if (quick->count() > 0)
            quick->addSpacing(16);
        auto* label = new QLabel(QString::fromUtf8(group.label), this);
        label->setFont(sized(font(), 11, true));
        quick->addWidget(label);
        for (int i = 1; i <= 3; ++i) {
            auto* button = toggle(QString::fromLatin1(group.name).arg(i));
            button->setCheckable(false);
            connect(button, &QPushButton::clicked, this,
                    [this, i, click = group.click] { (m_model.*click)(i); });
            binder.button(*group.buttons[i - 1], button);
            quick->addWidget(button);
        }
    }
    grid->addLayout(quick, 4, 0, 1, 6);

    // Record kind and the follow-on and bracket logs, as large toggles.
    auto* kind = new QHBoxLayout;
    kind->setSpacing(6);
    auto* optEinzelstamm = toggle(QStringLiteral("optEinzelstamm"));
    connect(optEinzelstamm, &QPushButton::clicked, this, [this] { m_model.optEinzelstamm_Click(); });
    binder.check(c.optEinzelstamm, optEinzelstamm);
    auto* optSortiment = toggle(QStringLiteral("optSortiment"));
    connect(optSortiment, &QPushButton::clicked, this, [this] { m_model.optSortiment_Click(); });
    binder.check(c.optSortiment, optSortiment);
    auto* chkFolge = toggle(QStringLiteral("chkFolge"));
    connect(chkFolge, &QPushButton::clicked, this, [this](bool on) { m_model.chkFolge_Click(on); });
    binder.check(c.chkFolge, chkFolge);
    auto* chkKlammer = toggle(QStringLiteral("chkKlammer"));
    connect(chkKlammer, &QPushButton::clicked, this, [this](bool on) { m_model.chkKlammer_Click(on); });
    binder.check(c.chkKlammer, chkKlammer);
    kind->addWidget(optEinzelstamm);
    kind->addWidget(optSortiment);
    kind->addSpacing(16);
    kind->addWidget(chkFolge);
    kind->addWidget(chkKlammer);
    kind->addStretch(1);
    grid->addLayout(kind, 5, 0, 1, 6);

    // Felling and use type, compartment, remark and price share three rows
    // so that the frame stays narrow enough for a 1024 pixel wide screen.
    const auto dropDown = [&](const QString& name, FrmHolz::Combo combo, const Control& control) {
        auto* box = new DropDown(this, [this, combo](bool open) { m_model.comboDropDown(combo, open); });
        box->setObjectName(name);
        box->setAccessibleName(spokenName(name));
        connect(box, &QComboBox::activated, this, [this, combo](int i) { m_model.comboChoose(combo, i); });
        binder.combo(control, box);
        return box;
    };
    auto* lists = new QHBoxLayout;
    lists->setSpacing(6);
    auto* einschlagLabel = new QLabel(c.mnuEinschlagtyp.caption, this);
    binder.widget(c.cmbEinschlag, einschlagLabel);
    lists->addWidget(einschlagLabel);
    lists->addWidget(dropDown(QStringLiteral("cmbEinschlag"), FrmHolz::Combo::Einschlag, c.cmbEinschlag), 1);
    auto* nutzungLabel = new QLabel(c.mnuNutzungsart.caption, this);
    binder.widget(c.cmbNutzung, nutzungLabel);
    lists->addWidget(nutzungLabel);
    lists->addWidget(dropDown(QStringLiteral("cmbNutzung"), FrmHolz::Combo::Nutzung, c.cmbNutzung), 1);
    kind->addWidget(
        captionButton(QStringLiteral("lblAbteilung"), c.txtAbteilung.caption, &FrmHolz::txtAbteilung_Click));
    QLineEdit* txtAbteilung = recordField(QStringLiteral("txtAbteilung"), 120);
    txtAbteilung->setReadOnly(false);
    txtAbteilung->setMaxLength(10);
    grid->addLayout(lists, 6, 0, 1, 6);
    kind->addWidget(txtAbteilung);

    lists->addWidget(captionButton(QStringLiteral("Label1"), c.txtZusatz.caption, &FrmHolz::Label1_Click));
    QLineEdit* txtZusatz = recordField(QStringLiteral("txtZusatz"), 120);
    txtZusatz->setReadOnly(false);
    txtZusatz->setMaxLength(50);
    lists->addWidget(txtZusatz, 2);

    auto* extra = new QHBoxLayout;
    extra->setSpacing(6);
    extra->addWidget(captionButton(QStringLiteral("Label2"), c.cmbpreis.caption, &FrmHolz::Label2_Click));
    extra->addWidget(dropDown(QStringLiteral("cmbpreis"), FrmHolz::Combo::Preis, c.cmbpreis));
    extra->addWidget(captionButton(QStringLiteral("Label3"), c.txtPreis.caption, &FrmHolz::Label3_Click));
    QLineEdit* txtPreis = recordField(QStringLiteral("txtPreis"), 80);
    extra->addWidget(txtPreis, 1);
    extra->addWidget(
        captionButton(QStringLiteral("Label4"), c.txtPreisfaktor.caption, &FrmHolz::Label4_Click));
    QLineEdit* txtPreisfaktor = recordField(QStringLiteral("txtPreisfaktor"), 80);
    extra->addWidget(txtPreisfaktor, 1);
    grid->addLayout(extra, 7, 0, 1, 6);

    // Remark and compartment are typed on the keyboard; the prices come
    // from the keypad like the record's other numbers.
    for (const auto& [box, id] :
         {std::pair{txtAbteilung, ControlId::txtAbteilung}, std::pair{txtZusatz, ControlId::txtZusatz}}) {
        connect(box, &QLineEdit::textEdited, this,
                [this, id](const QString& text) { m_model.textEdited(id, text); });
        binder.field(c[id], box);
    }
    binder.field(c.txtPreis, txtPreis);
    binder.field(c.txtPreisfaktor, txtPreisfaktor);
    onClick(txtAbteilung, [this] { m_model.txtAbteilung_Click(); });
    onClick(txtZusatz, [this] { m_model.txtZusatz_Click(); });
    onClick(txtPreis, [this] { m_model.txtPreis_Click(); });
    onClick(txtPreisfaktor, [this] { m_model.txtPreisfaktor_Click(); });

    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    grid->setColumnStretch(5, 2);
    grid->setRowStretch(8, 1);
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

QPushButton* EntryFrame::fieldButton(const QString& name, void (FrmHolz::*click)())
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoDefault(false);
    button->setMinimumSize(96, TouchHeight);
    button->setFont(sized(font(), 12, true));
    connect(button, &QPushButton::clicked, this, [this, click] { (m_model.*click)(); });
    return button;
}

QLineEdit* EntryFrame::recordField(const QString& name, int minimumWidth)
{
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

QPushButton* EntryFrame::toggle(const QString& name)
{
    auto* button = new QPushButton(this);
    button->setObjectName(name);
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
