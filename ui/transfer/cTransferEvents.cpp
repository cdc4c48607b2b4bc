// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cTransferEvents.h"

#include "ui/transfer/unitCreateNewAccount.h"

#include <QMessageBox>

cTransferEvents &cTransferEvents::instance()
{
    static cTransferEvents events;
    return events;
}

void OfferNewAccount(QWidget *parent)
{
    const auto answer = QMessageBox::question(
        parent, cTransferEvents::tr("No account present"),
        cTransferEvents::tr("There is not mail account set up on this computer. Would you like to create one now?"),
        QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes);
    if (answer == QMessageBox::Yes)
        RunNewAccountWizard(parent);
}
