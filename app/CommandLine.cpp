// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/CommandLine.h"

#include "app/HandOver.h"
#include "app/cSingleInstance.h"
#include "version/Version.h"

#include <QMessageBox>
#include <QTextStream>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace {

const QString kMailtoScheme = u"mailto:"_s;

const char *const kUsage =
    "Usage: ravelin [-newmail MAILTO-LINK]\n"
    "A desktop e-mail client for one user: POP3 in, SMTP out, every message a text file.\n"
    "\n"
    "  -newmail MAILTO-LINK  open a new message from a mailto: link, in the Ravelin already\n"
    "                        running for this user and settings folder when there is one\n"
    "  -h, --help            print this help and end\n"
    "  --version             print the version and end\n"
    "\n"
    "Settings are read from RAVELIN_CONFIG_DIR when it is set. ravelin-cli does the same work\n"
    "from scripts; see ravelin(1) and ravelin-cli(1).\n";

QString decoded(QStringView text)
{
    return QUrl::fromPercentEncoding(text.toUtf8());
}

// Only the body may span lines; an encoded line break elsewhere would split a header.
QString decodedLine(QStringView text)
{
    QString line = decoded(text);
    for (QChar &c : line)
        if (c == u'\r' || c == u'\n')
            c = u' ';
    return line;
}

void appendAddresses(QString &list, const QString &more)
{
    if (more.trimmed().isEmpty())
        return;
    list = list.trimmed().isEmpty() ? more : list + u", "_s + more;
}

void takeField(cNewMessageRequest &request, QStringView field)
{
    const qsizetype equals = field.indexOf(u'=');
    const QString name = field.left(equals).toString().toLower();
    const QStringView value = field.mid(equals + 1);
    if (name == u"body"_s)
        request.body = decoded(value).replace(u"\r\n"_s, u"\n"_s);
    else if (name == u"subject"_s)
        request.subject = decodedLine(value);
    else if (name == u"cc"_s)
        appendAddresses(request.cc, decodedLine(value));
    else if (name == u"bcc"_s)
        appendAddresses(request.bcc, decodedLine(value));
    else if (name == u"to"_s)
        appendAddresses(request.to, decodedLine(value));
}

} // namespace

cNewMessageRequest ParseMailto(const QString &link)
{
    QStringView text(link);
    if (text.startsWith(kMailtoScheme, Qt::CaseInsensitive))
        text = text.mid(kMailtoScheme.size());
    cNewMessageRequest request;
    const qsizetype question = text.indexOf(u'?');
    request.to = decodedLine(text.left(question));
    if (question < 0)
        return request;
    const QStringView rest = text.mid(question + 1);
    if (!rest.contains(u'=')) {
        request.subject = decodedLine(rest);
        return request;
    }
    for (QStringView field : rest.split(u'&'))
        if (field.contains(u'='))
            takeField(request, field);
    return request;
}

cNewMessageRequest ParseCommandLine(const QStringList &parameters)
{
    if (parameters.size() < 2 || parameters.at(0) != u"-newmail"_s)
        return {};
    return ParseMailto(parameters.at(1));
}

QStringList ParametersBeforeStart(int argc, char *argv[])
{
    QStringList parameters;
    for (int i = 1; i < argc; ++i)
        parameters << QString::fromLocal8Bit(argv[i]);
    return parameters;
}

bool AnswerInformationRequest(const QStringList &parameters, QTextStream &out)
{
    const QString first = parameters.value(0);
    if (first == u"--help"_s || first == u"-h"_s)
        out << kUsage;
    else if (first == u"--version"_s)
        out << "ravelin " RAVELIN_VERSION "\n";
    else
        return false;
    out.flush();
    return true;
}

bool HandleCommandLine(const QStringList &parameters, cSingleInstance &instance, cNewMessageRequest &startRequest)
{
    startRequest = ParseCommandLine(parameters);
    if (instance.Claim())
        return true;
    if (const cResult handed = HandOver(instance, startRequest); !handed)
        QMessageBox::warning(nullptr, u"Ravelin"_s, handed.text()); // untranslated: the program's name
    return false;
}
