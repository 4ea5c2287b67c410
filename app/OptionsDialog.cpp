// SPDX-License-Identifier: GPL-3.0-or-later
#include "OptionsDialog.h"

#include "lots/WindowParts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace app {
namespace {

QLabel* clickableCaption(const QString& text, const QString& name, QWidget* parent,
                         std::function<void()> onClick)
{
    QLabel* label = lots::captionLink(text, parent, std::move(onClick));
    label->setObjectName(name);
    return label;
}

} // namespace

OptionsDialog::OptionsDialog(Options& model, QWidget* parent, ServerSetting* server)
    : QDialog(parent), m_model(model), m_server(server)
{
    setWindowTitle(QStringLiteral("Optionen – Auswahl"));
    setObjectName(QStringLiteral("frmOpt"));
    // The same text size as the entry screen it opens from.
    QFont base = font();
    base.setPointSizeF(std::max(base.pointSizeF(), 11.0));
    setFont(base);

    QMenuBar* menuBar = lots::backAndHelpMenu(
        this, [this] { m_model.mnuZurueck_Click(); }, [this] { m_model.mnuHilfe_Click(); });

    m_cmbSorte = new QComboBox(this);
    m_cmbSorte->setObjectName(QStringLiteral("cmbSorte"));
    m_cmbSorte->addItems(Options::sortEntries());
    connect(m_cmbSorte, &QComboBox::activated, this, [this](int i) { m_model.cmbSorte_Click(i); });
    m_cmbRegion = new QComboBox(this);
    m_cmbRegion->setObjectName(QStringLiteral("cmbRegion"));
    connect(m_cmbRegion, &QComboBox::activated, this, [this](int i) { m_model.cmbRegion_Click(i); });

    auto* records = new QGroupBox(QStringLiteral("Datensätze"), this);
    auto* recordForm = new QFormLayout(records);
    recordForm->addRow(QStringLiteral("Sortiert nach"), m_cmbSorte);
    recordForm->addRow(QStringLiteral("Region"), m_cmbRegion);

    auto* formats = new QGroupBox(QStringLiteral("Konvertierung"), this);
    auto* formatGrid = new QGridLayout(formats);
    m_formatGroup = new QButtonGroup(this);
    for (int n = 1; n <= int(m_formats.size()); ++n) {
        auto* button = new QRadioButton(Options::formatCaptions()[n - 1], formats);
        button->setObjectName(Options::formatName(n));
        m_formatGroup->addButton(button, n);
        m_formats[size_t(n - 1)] = button;
        formatGrid->addWidget(button, (n - 1) % 4, 2 * ((n - 1) / 4));
    }
    // The handheld's list file is what the EG20 device reads as well, and the
    // Abies export writes an EG20 file for its converter.
    for (const int n : {4, 6}) {
        auto* eg20 = new QLabel(QStringLiteral("EG20 Simulation"), formats);
        eg20->setObjectName(QStringLiteral("lblEG20_%1").arg(n));
        eg20->setEnabled(false);
        formatGrid->addWidget(eg20, (n - 1) % 4, 2 * ((n - 1) / 4) + 1);
    }
    connect(m_formatGroup, &QButtonGroup::idClicked, this,
            [this](int n) { m_model.optKonvertierung_Click(n); });

    for (int c = 0; c < Options::CheckCount; ++c) {
        const auto check = Options::Check(c);
        m_checks[c] = new QCheckBox(Options::checkCaption(check), this);
        m_checks[c]->setObjectName(Options::checkName(check));
        connect(m_checks[c], &QCheckBox::toggled, this,
                [this, check](bool on) { m_model.setChecked(check, on); });
    }
    // Below the eight formats: the last of them fills the fourth row.
    formatGrid->addWidget(m_checks[Options::chkKonvAuto], 4, 0, 1, 4);

    m_txtLos = new QLineEdit(this);
    m_txtLos->setObjectName(QStringLiteral("txtLos"));
    m_txtLos->setMaxLength(3);
    m_txtLos->setMaximumWidth(60);
    m_txtLos->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,3}")), m_txtLos));
    connect(m_txtLos, &QLineEdit::textEdited, this, [this](const QString& text) { m_model.setTxtLos(text); });
    auto* autoLos = new QGroupBox(QStringLiteral("AutoLos"), this);
    auto* autoLosRow = new QHBoxLayout(autoLos);
    autoLosRow->addWidget(clickableCaption(QStringLiteral("AutoLosMax"), QStringLiteral("Label2"), this,
                                           [this] { m_model.Label2_Click(); }));
    autoLosRow->addWidget(m_txtLos);
    autoLosRow->addWidget(clickableCaption(QStringLiteral("0 = AutoLos inaktiv"), QStringLiteral("Label3"),
                                           this, [this] { m_model.Label3_Click(); }));
    autoLosRow->addStretch(1);

    auto* entry = new QGroupBox(QStringLiteral("Holzdateneingabe"), this);
    auto* entryColumn = new QVBoxLayout(entry);
    for (const Options::Check check :
         {Options::chkGuete, Options::chkSorte, Options::chkNutzung, Options::chkEinschlagtyp,
          Options::chkUebernStaerke, Options::chkSortimentsliste})
        entryColumn->addWidget(m_checks[check]);

    // Desktop convention beside the menu's "Zurück": a button that stores
    // and closes, taken by Enter as well.
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    QPushButton* schliessen = buttons->button(QDialogButtonBox::Close);
    schliessen->setText(QStringLiteral("Schließen"));
    schliessen->setObjectName(QStringLiteral("cmdSchliessen"));
    schliessen->setDefault(true);
    connect(buttons, &QDialogButtonBox::rejected, this, &QWidget::close);
    m_txtLos->setAccessibleName(QStringLiteral("AutoLosMax"));

    // Tab walks the window top to bottom as its groups stand.
    QList<QWidget*> tabChain{m_cmbSorte, m_cmbRegion};
    for (QRadioButton* format : m_formats)
        tabChain << format;
    tabChain << m_checks[Options::chkKonvAuto] << m_txtLos;
    for (const Options::Check check :
         {Options::chkGuete, Options::chkSorte, Options::chkNutzung, Options::chkEinschlagtyp,
          Options::chkUebernStaerke, Options::chkSortimentsliste})
        tabChain << m_checks[check];
    tabChain << schliessen;
    for (qsizetype i = 1; i < tabChain.size(); ++i)
        setTabOrder(tabChain[i - 1], tabChain[i]);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menuBar);
    layout->addWidget(records);
    layout->addWidget(formats);
    layout->addWidget(autoLos);
    layout->addWidget(entry);
    if (m_server) {
        auto* serverBox = new QGroupBox(QStringLiteral("Datenbankserver (mehrere Arbeitsplätze)"), this);
        auto* serverGrid = new QGridLayout(serverBox);
        m_txtServer = new QLineEdit(serverBox);
        m_txtServer->setObjectName(QStringLiteral("txtServer"));
        m_txtServer->setPlaceholderText(
            QStringLiteral("leer: Dateien des Datenordners; z. B. service=stemmo"));
        m_txtServer->setAccessibleName(QStringLiteral("Datenbankserver"));
        m_txtServer->setToolTip(QStringLiteral("Verbindungsangabe der gemeinsamen Datenbank, z. B. "
                                               "„postgresql://server/stemmo?sslmode=verify-full“ "
                                               "oder „service=stemmo“. Das Passwort gehört in ~/.pgpass oder "
                                               "~/.pg_service.conf, nicht hierher."));
        connect(m_txtServer, &QLineEdit::textEdited, this,
                [this](const QString& text) { m_server->setTxtServer(text); });
        auto* testen = new QPushButton(QStringLiteral("Verbindung testen"), serverBox);
        testen->setObjectName(QStringLiteral("cmdTesten"));
        testen->setAutoDefault(false);
        connect(testen, &QPushButton::clicked, this, [this] {
            m_lblServer->setText(QStringLiteral("Verbindung wird geprüft …"));
            m_lblServer->setVisible(true);
            m_lblServer->repaint();
            m_server->cmdTesten_Click();
            renderServer();
        });
        auto* speichern = new QPushButton(QStringLiteral("Speichern"), serverBox);
        speichern->setObjectName(QStringLiteral("cmdServerSpeichern"));
        speichern->setAutoDefault(false);
        connect(speichern, &QPushButton::clicked, this, [this] {
            m_server->cmdSpeichern_Click();
            renderServer();
        });
        m_lblServer = new QLabel(serverBox);
        m_lblServer->setObjectName(QStringLiteral("lblServer"));
        m_lblServer->setWordWrap(true);
        serverGrid->addWidget(m_txtServer, 0, 0);
        serverGrid->addWidget(testen, 0, 1);
        serverGrid->addWidget(speichern, 0, 2);
        serverGrid->addWidget(m_lblServer, 1, 0, 1, 3);
        serverGrid->setColumnStretch(0, 1);
        layout->addWidget(serverBox);
        setTabOrder(m_checks[Options::chkSortimentsliste], m_txtServer);
        setTabOrder(m_txtServer, testen);
        setTabOrder(testen, speichern);
        setTabOrder(speichern, schliessen);
        m_server->Form_Load();
        renderServer();
    }
    auto* office = new QLabel(QStringLiteral("FA Dizidoravori"), this);
    office->setObjectName(QStringLiteral("lblForstamt"));
    office->setEnabled(false);
    layout->addWidget(office, 0, Qt::AlignRight);
    layout->addWidget(buttons);

    connect(&m_model, &Options::changed, this, &OptionsDialog::render);
    connect(&m_model, &Options::closeRequested, this, [this] {
        if (!m_closing)
            hide();
    });
    render();
}

