// Makes a picture of the compose window with a message half written: recipients, a subject,
// a few lines, an attachment and the default signature. Runs with any platform plugin:
//   ravelin_composer_screenshot <file.png>
// Settings and mail live in a temporary folder; nothing of the user's is read or touched.
#include "storage/MailStorage.h"
#include "storage/cOptions.h"
#include "storage/cSignatureStore.h"
#include "ui/compose/unitNewMessage.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTextStream>

using namespace Qt::StringLiterals;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: ravelin_composer_screenshot <file.png>\n";
        return 2;
    }
    QTemporaryDir scratch;
    qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(scratch.filePath(u"config"_s)));
    const QString root = scratch.filePath(u"mail"_s);
    cOptions::write(Opt::MailFolder, root);
    cOptions::write(Opt::MsgCompFontSize, 10);
    cOptions::write(Opt::MsgComp_Width, 640);
    cOptions::write(Opt::MsgComp_Height, 480);
    if (!InitMailStorage()) {
        err << "Cannot make the sample mail folder under " << root << "\n";
        return 1;
    }
    const QString attachment = scratch.filePath(u"Q4-report-draft.pdf"_s);
    QFile file(attachment);
    if (!file.open(QIODevice::WriteOnly) || file.write("%PDF-1.4\n") < 0
        || !cSignatureStore::SaveNewSignature(u"Work"_s, {"--", "Margaret Holm", "Finance, ACME Ltd."})) {
        err << "Cannot write the sample files under " << scratch.path() << "\n";
        return 1;
    }
    file.close();
    QApplication::setApplicationName(u"Ravelin 2"_s);

    TfrmNewMessage window;
    window.SetHeaderFields(u"Tom Berg <tom@example.org>"_s, u"anna@example.org"_s, u"Quarterly report, final draft"_s);
    window.show();
    window.SetBody({u"Hello Tom,"_s, QString(),
                    u"attached is the final draft of the quarterly report. The November figures are in, and "
                    "the summary on page 2 has been rewritten as we agreed on Tuesday."_s,
                    QString(), u"Comments by Friday, please."_s, QString()});
    window.AddAttachment(attachment);
    window.tbSignaturesClick();
    QApplication::processEvents();
    const QString target = QString::fromLocal8Bit(argv[1]);
    if (!window.grab().save(target)) {
        err << "Cannot write the picture " << target << "\n";
        return 1;
    }
    return 0;
}
