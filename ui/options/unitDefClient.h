// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The offer to become the desktop's handler of mailto: links, shown at start while the
// program is not. Its "Dont ask me this again" box turns the check off whichever button
// closes it.
#include <QDialog>

class QCheckBox;

class TfrmDefClient : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmDefClient(QWidget *parent = nullptr);

    void done(int result) override;

private:
    QCheckBox *chkDontAskAgain;
};
