// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private mail folder holding a small fixed mailbox: three messages in Inbox and Work, each
// with its own words, dates, flags and an attachment, so every query operator has one answer.
#include "search/cSearchIndex.h"
#include "storage/MailStorage.h"
#include "storage/MessageText.h"
#include "storage/cMailMessage.h"
#include "storage/cQrzMailStore.h"

#include <QDir>
#include <QFileInfo>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

class SearchFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.initStorage());
        ASSERT_TRUE(QDir(MailFolderRoot()).mkdir(QStringLiteral("Work")));
        cMailMessage a = message("Ann Lee", "ann@example.org", "Quarterly report", {2024, 3, 10});
        a.To = "bob@example.org";
        a.CC = "carol@example.net";
        a.body = {"The budget for the caf\xc3\xa9 is attached.", "See you at the meeting"};
        a.attachments = {AttachmentsFolder() + QStringLiteral("/budget.xlsx")};
        store(a, "Inbox", "a.qrz");
        cMailMessage b = message("Bob Stone", "bob@example.org", "Lunch plans", {2024, 5, 20});
        b.body = {"Shall we try the new ramen place?", "\xe6\x9d\xb1\xe4\xba\xac\xe9\x83\xbd\xe3\x81\xae\xe5\xba\x97"};
        b.Read = true;
        store(b, "Inbox", "b.qrz");
        cMailMessage c = message("Carol D\xc3\xad" "az", "carol@example.net", "Re: Quarterly report", {2023, 12, 1});
        c.Html = true;
        c.body = {"<html><style>p { color: red }</style><p>Numbers look <b>great</b> &amp; final</p></html>"};
        store(c, "Work", "c.qrz");
    }

    static cMailMessage message(const char *name, const char *address, const char *subject, QDate day)
    {
        cMailMessage m;
        m.From = name;
        m.FromAddress = m.ReplyAddress = address;
        m.To = "ann@example.org";
        m.Subject = subject;
        m.DateTime = NowText(QDateTime(day, QTime(9, 30)));
        return m;
    }

    static QString pathOf(const char *folder, const char *file)
    {
        return MailFolderPath(QLatin1String(folder)) + u'/' + QLatin1String(file);
    }

    static void store(const cMailMessage &m, const char *folder, const char *file)
    {
        ASSERT_TRUE(m.WriteFile(pathOf(folder, file)));
    }

    void openAndUpdate()
    {
        ASSERT_TRUE(fIndex.Open());
        const cResult updated = fIndex.Update(fStore);
        ASSERT_TRUE(updated) << updated.text().toStdString();
    }

    // The folder and file names found, newest first, as "Folder/file"; the failure's text when it fails.
    QStringList find(const QString &query)
    {
        const cResultOf<cSearchQuery> parsed = cSearchQuery::Parse(query);
        if (!parsed)
            return {parsed.text()};
        const cResultOf<std::vector<cSearchHit>> hits = fIndex.Find(parsed.value());
        if (!hits)
            return {hits.text()};
        QStringList found;
        for (const cSearchHit &hit : hits.value())
            found.append(hit.folder + u'/' + QFileInfo(hit.path).fileName());
        return found;
    }

    cScratchSettings fDir;
    cQrzMailStore fStore;
    cSearchIndex fIndex;
};
