// SPDX-License-Identifier: GPL-3.0-or-later
// The computed texts of the main window: how stored bytes are shown, what a list entry says,
// the remembered column widths, the mail check period and which links leave the program.
#include "storage/DisplayText.h"
#include "ui/main/ComposerDraft.h"
#include "ui/main/MainIcons.h"
#include "ui/main/MainWindowRules.h"
#include "ui/main/MainWindowSettings.h"
#include "ui/main/cMsgListModel.h"

#include <QTemporaryDir>
#include <QTest>
#include <limits>
#include <tuple>

using namespace Qt::StringLiterals;

class TestMainRules : public QObject
{
    Q_OBJECT

private slots:
    void storedBytesAreShownAsUtf8ThenDeclaredCharsetThenLatin1()
    {
        QCOMPARE(DisplayText("Gr\xc3\xbc\xc3\x9f" "e"), u"Grüße"_s);
        QCOMPARE(DisplayText("Gr\xc3\xbc\xc3\x9f" "e", "koi8-r"), u"Grüße"_s);
        QCOMPARE(DisplayText("Gr\xfc\xdf" "e"), u"Grüße"_s);
        QCOMPARE(DisplayText("\x93q\x94 \x80"), u"\u201cq\u201d \u20ac"_s); // undeclared: Windows-1252
        QCOMPARE(DisplayText("\xf0\xd2\xc9\xd7\xc5\xd4", "KOI8-R"), u"Привет"_s);
        QCOMPARE(DisplayText("\x93quoted\x94", "windows-1252"), u"\u201cquoted\u201d"_s);
        QCOMPARE(DisplayText("caf\xe9", "x-no-such-charset"), u"café"_s);
        // Bytes the declared charset cannot hold fall back rather than being cut short.
        QCOMPARE(DisplayText("caf\xe9", "us-ascii"), u"café"_s);
        QCOMPARE(DisplayBody({"caf\xe9", "cr\xe8me"}, {}), u"café\ncrème"_s);
    }

    void theCharsetComesFromTheContentTypeHeader()
    {
        QCOMPARE(DeclaredCharset({"Subject: charset=wrong", "Content-Type: text/plain; charset=ISO-8859-2"}),
                 QByteArray("ISO-8859-2"));
        QCOMPARE(DeclaredCharset({"content-type: text/html;", "\tformat=flowed;", " CHARSET=\"koi8-r\"", "X-A: b"}),
                 QByteArray("koi8-r"));
        QCOMPARE(DeclaredCharset({"Content-Type: multipart/mixed; boundary=x", "X-Charset: charset=utf-8"}),
                 QByteArray());
        QCOMPARE(DeclaredCharset({}), QByteArray());
    }

    void listEntriesShowSenderOrRecipientsAndTheirState()
    {
        cMailMessage m;
        m.Subject = "Caf\xc3\xa9";
        m.From = "Ann Lee";
        m.To = "bob@example.org, eve@example.org";
        m.DateTime = "08.12.2026 09:05:07";
        m.Html = true;
        m.attachments = {u"/a/x.pdf"_s};

        const cMessageEntry inbox = MessageListEntry(m, eFolderKind::Inbox);
        QCOMPARE(inbox.texts, (QStringList{u"Café"_s, u"Ann Lee"_s, QString(QChar(0x2022)), u"08.12.2026 09:05:07"_s}));
        QCOMPARE(inbox.icon, MsgImage::Unread);
        QCOMPARE(inbox.readIcon, MsgImage::Html);
        for (eFolderKind outgoing : {eFolderKind::Unsent, eFolderKind::SentItems})
            QCOMPARE(MessageListEntry(m, outgoing).texts.at(MsgColumn::Person), u"bob@example.org, eve@example.org"_s);
        QCOMPARE(MessageListEntry(m, eFolderKind::User).texts.at(MsgColumn::Person), u"Ann Lee"_s);

        m.Read = true;
        m.Html = false;
        m.attachments.clear();
        const cMessageEntry read = MessageListEntry(m, eFolderKind::Trash);
        QCOMPARE(read.icon, MsgImage::Plain);
        QVERIFY(read.texts.at(MsgColumn::Attachment).isEmpty());

        QCOMPARE(MessageListCaptions(eFolderKind::Inbox), (QStringList{u"Subject"_s, u"From"_s, QString(), u"Date&Time"_s}));
        QCOMPARE(MessageListCaptions(eFolderKind::SentItems).at(1), u"To"_s);
        QCOMPARE(MessageCountText(0), u"0 message(s)"_s);
    }

