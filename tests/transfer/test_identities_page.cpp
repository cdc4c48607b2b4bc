// SPDX-License-Identifier: GPL-3.0-or-later
// The "Identities" page of the account properties: identities are listed by their sender
// lines, added, edited and removed, and "&OK" stores exactly what the page shows.
#include "tests/support/cScratchSettings.h"
#include "tests/transfer/AccountDialogHelpers.h"

#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"
#include "ui/transfer/unitAccountInfo.h"

#include <QListWidget>
#include <QtTest>

using namespace Qt::StringLiterals;

class TestIdentitiesPage : public QObject
{
    Q_OBJECT

private slots:
    void identitiesAreEditedAndStoredOnOk()
    {
        cScratchSettings settings;
        QVERIFY(settings.initStorage());
        QVERIFY(cSignatureStore::SaveNewSignature(u"Support"_s, {"-- ", "Example support"}));
        cAccount work;
        work.section = u"Work"_s;
        work.name = u"Ann Lee"_s;
        work.identities = {{u"Old"_s, u"old@example.org"_s, {}, {}, u"Gone"_s}};
        QVERIFY(cAccountStore::WriteAccount(work));

        auto *props = new TfrmAccountProps;
        props->LoadAccount(u"Work"_s);
        auto *list = child<QListWidget>(props, "lstIdentities");
        QCOMPARE(list->count(), 1);
        QCOMPARE(list->item(0)->text(), u"Old <old@example.org>"_s);

        click(props, "btnAddIdentity");
        QCOMPARE(list->currentRow(), 1);
        for (const auto &[field, text] : {std::pair{"edtIdentityName", u"Ann (support)"_s},
                                          std::pair{"edtIdentityEMail", u"support@example.org"_s},
                                          std::pair{"edtIdentityOrganisation", u"Example Ltd"_s}}) {
            auto *edit = child<QLineEdit>(props, field);
            edit->selectAll();
            QTest::keyClicks(edit, text);
        }
        choose(props, "cboIdentitySignature", child<QComboBox>(props, "cboIdentitySignature")->findText(u"Support"_s));
        QCOMPARE(list->item(1)->text(), u"Ann (support) <support@example.org>"_s);

        // The first keeps the signature that is no longer in the store until it is removed.
        list->setCurrentRow(0);
        QCOMPARE(child<QComboBox>(props, "cboIdentitySignature")->currentText(), u"Gone"_s);
        click(props, "btnRemoveIdentity");
        QCOMPARE(list->count(), 1);
        QCOMPARE(child<QLineEdit>(props, "edtIdentityName")->text(), u"Ann (support)"_s);

        click(props, "btnOK");
        const QList<cIdentity> stored = cAccountStore::ReadAccount(u"Work"_s).identities;
        QCOMPARE(stored, (QList<cIdentity>{{u"Ann (support)"_s, u"support@example.org"_s, {}, u"Example Ltd"_s, u"Support"_s}}));
    }
};

QTEST_MAIN(TestIdentitiesPage)
#include "test_identities_page.moc"
