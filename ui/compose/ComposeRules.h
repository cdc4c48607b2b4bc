// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The composer's rules that need no window: when a message may be sent, its caption, the
// record it saves, how its body is read as displayed, ROT13 and the date and time it inserts.
#include "mailproto/TVrxMsg.h"
#include "storage/cMailMessage.h"

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QStringList>

class QTextDocument;

// What the user typed, as the composer holds it.
struct cComposedMessage
{
    QString to;
    QString cc;
    QString subject;
    QStringList body;
    QStringList attachments;
    TPriority priority = TPriority::prNormal;
    // Header lines that thread a reply (In-Reply-To, References), kept with the message.
    QList<QByteArray> extraHeaders{};
    QString bcc{};
    // The account chosen to send it; empty for the default account.
    QString sendAccount{};
};

// Blanks and control characters at the end do not count; leading blanks do not make it empty.
bool HasRecipients(const QString &to);
QString ComposerCaption(const QString &subject);

// The record "Save", "Finish later" and the sends write. To, CC and Subject are one header
// line each in the file, so a line break pasted into them becomes a blank.
cMailMessage ComposedRecord(const cComposedMessage &message, const QString &senderLine, const QString &account,
                            const QDateTime &now = QDateTime::currentDateTime());
// The reverse, for editing a stored message further: its bytes read as every window reads them.
cComposedMessage ComposedFromRecord(const cMailMessage &record);

// The texts of the fields a user edits, as the window holds them; the body as one text.
struct cFieldTexts
{
    QString to;
    QString cc;
    QString bcc;
    QString subject;
    QString body;
};

// A stored message opened for editing: its record, and what its fields held once filled from it.
struct cOpenedMessage
{
    cMailMessage record;
    cFieldTexts shown;
};

// The record to save, where every field whose text is still as opened keeps its stored bytes: a
// save never re-encodes what the user left alone (a legacy charset, bytes no charset reads, a
// line longer than the window).
cMailMessage KeepUneditedBytes(cMailMessage saved, const cOpenedMessage &opened, const cFieldTexts &now);

// The priority of a "Set priority" item by its tag (the stored code), and the tag of a
// priority; high and low priorities other than the extremes show as the item they are stored as.
TPriority PriorityOfTag(int tag);
int TagOfPriority(TPriority priority);

// The lines of a laid-out document as they are shown: a wrapped paragraph gives one line per
// screen line, each but its last ending in the blank it wrapped at, and a trailing empty line
// is dropped. Blanks typed before Enter go: stored lines end in a blank only where wrapped.
QStringList DisplayedLines(const QTextDocument &document);
// The text an editor shows for stored lines: the lines it wrapped joined again, to wrap anew.
QString EditorText(const QStringList &stored);

// Letters move 13 places within a-z and A-Z; everything else stays.
QString Rot13Line(const QString &line);

enum class eDateTimeKind { Date, Time, DateAndTime };
QString DateTimeText(eDateTimeKind kind, const QDateTime &now = QDateTime::currentDateTime(),
                     const QLocale &locale = QLocale::system());