    void theMailCheckPeriodNeverSpinsNorOverflows()
    {
        QCOMPARE(CheckTimerInterval(5), 300000);
        QCOMPARE(CheckTimerInterval(0), 0);
        QCOMPARE(CheckTimerInterval(-3), 0);
        QCOMPARE(CheckTimerInterval(std::numeric_limits<int>::max()), std::numeric_limits<int>::max());
    }

    void onlyOutwardLinksLeaveThePreview()
    {
        for (const char *link : {"https://example.org/a?b=c", "HTTP://example.org", "mailto:ann@example.org",
                                 "ftp://ftp.example.org/f", "news:comp.lang.c++"})
            QVERIFY2(IsOpenableLink(QUrl(QLatin1String(link))), link);
        for (const char *link : {"file:///etc/passwd", "report.html", "/home/user/run.sh", "javascript:alert(1)",
                                 "smb://server/share"})
            QVERIFY2(!IsOpenableLink(QUrl(QLatin1String(link))), link);
    }

    void columnWidthsSurviveTheirTextAndRejectDamage()
    {
        const QList<int> designed{300, 190, 18, 150};
        QCOMPARE(ParseColumnWidths(ColumnWidthsText({250, 120, 18, 99}), designed), (QList<int>{250, 120, 18, 99}));
        for (const char *damaged : {"", "1,2,3", "1,2,3,4,5", "a,b,c,d", "10,-1,18,40"})
            QCOMPARE(ParseColumnWidths(QLatin1String(damaged), designed), designed);
    }

    void repliesAndForwardsPrefixTheSubjectOnce_data()
    {
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("subject");
        QTest::addColumn<QString>("expected");
        QTest::newRow("plain") << u"Re:"_s << u"Lunch"_s << u"Re: Lunch"_s;
        QTest::newRow("already") << u"Re:"_s << u"Re: Lunch"_s << u"Re: Lunch"_s;
        QTest::newRow("upper case") << u"Re:"_s << u"RE:Lunch"_s << u"RE:Lunch"_s;
        QTest::newRow("lower case") << u"Re:"_s << u"re: x"_s << u"re: x"_s;
        QTest::newRow("two letters") << u"Re:"_s << u"Re"_s << u"Re: Re"_s;
        QTest::newRow("no colon") << u"Re:"_s << u"Rebate"_s << u"Re: Rebate"_s;
        QTest::newRow("empty") << u"Re:"_s << QString() << u"Re: "_s;
        QTest::newRow("forward of a reply") << u"Fw:"_s << u"Re: Lunch"_s << u"Fw: Re: Lunch"_s;
        QTest::newRow("forward again") << u"Fw:"_s << u"FW: Lunch"_s << u"FW: Lunch"_s;
    }
    void repliesAndForwardsPrefixTheSubjectOnce()
    {
        QFETCH(QString, prefix);
        QFETCH(QString, subject);
        QFETCH(QString, expected);
        QCOMPARE(PrefixedSubject(prefix, subject), expected);
    }

