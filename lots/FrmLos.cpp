// SPDX-License-Identifier: GPL-3.0-or-later
#include "FrmLos.h"

#include "platform/UserInterface.h"

namespace lots {
namespace {

QStringList numbers(int first, int last)
{
    QStringList items;
    for (int n = first; n <= last; ++n)
        items << QString::number(n);
    return items;
}

QStringList texts(std::initializer_list<const char*> items)
{
    QStringList list;
    for (const char* item : items)
        list << QString::fromUtf8(item);
    return list;
}

// Whether a comma list ("B,BC,") holds the code as a whole entry.
bool listsCode(const QString& list, const QString& code)
{
    const QStringList entries = list.split(QLatin1Char(','));
    for (const QString& entry : entries)
        if (entry.trimmed().compare(code, Qt::CaseInsensitive) == 0)
            return true;
    return false;
}

int validIndex(int index, const QStringList& items)
{
    return index >= 0 && index < items.size() ? index : 0;
}

const QString LosVorhanden = QStringLiteral("Los vorhanden");
const QString LosNichtVorhanden = QStringLiteral("Los nicht vorhanden");

} // namespace

FrmLos::FrmLos(store::Settings& settings, platform::UserInterface& ui, QObject* parent)
    : QObject(parent), m_ui(&ui), m_rules(settings), m_auto(numbers(1, 9)),
      m_los(numbers(1, LotRules::MaxLot)),
      m_grades(texts({"A",  "B",  "C",  "D", "BC", "CD", "PZ", "MR", "F", "TF", "SS",
                      "TS", "Cx", "Sh", "1", "2",  "3",  "N",  "F",  "K", "NF", "FK"})),
      m_sorts(
          texts({"H ", "HL", "L ", "L1", "L2", "L3", "LF", "P ", "IL", "IS", "SL", "S ", "W ", "SW", "NH"}))
{
    showRule();
}

void FrmLos::setSpecies(const QStringList& names)
{
    m_species = names;
    emit changed();
}

LotKey FrmLos::currentKey() const
{
    return {m_autoIndex + 1, m_losIndex + 1};
}

void FrmLos::setBox(Box box, const QString& text)
{
    if (m_boxes[box] == text)
        return;
    m_boxes[box] = text;
    emit changed();
}

void FrmLos::Form_Activate(const QString& autoLosMax)
{
    const QString text = autoLosMax.trimmed();
    if (text.size() == 3) {
        m_autoIndex = validIndex(m_auto.indexOf(text.left(1)), m_auto);
        bool ok = false;
        const int lot = text.mid(1).toInt(&ok);
        m_losIndex = ok ? validIndex(lot - 1, m_los) : 0;
    }
    showRule();
}

void FrmLos::cmbAuto_Click(int index)
{
    m_autoIndex = validIndex(index, m_auto);
    showRule();
}

void FrmLos::cmbLos_Click(int index)
{
    m_losIndex = validIndex(index, m_los);
    showRule();
}

void FrmLos::showRule()
{
    const LotKey key = currentKey();
    const bool exists = m_rules.exists(key);
    const LotRule stored = exists ? m_rules.read(key) : LotRule();
    for (int b = 0; b < BoxCount; ++b)
        m_boxes[b] = stored.values[b];
    m_lblLos = exists ? LosVorhanden : LosNichtVorhanden;
    emit changed();
}

void FrmLos::addCode(Box box, const QString& code)
{
    if (code.isEmpty() || listsCode(m_boxes[box], code))
        return;
    m_boxes[box] += code + QLatin1Char(',');
    emit changed();
}

void FrmLos::cmbHolzart_Click(int index)
{
    if (index >= 0 && index < m_species.size())
        addCode(txtHolzarten, m_species[index].left(2));
}

void FrmLos::cmbGuete_Click(int index)
{
    if (index >= 0 && index < m_grades.size())
        addCode(txtGueten, m_grades[index].trimmed());
}

void FrmLos::cmbSorte_Click(int index)
{
    if (index < 0 || index >= m_sorts.size())
        return;
    const QString sorte = m_sorts[index];
    m_classes = classesFor(sorte);
    addCode(txtSorten, QString(sorte).remove(QLatin1Char(' ')));
    emit changed();
}

void FrmLos::cmbStaerke_Click(int index)
{
    if (index >= 0 && index < m_classes.size())
        addCode(txtStaerken, m_classes[index]);
}

void FrmLos::clearBox(Box box)
{
    setBox(box, QString());
    emit focusRequested(box);
}

LotRule FrmLos::rule() const
{
    LotRule rule;
    for (int b = 0; b < BoxCount; ++b)
        rule.values[b] = m_boxes[b];
    return rule;
}

bool FrmLos::Command1_Click()
{
    const LotRule current = LotRules::normalised(rule());
    const QStringList problems = LotRules::problems(current);
    if (!problems.isEmpty()) {
        m_ui->message({QStringLiteral("Los %1 nicht gespeichert:\n").arg(currentKey().text()) +
                           problems.join(QLatin1Char('\n')),
                       QStringLiteral("AutoLos"), platform::Buttons::Ok, platform::Icon::Warning});
        return false;
    }
    if (!m_rules.write(currentKey(), current)) {
        m_ui->message(
            {QStringLiteral("Los %1 nicht gespeichert.\n%2").arg(currentKey().text(), m_rules.lastError()),
             QStringLiteral("AutoLos"), platform::Buttons::Ok, platform::Icon::Critical});
        // A write that failed half-way may have left part of the rule.
        m_lblLos = m_rules.exists(currentKey()) ? LosVorhanden : LosNichtVorhanden;
        emit changed();
        return false;
    }
    m_boxes = current.values;
    m_lblLos = LosVorhanden;
    emit changed();
    m_ui->playConfirmation();
    return true;
}

bool FrmLos::Command2_Click()
{
    if (!m_rules.remove(currentKey())) {
        if (m_rules.lastError().isEmpty())
            m_ui->message({LosNichtVorhanden, QStringLiteral("Information"), platform::Buttons::Ok,
                           platform::Icon::Information});
        else
            m_ui->message(
                {QStringLiteral("Los %1 nicht gelöscht.\n%2").arg(currentKey().text(), m_rules.lastError()),
                 QStringLiteral("AutoLos"), platform::Buttons::Ok, platform::Icon::Critical});
        return false;
    }
    m_lblLos = LosNichtVorhanden;
    m_boxes.fill(QString());
    emit changed();
    m_ui->playConfirmation();
    return true;
}

void FrmLos::mnuZurueck_Click()
{
    emit closeRequested();
}

void FrmLos::mnuHilfe_Click()
{
    m_ui->openHelp(QStringLiteral("AutoLos"));
}

QStringList FrmLos::classesFor(const QString& sorte)
{
    if (sorte == QLatin1String("H "))
        return numbers(1, 6);
    if (sorte == QLatin1String("SW"))
        return numbers(1, 4);
    if (sorte == QLatin1String("P "))
        return texts({"1", "2", "2.1", "2.11", "2.12", "2.2", "2.3", "2.31", "2.32", "2.33", "3"});
    if (sorte == QLatin1String("S ") || sorte == QLatin1String("IS"))
        return texts({"1", "2", "2.1", "2.2", "3", "3.1", "3.2"});
    static const QStringList logSorts = texts({"L ", "HL", "IL", "SL", "W ", "LF", "L1", "L2", "L3", "NH"});
    if (logSorts.contains(sorte))
        return texts({"1a", "1b", "2a", "2b", "3a", "3b", "4", "5", "6+"});
    return {};
}

QString FrmLos::boxName(Box box)
{
    static const std::array<const char*, BoxCount> names{
        "txtHolzarten", "txtGueten", "txtSorten", "txtStaerken", "txtLvon",
        "txtLbis",      "txtDvon",   "txtDbis",   "txtKvon",     "txtKbis"};
    return QString::fromUtf8(names[box]);
}

} // namespace lots
