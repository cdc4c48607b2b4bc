// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A message file of the folder tree as a mail check sorts it, on the file functions themselves:
// a move is one rename, flags are written without waiting for the disk (the check flushes once
// before the server deletes anything), and nothing is announced (the check tells of each
// message once it is settled). Through the store every step would announce itself.
#include "rules/cRulePlace.h"

#include <QStringList>

class cMessageFile final : public cRulePlace
{
public:
    cMessageFile(const QString &path, const QString &folder) : fPath(path), fFolder(folder) {}

    // The folders of the tree that mail can be filed in.
    static QStringList Folders();

    const QString &Path() const { return fPath; }
    const QString &Folder() const { return fFolder; }

    bool IsIn(const QString &folder) const override;
    cResult Transfer(const QString &folder, bool move) override;
    cResult MarkRead() override;
    cResult SetPriority(int priority) override;

private:
    QString fPath;
    QString fFolder;
};
