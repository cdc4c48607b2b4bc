// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Pieces the account windows share beyond the common dialog parts: the account icons and the
// boxes for a failed write or a field with a problem.
#include "ui/wndlist/DialogParts.h"

#include <QIcon>
#include <QList>
#include <QString>

class QWidget;

// The image of an account in a list; the default account's carries a mark.
QIcon AccountIcon(bool isDefault);

// Warns that an action on the account files failed; reason names the file and the cause.
void WarnFailure(QWidget *parent, const QString &what, const QString &reason);

// A field and what is wrong with it; an empty problem means the field is fine.
struct cFieldProblem
{
    QWidget *field;
    QString problem;
};
// Warns about the first field with a problem, under what, and brings that field (and its page)
// to the front. True when there was one.
bool WarnFirstProblem(QWidget *parent, const QString &what, const QList<cFieldProblem> &problems);