void OptionsDialog::open()
{
    m_model.Form_Activate();
    show();
    raise();
    activateWindow();
}

void OptionsDialog::openRegionChoice()
{
    m_model.Form_Load();
    open();
    m_cmbRegion->showPopup();
}

void OptionsDialog::render()
{
    {
        const QSignalBlocker block(m_cmbSorte);
        m_cmbSorte->setCurrentIndex(m_model.cmbSorte());
    }
    {
        const QSignalBlocker block(m_cmbRegion);
        QStringList shown;
        for (int i = 0; i < m_cmbRegion->count(); ++i)
            shown << m_cmbRegion->itemText(i);
        if (shown != m_model.cmbRegion()) {
            m_cmbRegion->clear();
            m_cmbRegion->addItems(m_model.cmbRegion());
        }
        m_cmbRegion->setCurrentIndex(m_model.regionSelected());
    }
    {
        const QSignalBlocker block(m_formatGroup);
        // An exclusive group cannot show "none chosen" unless it lets go for a moment.
        m_formatGroup->setExclusive(false);
        for (int n = 1; n <= int(m_formats.size()); ++n)
            m_formats[size_t(n - 1)]->setChecked(m_model.konvertierung() == n);
        m_formatGroup->setExclusive(true);
    }
    for (int c = 0; c < Options::CheckCount; ++c) {
        const QSignalBlocker block(m_checks[c]);
        m_checks[c]->setChecked(m_model.isChecked(Options::Check(c)));
    }
    if (m_txtLos->text() != m_model.txtLos()) {
        const QSignalBlocker block(m_txtLos);
        m_txtLos->setText(m_model.txtLos());
    }
}

void OptionsDialog::renderServer()
{
    if (m_txtServer->text() != m_server->txtServer()) {
        const QSignalBlocker block(m_txtServer);
        m_txtServer->setText(m_server->txtServer());
    }
    m_lblServer->setText(m_server->lblStatus());
    m_lblServer->setVisible(!m_server->lblStatus().isEmpty());
    m_lblServer->setStyleSheet(m_server->statusIsError() ? QStringLiteral("color: #a00000;") : QString());
}

void OptionsDialog::reject()
{
    // Escape stores the options and leaves, as closing the window does.
    close();
}

void OptionsDialog::closeEvent(QCloseEvent* event)
{
    m_closing = true;
    m_model.mnuZurueck_Click();
    m_closing = false;
    event->accept();
}

} // namespace app
