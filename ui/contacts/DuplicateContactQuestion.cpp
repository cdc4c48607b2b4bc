// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/contacts/DuplicateContactQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

namespace {

struct cTexts
{
    Q_DECLARE_TR_FUNCTIONS(DuplicateContactQuestion)
};

QString addressesOf(const cContactCard &card)
{
    QStringList addresses;
    for (const eContactKey key : {eContactKey::EMail, eContactKey::SecEMail})
        if (!card[key].isEmpty())
            addresses.append(card[key]);
    return addresses.isEmpty() ? cTexts::tr("no e-mail address") : addresses.join(u", ");
}

} // namespace

eDuplicateChoice AskDuplicateContact(QWidget *parent, const cContactCard &incoming, const cContactCard &existing)
{
    QMessageBox box(QMessageBox::Question, cTexts::tr("Import vCard"),
                    cTexts::tr("The address book already has a contact named \"%1\" (%2).\n\nThe card \"%3\" (%4) "
                       "from the file:")
                        .arg(existing.name, addressesOf(existing), incoming.name, addressesOf(incoming)),
                    QMessageBox::NoButton, parent);
    const std::pair<const char *, eDuplicateChoice> answers[] = {{QT_TRANSLATE_NOOP("DuplicateContactQuestion", "&Replace"), eDuplicateChoice::Replace},
                                                                 {QT_TRANSLATE_NOOP("DuplicateContactQuestion", "&Keep both"), eDuplicateChoice::KeepBoth},
                                                                 {QT_TRANSLATE_NOOP("DuplicateContactQuestion", "&Merge addresses"), eDuplicateChoice::Merge},
                                                                 {QT_TRANSLATE_NOOP("DuplicateContactQuestion", "&Skip"), eDuplicateChoice::Skip}};
    QList<QPushButton *> buttons;
    for (const auto &[text, choice] : answers)
        buttons.append(box.addButton(cTexts::tr(text), choice == eDuplicateChoice::Skip ? QMessageBox::RejectRole
                                                                                : QMessageBox::AcceptRole));
    // Skip is the default: a keypress never replaces a contact.
    box.setDefaultButton(buttons.last());
    box.setEscapeButton(buttons.last());
    box.exec();
    const qsizetype chosen = buttons.indexOf(qobject_cast<QPushButton *>(box.clickedButton()));
    return chosen < 0 ? eDuplicateChoice::Skip : answers[chosen].second;
}
