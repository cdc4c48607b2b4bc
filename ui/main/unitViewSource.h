// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// "View source": the message exactly as it was received, read-only, with "Save as .eml..." to
// keep a copy of those bytes elsewhere. Opened for a message whose original is kept.
#include "ui/wndlist/cForm.h"
#include "ui/wndlist/cMenuItem.h" // cForm keeps a QPointer to it

#include <QByteArray>

class QPlainTextEdit;

class TfrmViewSource : public cForm
{
    Q_OBJECT
public:
    TfrmViewSource(const QString &subject, const QByteArray &original);

private:
    QString fSubject;
    QByteArray fOriginal;
    QPlainTextEdit *txtSource;
};

// Asks where to save the received bytes (a name made from the subject, ".eml") and writes them
// there; a failed write is shown with the path and the reason.
void SaveOriginalAs(QWidget *parent, const QString &subject, const QByteArray &original);
// The name offered for it: the subject without characters file systems refuse, ".eml" added.
QString EmlFileName(const QString &subject);
