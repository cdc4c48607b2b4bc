// SPDX-License-Identifier: GPL-3.0-or-later
// Being the mailto: handler, against private XDG folders (never the user's own): the check
// reads mimeapps.list in XDG order, registering writes it (or asks xdg-mime), and a user
// without an installed desktop entry gets one that starts this program.
#include "app/cDefaultMailClient.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DefaultClient : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        fFolders = {path(u"config"_s), {path(u"etc-xdg"_s)}, path(u"data"_s), {path(u"usr-share"_s)}};
    }

    QString path(const QString &name) const { return fDir.filePath(name); }

    bool put(const QString &file, const QByteArray &text) const
    {
        QFile f(file);
        return QDir().mkpath(QFileInfo(file).path()) && f.open(QIODevice::WriteOnly) && f.write(text) == text.size();
    }

    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    cDefaultMailClient client(const QString &xdgMime = {}) const
    {
        return {fFolders, xdgMime, u"/opt/my \"mail\"/ravelin"_s};
    }

    QTemporaryDir fDir;
    cXdgFolders fFolders;
};

TEST_F(DefaultClient, theCheckTakesTheFirstListThatNamesAHandler)
{
    EXPECT_EQ(client().CurrentHandler(), QString());
    ASSERT_TRUE(put(path(u"usr-share/applications/mimeapps.list"_s),
                    "[Default Applications]\nx-scheme-handler/mailto=ravelin.desktop;\n"));
    EXPECT_TRUE(client().IsDefault());
    ASSERT_TRUE(put(path(u"etc-xdg/mimeapps.list"_s), "[Default Applications]\ntext/html=web.desktop\n"));
    EXPECT_TRUE(client().IsDefault()) << "a list without the type does not decide";
    ASSERT_TRUE(put(path(u"config/mimeapps.list"_s),
                    "[Added Associations]\nx-scheme-handler/mailto=ravelin.desktop;\n"
                    "[Default Applications]\nx-scheme-handler/mailto=other-mail.desktop;ravelin.desktop;\n"));
    EXPECT_EQ(client().CurrentHandler(), u"other-mail.desktop"_s);
    EXPECT_FALSE(client().IsDefault());
}

TEST_F(DefaultClient, registeringWritesTheUsersListAndKeepsTheRest)
{
    ASSERT_TRUE(put(path(u"config/mimeapps.list"_s),
                    "[Default Applications]\ntext/html=web.desktop\nx-scheme-handler/mailto=other-mail.desktop\n"
                    "[Added Associations]\nimage/png=viewer.desktop;\n"));
    const cResult registered = client().Register();
    ASSERT_TRUE(registered) << registered.text().toStdString();
    EXPECT_TRUE(client().IsDefault());
    EXPECT_EQ(read(path(u"config/mimeapps.list"_s)),
              "[Default Applications]\ntext/html=web.desktop\nx-scheme-handler/mailto=ravelin.desktop;\n"
              "[Added Associations]\nimage/png=viewer.desktop;\n");

    QTemporaryDir fresh;
    fFolders.configHome = fresh.filePath(u"new/config"_s);
    ASSERT_TRUE(client().Register());
    EXPECT_TRUE(client().IsDefault());
}

TEST_F(DefaultClient, aUserWithoutAnInstalledEntryGetsOneThatStartsThisProgram)
{
    ASSERT_TRUE(client().Register());
    const QByteArray entry = read(path(u"data/applications/ravelin.desktop"_s));
    EXPECT_TRUE(entry.contains("\nExec=\"/opt/my \\\\\"mail\\\\\"/ravelin\" -newmail %u\n")) << entry.constData();
    EXPECT_TRUE(entry.contains("\nMimeType=x-scheme-handler/mailto;\n"));

    QTemporaryDir installedSystemWide;
    fFolders.dataHome = installedSystemWide.filePath(u"data"_s);
    ASSERT_TRUE(put(fFolders.dataDirs.first() + u"/applications/ravelin.desktop"_s, "[Desktop Entry]\n"));
    ASSERT_TRUE(client().Register());
    EXPECT_FALSE(QFileInfo::exists(fFolders.dataHome + u"/applications/ravelin.desktop"_s));
}

TEST_F(DefaultClient, xdgMimeIsAskedAndToldWhenInstalled)
{
    const QString log = path(u"xdg-mime.log"_s);
    const QString tool = path(u"xdg-mime"_s);
    ASSERT_TRUE(put(tool, u"#!/bin/sh\necho \"$*\" >> '%1'\n[ \"$1\" = query ] && echo other-mail.desktop\nexit 0\n"_s
                              .arg(log)
                              .toUtf8()));
    ASSERT_TRUE(QFile::setPermissions(tool, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    EXPECT_EQ(client(tool).CurrentHandler(), u"other-mail.desktop"_s);
    ASSERT_TRUE(client(tool).Register());
    EXPECT_EQ(read(log), "query default x-scheme-handler/mailto\ndefault ravelin.desktop x-scheme-handler/mailto\n");
}

TEST_F(DefaultClient, aFailureNamesWhatCouldNotBeSet)
{
    ASSERT_TRUE(put(path(u"config"_s), "a file where the folder should be"));
    const cResult registered = client().Register();
    ASSERT_FALSE(registered);
    EXPECT_TRUE(registered.text().startsWith(u"Failed to set data for '"_s)) << registered.text().toStdString();

    const QString failing = path(u"failing-xdg-mime"_s);
    ASSERT_TRUE(put(failing, "#!/bin/sh\necho 'no such handler' >&2\nexit 4\n"));
    ASSERT_TRUE(QFile::setPermissions(failing, QFile::ReadOwner | QFile::ExeOwner));
    const cResult refused = client(failing).Register();
    ASSERT_FALSE(refused);
    EXPECT_TRUE(refused.text().contains(u"Failed to set data for 'x-scheme-handler/mailto'"_s));
    EXPECT_TRUE(refused.text().contains(u"no such handler"_s));
}

} // namespace