    void composersOpenWithTheRecipientSubjectAndFocusOfTheirCommand()
    {
        const cOriginalMessage original{u"/m/Inbox/mail1.qrz"_s, u"Lunch"_s, u"Ann Lee"_s, u"ann@example.org"_s, {u"Hi"_s}};
        const cComposerOptions options{.defSubject = u"Hello"_s, .includeOriginal = false};
        const auto draft = [&](eComposerCommand command) { return ComposerDraft(RequestFor(command), options, original, {}); };
        QCOMPARE(draft(eComposerCommand::NewMessage).to, QString());
        QCOMPARE(draft(eComposerCommand::NewMessage).subject, u"Hello"_s);
        QCOMPARE(draft(eComposerCommand::NewMessage).focus, eComposerField::To);
        QCOMPARE(draft(eComposerCommand::Reply).to, u"ann@example.org"_s);
        QCOMPARE(draft(eComposerCommand::Reply).subject, u"Re: Lunch"_s);
        QCOMPARE(draft(eComposerCommand::Reply).focus, eComposerField::Body);
        QCOMPARE(draft(eComposerCommand::Forward).to, QString());
        QCOMPARE(draft(eComposerCommand::Forward).subject, u"Fw: Lunch"_s);
        QCOMPARE(draft(eComposerCommand::Forward).focus, eComposerField::To);
        QVERIFY(draft(eComposerCommand::Forward).attachments.isEmpty());
        // Quoting off in the options: a reply is empty, "Reply quoted" quotes all the same.
        QVERIFY(draft(eComposerCommand::Reply).body.isEmpty());
        QVERIFY(draft(eComposerCommand::ReplyQuoted).body.contains(u">Hi"_s));

        const cComposerDraft toContact =
            ComposerDraft({.isNew = true, .to = u"bo@example.org"_s}, options, original, {});
        QCOMPARE(toContact.to, u"bo@example.org"_s);
        QCOMPARE(toContact.focus, eComposerField::Body);
        QCOMPARE(ComposerDraft({.isNew = true, .subject = u"Given"_s}, options, original, {}).subject, u"Given"_s);
    }

    void quotingFollowsThePrefixTheOriginAndTheSignaturePosition_data()
    {
        QTest::addColumn<int>("position");
        QTest::addColumn<QString>("prefix");
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("address");
        QTest::addColumn<QStringList>("expected");
        const QString stars(37, u'*');
        QTest::newRow("signature above")
            << 1 << u">"_s << u"Ann Lee"_s << u"ann@example.org"_s
            << QStringList{{}, {}, {}, u"--"_s, u"Bob"_s, stars, u"Original message from: Ann Lee <ann@example.org>"_s,
                           u">Hi Bob,"_s, u">"_s, u">Ann"_s};
        QTest::newRow("signature below")
            << 2 << u"> "_s << u"Ann Lee"_s << QString()
            << QStringList{{}, {}, {}, stars, u"Original message from: Ann Lee"_s, u"> Hi Bob,"_s, u"> "_s, u"> Ann"_s,
                           {}, u"--"_s, u"Bob"_s};
        QTest::newRow("unknown position keeps the signature, above")
            << 7 << u">"_s << QString() << u"ann@example.org"_s
            << QStringList{{}, {}, {}, u"--"_s, u"Bob"_s, stars, u"Original message from: ann@example.org"_s,
                           u">Hi Bob,"_s, u">"_s, u">Ann"_s};
        QTest::newRow("no origin")
            << 2 << u">"_s << QString() << QString()
            << QStringList{{}, {}, {}, stars, u">Hi Bob,"_s, u">"_s, u">Ann"_s, {}, u"--"_s, u"Bob"_s};
    }
    void quotingFollowsThePrefixTheOriginAndTheSignaturePosition()
    {
        QFETCH(int, position);
        QFETCH(QString, prefix);
        QFETCH(QString, from);
        QFETCH(QString, address);
        QFETCH(QStringList, expected);
        const cOriginalMessage original{u"/m/mail1.qrz"_s, u"Lunch"_s, from, address, {u"Hi Bob,"_s, {}, u"Ann"_s}};
        const cComposerOptions options{.autoInsertDefSig = true, .quotePrefix = prefix, .sigPosition = position};
        QCOMPARE(ComposerDraft(RequestFor(eComposerCommand::Reply), options, original, {u"--"_s, u"Bob"_s}).body,
                 expected);
        QCOMPARE(ComposerDraft(RequestFor(eComposerCommand::Forward), options, original, {u"--"_s, u"Bob"_s}).body,
                 expected);
    }

