// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/transfer/cShownPassword.h"

#include <QLineEdit>

void cShownPassword::Show(QLineEdit *field, const QByteArray &stored)
{
    field->setText(QString::fromUtf8(stored));
    fStored = stored;
    fShown = field->text();
}

QByteArray cShownPassword::Typed(const QLineEdit *field) const
{
    return field->text() == fShown ? fStored : field->text().toUtf8();
}
