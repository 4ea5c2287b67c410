// SPDX-License-Identifier: GPL-3.0-or-later
#include "EntrySession.h"

#include "entry/ListListenModel.h"
#include "lots/AutoLosHook.h"
#include "lots/LotRules.h"
#include "rules/Numbers.h"
#include "store/ListRepository.h"
#include "store/SettingKeys.h"
#include "store/Settings.h"
#include "store/TimberStore.h"

namespace cli {

EntrySession::EntrySession(CliContext& context) : m_context(context)
{
    store::Settings& settings = context.settings();
    m_lastList = settings.get(store::keys::ListenNr);
    m_lotRules = std::make_unique<lots::LotRules>(settings);
    m_form = std::make_unique<entry::FrmHolz>(context.holzDb(), context.masterDb(), settings, context.ui());
    m_form->setDezimalpunkt(true);
    m_form->Form_Load();
    lots::installAutoLos(*m_form, *m_lotRules);
}

EntrySession::~EntrySession()
{
    // A deleted or renamed list is gone: then the name the model stored stays.
    if (m_lastList.isEmpty() || store::ListRepository(m_context.holzDb()).exists(m_lastList))
        m_context.settings().set(store::keys::ListenNr, m_lastList);
}

void EntrySession::select(const QString& list)
{
    if (!m_form->selectList(list))
        throw CommandError{QStringLiteral("Liste '%1' gibt es nicht.").arg(list)};
}

void EntrySession::open(const QString& list)
{
    select(list);
    m_form->ListListen_Click(m_form->listListen().selectedRow());
    if (!m_form->listOpen())
        throw CommandError{QStringLiteral("Liste '%1' konnte nicht geöffnet werden.").arg(list)};
}

void typeNumber(entry::FrmHolz& form, const QString& option, const QString& value)
{
    const QString text = value.trimmed();
    if (!rules::toSingle(text))
        throw CommandError{QStringLiteral("--%1: „%2“ ist keine Zahl.").arg(option, value), 2};
    for (const QChar ch : text) {
        if (ch == QLatin1Char(',') || ch == QLatin1Char('.'))
            form.cmdKomma_Click();
        else if (ch.isDigit())
            form.keypad(QString(ch));
        else
            throw CommandError{QStringLiteral("--%1: „%2“ ist keine Zahl.").arg(option, value), 2};
    }
}

} // namespace cli