    void quotedLinesGetOneMoreMarkWhateverThePrefix()
    {
        const cOriginalMessage original{u"/m/mail1.qrz"_s, u"Lunch"_s, u"Ann"_s, {}, {u"> Hi"_s, u">> Ho"_s, u"Yes"_s}};
        for (const QString &prefix : {u">"_s, u"> "_s}) {
            const cComposerOptions options{.quotePrefix = prefix};
            const QStringList body = ComposerDraft(RequestFor(eComposerCommand::ReplyQuoted), options, original, {}).body;
            QCOMPARE(body.mid(body.size() - 3), (QStringList{u">> Hi"_s, u">>> Ho"_s, prefix + u"Yes"_s}));
        }
    }

    // The message goes as mail, never as the internal file with its local paths.
    void forwardingAsAttachmentNeverQuotesAndAttachesTheMessageAsMail()
    {
        cOriginalMessage original{u"/m/Inbox/mail1.qrz"_s, u"Lunch"_s, u"Ann"_s, u"ann@example.org"_s, {u"Hi"_s}};
        original.attachments = {u"/att/a.pdf"_s};
        original.forwardable = u"/att/Lunch.eml"_s;
        cComposerOptions options{.quotePrefix = u">"_s, .includeOriginal = true};
        const cComposerDraft bare = ComposerDraft(RequestFor(eComposerCommand::ForwardAsAttachment), options, original, {u"Bob"_s});
        QVERIFY(bare.body.isEmpty());
        QCOMPARE(bare.attachments, QStringList{u"/att/Lunch.eml"_s});
        QCOMPARE(ComposerDraft(RequestFor(eComposerCommand::Forward), options, original, {}).attachments,
                 QStringList{u"/att/a.pdf"_s});
        QCOMPARE(bare.subject, u"Fw: Lunch"_s);
        options.autoInsertDefSig = true;
        QCOMPARE(ComposerDraft(RequestFor(eComposerCommand::ForwardAsAttachment), options, original, {u"Bob"_s}).body,
                 (QStringList{{}, {}, {}, u"Bob"_s}));
        QCOMPARE(ComposerDraft(RequestFor(eComposerCommand::NewMessage), options, original, {u"Bob"_s}).body,
                 (QStringList{{}, {}, {}, u"Bob"_s}));
    }

    // A folder written under several locales, one date damaged: sorted by date, the list is in
    // the order of the moments named, whether its entries come from the files or from the cache.
    void sortingByDateIsTheSameFromTheFilesAndFromTheCache()
    {
        const QList<std::pair<QByteArray, QByteArray>> byDate{{"damaged", "not a date"},
                                                               {"C", "9 Dec 2025 23:59:59"},
                                                               {"en_US", "12/9/26 03:47:00 AM"},
                                                               {"de_DE", "09.12.26 09:05:07"},
                                                               {"ISO", "2026-12-09 12:00:00"},
                                                               {"en_US PM", "12/9/26 03:47:00 PM"},
                                                               {"numeric", "10.12.2026 00:00:00"}};
        QTemporaryDir dir;
        QStringList expected;
        for (qsizetype n = 0; n < byDate.size(); ++n) {
            cMailMessage m;
            std::tie(m.Subject, m.DateTime) = byDate.at(n);
            expected.append(QString::fromUtf8(m.Subject));
            QVERIFY(m.WriteFile(dir.filePath(u"mail%1.qrz"_s.arg(byDate.size() - n))));
        }
        cMsgListModel model({});
        model.SetSort({MsgColumn::DateTime, false});
        const auto sorted = [&](const std::vector<cIndexEntry> &entries) {
            model.Load(u"Inbox"_s, dir.path(), entries);
            QStringList subjects;
            for (int row = 0; row < model.rowCount(); ++row)
                subjects.append(model.index(row, MsgColumn::Subject).data().toString());
            return subjects;
        };
        QCOMPARE(sorted(cFolderIndex::ListUncached(dir.path())), expected);
        QCOMPARE(sorted(cFolderIndex::List(dir.path())), expected);
        QCOMPARE(sorted(cFolderIndex::Load(dir.path())), expected);
    }

