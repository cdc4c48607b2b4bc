// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/compose/DraftQuestion.h"

#include <QCoreApplication>
#include <QMessageBox>

eDraftAnswer AskAboutUnsavedMessages(QWidget *parent, int count)
{
    const QString text = count == 1
        ? QCoreApplication::translate("TfrmNewMessage", "This message has not been saved. Keep it in the Unfinished folder?")
        : QCoreApplication::translate("TfrmNewMessage", "%1 messages have not been saved. Keep them in the Unfinished folder?")
              .arg(count);
    QMessageBox box(QMessageBox::Question, QCoreApplication::translate("TfrmNewMessage", "Unsaved message"), text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
    case QMessageBox::Save:
        return eDraftAnswer::Save;
    case QMessageBox::Discard:
        return eDraftAnswer::Discard;
    default:
        return eDraftAnswer::Cancel;
    }
}
