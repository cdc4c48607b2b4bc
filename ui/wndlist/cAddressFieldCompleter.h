// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Offers addresses for the one being typed in a field that holds several ("ann@x, Bob <b@y>"):
// the entry after the last separator is what the suggestions are asked for, and choosing one
// (Tab, Enter or a click) puts it in that entry's place followed by ", ". The suggestions come
// from a step the window is given; the field keeps working as before without one.
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QCompleter;
class QLineEdit;
class QStringListModel;

class cAddressFieldCompleter : public QObject
{
    Q_OBJECT
public:
    using cSuggest = std::function<QStringList(const QString &typed)>;

    cAddressFieldCompleter(QLineEdit *field, cSuggest suggest);

    QCompleter *Completer() const { return fCompleter; }

    // Where the entry being typed at cursor starts: past the last "," or ";" outside quotes,
    // and past the blanks after it.
    static qsizetype EntryStart(const QString &text, qsizetype cursor);
    // The text with the entry at cursor replaced by mailbox and ", "; cursor moves past it.
    static QString WithChosen(const QString &text, qsizetype &cursor, const QString &mailbox);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fieldEdited();
    void choose(const QString &mailbox);

    QLineEdit *fField;
    cSuggest fSuggest;
    QStringListModel *fModel;
    QCompleter *fCompleter;
};
