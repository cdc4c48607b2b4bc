// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A stored password in its masked field. The field shows the bytes as text; an untouched field
// gives the stored bytes back unchanged, even those that are no valid text.
//
// Call order: Show(field, stored) when loading, Typed(field) when saving.
#include <QByteArray>
#include <QString>

class QLineEdit;

class cShownPassword
{
public:
    void Show(QLineEdit *field, const QByteArray &stored);
    QByteArray Typed(const QLineEdit *field) const;

private:
    QByteArray fStored;
    QString fShown;
};
