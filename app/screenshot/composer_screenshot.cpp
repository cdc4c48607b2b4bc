// SPDX-License-Identifier: GPL-3.0-or-later
#include "composer_screenshot.h"

#include "storage/cOptions.h"
#include "storage/cQrzMailStore.h"
#include "storage/cSignatureStore.h"
#include "ui/compose/unitNewMessage.h"

#include <QApplication>
#include <QDir>
#include <QFile>

using namespace Qt::StringLiterals;

bool SaveComposerPicture(const QString &scratchFolder, const QString &target, QTextStream &err)
{
    (void)cOptions::write(Opt::MsgCompFontSize, 10);
    (void)cOptions::write(Opt::MsgComp_Width, 640);
    (void)cOptions::write(Opt::MsgComp_Height, 480);
    const QString attachment = QDir(scratchFolder).filePath(u"Q4-report-draft.pdf"_s);
    QFile file(attachment);
    if (!file.open(QIODevice::WriteOnly) || file.write("%PDF-1.4\n") < 0
        || !cSignatureStore::SaveNewSignature(u"Work"_s, {"--", "Margaret Holm", "Finance, ACME Ltd."})) {
        err << "Cannot write the sample files under " << scratchFolder << "\n";
        return false;
    }
    file.close();

    cQrzMailStore store;
    TfrmNewMessage window(store);
    window.SetHeaderFields(u"Tom Berg <tom@example.org>"_s, u"anna@example.org"_s, u"Quarterly report, final draft"_s);
    window.show();
    window.SetBody({u"Hello Tom,"_s, QString(),
                    u"attached is the final draft of the quarterly report. The November figures are in, and "
                    "the summary on page 2 has been rewritten as we agreed on Tuesday."_s,
                    QString(), u"Comments by Friday, please."_s, QString(), QString()});
    window.AddAttachment(attachment);
    window.tbSignaturesClick();
    QApplication::processEvents();
    if (window.grab().save(target))
        return true;
    err << "Cannot write the picture " << target << "\n";
    return false;
}
