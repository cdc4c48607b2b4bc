// SPDX-License-Identifier: GPL-3.0-or-later
// Pictures of the preview showing the made-up mail of HtmlMail.h, to judge how the rich-text
// engine renders real shapes of HTML mail (docs/html-rendering.md):
//   html_pictures <folder>   writes preview-newsletter.png, -receipt, -digest and -mailer there.
// Settings live in a temporary folder; nothing is fetched.
#include "HtmlMail.h"
#include "ui/main/cPreviewPane.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: html_pictures <folder>\n";
        return 2;
    }
    QTemporaryDir scratch;
    qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(scratch.filePath(u"config"_s)));
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const std::pair<const char *, QString> samples[] = {
        {"newsletter", Newsletter(30)}, {"receipt", Receipt()}, {"digest", Digest()}, {"mailer", DesktopMailerHtml()}};
    for (const auto &[name, html] : samples) {
        cMailMessage message;
        message.Html = true;
        message.From = "Sender";
        message.FromAddress = "sender@example.org";
        message.Subject = name;
        message.body = {html.toUtf8()};
        cPreviewPane pane;
        pane.resize(820, 900);
        pane.Show(message);
        pane.show();
        QApplication::processEvents();
        const QString path = folder.filePath(u"preview-%1.png"_s.arg(QLatin1String(name)));
        if (!pane.grab().save(path)) {
            err << "Cannot write the picture " << path << "\n";
            return 1;
        }
    }
    return 0;
}
