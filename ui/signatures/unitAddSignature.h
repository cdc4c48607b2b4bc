// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The signature editor: a name and the text, for a new signature or the properties of one.
// "&OK" is enabled only while both are filled in.
#include <QDialog>
#include <QList>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

class TfrmAddSignature : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmAddSignature(QWidget *parent = nullptr);

    // Turns the dialog into the properties of an existing signature.
    void ShowAsProperties(const QString &name, const QString &text);
    QString Description() const;
    QList<QByteArray> Lines() const;

private:
    void HandleEditChange();

    QLabel *lblHeading;
    QLineEdit *edtDescription;
    QPlainTextEdit *edtSignature;
    QPushButton *btnOK;
};
