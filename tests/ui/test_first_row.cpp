// SPDX-License-Identifier: GPL-3.0-or-later
// Lists that open with rows mark their first row current and selected, so the commands on the
// selected row act on it without a click.
#include "UiFixture.h"

#include "storage/cSignatureStore.h"
#include "transfer/cAccountStore.h"
#include "ui/signatures/unitInsertSignature.h"
#include "ui/signatures/unitSignatures.h"
#include "ui/transfer/unitAccounts.h"

#include <QAbstractItemView>
#include <QPlainTextEdit>

namespace {

struct cListWindow
{
    const char *name;
    QWidget *(*make)();
    const char *list;
};

const cListWindow kWindows[] = {
    {"insert signature", []() -> QWidget * { return new TfrmInsertSignature; }, "lstSignatures"},
    {"signatures", []() -> QWidget * { return new TfrmSignatures; }, "lstSignatures"},
    {"accounts", []() -> QWidget * { return new TfrmAccounts; }, "lstAccounts"},
};

} // namespace

class TestFirstRow : public QObject
{
    Q_OBJECT

    std::unique_ptr<cUiFixture> fx;

private slots:
    void init()
    {
        fx = std::make_unique<cUiFixture>();
        QVERIFY(fx->initStorage());
        QVERIFY(cSignatureStore::SaveNewSignature(u"Work"_s, {"Ann Lee, ACME"}));
        QVERIFY(cSignatureStore::SaveNewSignature(u"Private"_s, {"Ann"}));
        for (const QString &name : {u"Work"_s, u"Home"_s}) {
            cAccount account;
            account.section = account.name = name;
            QVERIFY(cAccountStore::WriteNewAccount(account, name == u"Work"_s));
        }
    }

    void cleanup() { fx.reset(); }

    void isCurrentAndSelected_data()
    {
        QTest::addColumn<int>("window");
        for (int w = 0; w < int(std::size(kWindows)); ++w)
            QTest::addRow("%s", kWindows[w].name) << w;
    }
    void isCurrentAndSelected()
    {
        QFETCH(int, window);
        const std::unique_ptr<QWidget> shown(kWindows[window].make());
        shown->show();
        const auto *view = shown->findChild<QAbstractItemView *>(QLatin1String(kWindows[window].list));
        QCOMPARE(view->currentIndex().row(), 0);
        const QModelIndexList selected = view->selectionModel()->selectedRows();
        QCOMPARE(selected.size(), 1);
        QCOMPARE(selected.first().row(), 0);
    }

    void insertSignaturePreviewsTheFirst()
    {
        TfrmInsertSignature dialog;
        QCOMPARE(dialog.SelectedName(), u"Work"_s);
        QCOMPARE(dialog.findChild<QPlainTextEdit *>(u"edtSignature"_s)->toPlainText(), u"Ann Lee, ACME"_s);
    }
};

QTEST_MAIN(TestFirstRow)
#include "test_first_row.moc"
