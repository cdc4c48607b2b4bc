// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A status bar panel that shows an image before its text while it has text (the session
// status of the main window, the count of the address book).
#include <QIcon>
#include <QWidget>

class QLabel;

class cStatusPanel : public QWidget
{
    Q_OBJECT
public:
    explicit cStatusPanel(const QIcon &icon, QWidget *parent = nullptr);

    void setText(const QString &text);
    QString text() const;
    bool showsIcon() const;

private:
    QLabel *fIcon;
    QLabel *fText;
};