    // RFC 5322 section 3.6.4: the parent's References (or its single In-Reply-To), then its id.
    void repliesCarryInReplyToAndReferences_data()
    {
        QTest::addColumn<QByteArray>("messageId");
        QTest::addColumn<QByteArray>("references");
        QTest::addColumn<QByteArray>("inReplyTo");
        QTest::addColumn<QList<QByteArray>>("expected");
        QTest::newRow("first reply") << QByteArray("<p@x>") << QByteArray() << QByteArray()
                                     << QList<QByteArray>{"In-Reply-To: <p@x>", "References: <p@x>"};
        QTest::newRow("chain") << QByteArray(" <p@x> ") << QByteArray("<a@x>\t<b@x>") << QByteArray("<b@x>")
                               << QList<QByteArray>{"In-Reply-To: <p@x>", "References: <a@x> <b@x> <p@x>"};
        QTest::newRow("parent of parent") << QByteArray("<p@x>") << QByteArray() << QByteArray("<b@x> (by Bob)")
                                          << QList<QByteArray>{"In-Reply-To: <p@x>", "References: <b@x> <p@x>"};
        QTest::newRow("no id") << QByteArray() << QByteArray("<a@x>") << QByteArray() << QList<QByteArray>{};
        QTest::newRow("wire text is no field") << QByteArray("<p@x>\r\nBcc: evil@x") << QByteArray("junk <a b@x>")
                                               << QByteArray()
                                               << QList<QByteArray>{"In-Reply-To: <p@x>", "References: <p@x>"};
    }
    void repliesCarryInReplyToAndReferences()
    {
        QFETCH(QByteArray, messageId);
        QFETCH(QByteArray, references);
        QFETCH(QByteArray, inReplyTo);
        QFETCH(QList<QByteArray>, expected);
        QCOMPARE(ReplyHeaderLines(messageId, references, inReplyTo), expected);
        cOriginalMessage original{u"/m/1.qrz"_s, u"Lunch"_s, u"Ann"_s, u"ann@example.org"_s, {}};
        original.messageId = messageId;
        original.references = references;
        original.inReplyTo = inReplyTo;
        for (eComposerCommand command : {eComposerCommand::Reply, eComposerCommand::ReplyQuoted, eComposerCommand::ReplyAll})
            QCOMPARE(ComposerDraft(RequestFor(command), {}, original, {}).extraHeaders, expected);
        QVERIFY(ComposerDraft(RequestFor(eComposerCommand::Forward), {}, original, {}).extraHeaders.isEmpty());
    }

    void replyAllCopiesEveryoneButTheUserAndTheAuthor()
    {
        cOriginalMessage original{u"/m/1.qrz"_s, u"Lunch"_s, u"Ann"_s, u"Ann <ann@example.org>"_s, {}};
        original.recipients = {{u"Me"_s, u"ME@example.org"_s},       {u"Doe, John"_s, u"john@example.org"_s},
                               {{}, u"ann@example.org"_s},            {u"J\u00F6rg"_s, u"joerg@example.org"_s},
                               {u"Doe again"_s, u"john@example.org"_s}, {{}, u"alias@example.org"_s}};
        const cComposerDraft draft = ComposerDraft(RequestFor(eComposerCommand::ReplyAll), {}, original, {},
                                                   {u"me@example.org"_s, u"alias@example.org"_s});
        QCOMPARE(draft.to, u"Ann <ann@example.org>"_s);
        QCOMPARE(draft.cc, u"\"Doe, John\" <john@example.org>, J\u00F6rg <joerg@example.org>"_s);
        QVERIFY(ComposerDraft(RequestFor(eComposerCommand::Reply), {}, original, {}).cc.isEmpty());
    }
};

QTEST_MAIN(TestMainRules)
#include "test_main_rules.moc"
