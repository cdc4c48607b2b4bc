// SPDX-License-Identifier: GPL-3.0-or-later
// Hostile ways around TLS. Plain text slipped in after a server's go-ahead: whoever sent it is
// not the server behind the certificate, so the client hangs up before the handshake instead of
// reading it as the first replies under encryption. An extra CA file others could rewrite.
#include "EventLog.h"
#include "ScriptedServer.h"

#include "mailproto/TVrxPOP.h"
#include "mailproto/TVrxSMTP.h"
#include "mailproto/TVrxTcpStream.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

template<typename Client>
std::unique_ptr<TVrxClient> ConnectSecurely(const ScriptedServer &server, QString &errors)
{
    auto client = std::make_unique<Client>();
    client->Host = u"127.0.0.1"_s;
    client->Port = QString::number(server.Port());
    client->Security = eVrxSecurity::StartTls;
    client->ReplyTimeout = 2000;
    QObject::connect(client.get(), &TVrxClient::OnError,
                     [&errors](const TVrxFailure &failure) { errors += failure.Message(); });
    client->Connect();
    return client;
}

struct cInjectionCase
{
    const char *name;
    std::function<void(ScriptedServer &)> script;
    std::unique_ptr<TVrxClient> (*connect)(const ScriptedServer &, QString &);
    QByteArray lastCommand;
};

} // namespace

TEST(HostileTls, PlainTextAfterTheGoAheadEndsTheConnectionBeforeTheHandshake)
{
    const QList<cInjectionCase> cases = {
        {"POP3 STLS",
         [](ScriptedServer &server) {
             server.Send("+OK ready\r\n").Expect().Send("+OK\r\nSTLS\r\nUSER\r\n.\r\n").Expect()
                 .Send("+OK Begin TLS\r\n+OK 1 message\r\n+OK\r\nSubject: Your Bank\r\n\r\nforged\r\n.\r\n");
         },
         &ConnectSecurely<TVrxPOP>,
         "STLS\r\n"},
        {"SMTP STARTTLS",
         [](ScriptedServer &server) {
             server.Send("220 ready\r\n").Expect().Send("250-mx.example.org\r\n250 STARTTLS\r\n").Expect()
                 .Send("220 go ahead\r\n250-mx.example.org\r\n250 AUTH PLAIN\r\n");
         },
         &ConnectSecurely<TVrxSMTP>,
         "STARTTLS\r\n"},
    };
    for (const cInjectionCase &c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedServer server;
        c.script(server);
        server.Start();
        QString errors;
        const std::unique_ptr<TVrxClient> client = c.connect(server, errors);
        EXPECT_FALSE(client->Connected());
        EXPECT_TRUE(client->Failed());
        EXPECT_TRUE(errors.contains(u"unencrypted data"_s)) << errors.toStdString();
        const QByteArray transcript = server.Transcript();
        // No handshake began: the last bytes the server saw are the request to start one.
        EXPECT_TRUE(transcript.endsWith(c.lastCommand)) << transcript.toHex().toStdString();
    }
}

TEST(HostileTls, OnlyAnAbsolutePathToAFileOthersCannotChangeAddsCertificateAuthorities)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const auto file = [&dir](const QString &name, QFile::Permissions mode) {
        QFile ca(dir.filePath(name));
        EXPECT_TRUE(ca.open(QIODevice::WriteOnly));
        EXPECT_TRUE(ca.setPermissions(mode));
        return ca.fileName();
    };
    const QFile::Permissions ownerOnly = QFile::ReadOwner | QFile::WriteOwner;
    struct Case
    {
        QString path;
        QString problem; // empty: trusted
    };
    const QList<Case> cases = {
        {file(u"own.pem"_s, ownerOnly), {}},
        {file(u"shared.pem"_s, ownerOnly | QFile::ReadOther), {}},
        {file(u"open.pem"_s, ownerOnly | QFile::WriteOther), u"may be changed by other users"_s},
        {u"ca.pem"_s, u"is not an absolute path"_s},
        {dir.path(), u"is not a file"_s},
        {dir.filePath(u"missing.pem"_s), u"is not a file"_s},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        const QString problem = TVrxTcpStream::CaFileProblem(c.path);
        EXPECT_EQ(problem.isEmpty(), c.problem.isEmpty()) << problem.toStdString();
        EXPECT_TRUE(problem.contains(c.problem)) << problem.toStdString();
    }
}
