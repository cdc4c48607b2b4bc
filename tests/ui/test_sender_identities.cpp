// SPDX-License-Identifier: GPL-3.0-or-later
// Sender identities in the composer: each account's further identities are offered after it,
// choosing one puts its sender line on the message and appends its signature, and a draft
// opens again with the identity it was written with.
#include "UiFixture.h"

#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"
#include "ui/compose/SenderChoices.h"
#include "ui/compose/unitNewMessage.h"

#include <QComboBox>
#include <QPlainTextEdit>
#include <QtTest>

namespace {

const cIdentity kSupport{u"Ann (support)"_s, u"support@example.org"_s, u"help@example.org"_s, u"Example Ltd"_s, u"Support"_s};

QString FromOf(const QString &path)
{
    cMailMessage m;
    return m.ReadFile(path, false, true).ok() ? QString::fromUtf8(m.From) : QString();
}

} // namespace

class TestSenderIdentities : public QObject
{
    Q_OBJECT

private slots:
    void choicesListEachAccountThenItsIdentities()
    {
        const cIdentity own{u"Ann Lee"_s, u"ann@example.org"_s, {}, {}, {}};
        const QList<cSenderChoice> choices =
            SenderChoicesOf({{u"Work"_s, {own, kSupport}}, {u"Home"_s, {{u"Ann"_s, u"ann@home.test"_s, {}, {}, {}}}}});
        QStringList texts;
        for (const cSenderChoice &choice : choices)
            texts.append(choice.text);
        QCOMPARE(texts, (QStringList{u"Work"_s, u"Work: Ann (support) <help@example.org>"_s, u"Home"_s}));
        QCOMPARE(SenderChoiceFor(choices, u"work"_s, u"Ann (support) <help@example.org>"_s), 1);
        QCOMPARE(SenderChoiceFor(choices, u"Work"_s, u"Someone <else@example.org>"_s), 0);
        QCOMPARE(SenderChoiceFor(choices, u"Home"_s, u"Ann (support) <help@example.org>"_s), 2);
        QCOMPARE(SenderChoiceFor(choices, u"Gone"_s, {}), -1);
    }

    void anIdentityChosenSignsAndSendsAsItselfAndComesBackWithTheDraft()
    {
        cUiFixture fx;
        QVERIFY(fx.initStorage());
        cAccount work;
        work.section = u"Work"_s;
        work.name = u"Ann Lee"_s;
        work.email = u"ann@example.org"_s;
        work.identities = {kSupport};
        QVERIFY(cAccountStore::WriteAccount(work));
        QVERIFY(cAccountStore::SetDefaultAccountName(u"Work"_s));
        QVERIFY(cSignatureStore::SaveNewSignature(u"Support"_s, {"-- ", "Example support"}));

        TfrmNewMessage composer(fx.store);
        auto *from = composer.findChild<QComboBox *>(u"cboAccount"_s);
        QCOMPARE(from->count(), 2);
        QCOMPARE(from->currentIndex(), 0);
        from->setCurrentIndex(1);
        emit from->activated(1);
        auto *body = composer.findChild<QPlainTextEdit *>(u"rtfMain"_s);
        QVERIFY(body->toPlainText().endsWith(u"Example support"_s));
        // Choosing again, or the account and back, leaves one signature.
        for (int index : {1, 0, 1}) {
            from->setCurrentIndex(index);
            emit from->activated(index);
        }
        QCOMPARE(body->toPlainText().count(u"Example support"_s), 1);
        QVERIFY(body->toPlainText().endsWith(u"Example support"_s));
        const cResultOf<cMessageRef> draft = composer.SaveToFolder(u"Unfinished"_s);
        QVERIFY2(draft.ok(), qPrintable(draft.text()));
        QCOMPARE(FromOf(cUiFixture::pathOf(draft.value())), kSupport.SenderLine());

        TfrmNewMessage reopened(fx.store);
        QVERIFY(reopened.Load(draft.value()));
        QCOMPARE(reopened.findChild<QComboBox *>(u"cboAccount"_s)->currentIndex(), 1);
    }
};

QTEST_MAIN(TestSenderIdentities)
#include "test_sender_identities.moc"
