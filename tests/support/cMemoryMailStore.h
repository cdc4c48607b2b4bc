// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A mail store held in memory, for tests of code that works through cMailStore: the fixed
// folders exist, others are added by AddFolder or CreateFolder, keys are "m1", "m2"... in storing order.
#include "storage/cMailStore.h"

#include <QMap>

#include <functional>

class cMemoryMailStore final : public cMailStore
{
public:
    cMemoryMailStore();

    void AddFolder(const QString &folder);

    QStringList Folders() const override;
    std::vector<cStoredEntry> List(const QString &folder) const override;
    QList<cMessageRef> Messages(const QString &folder) const override;
    cResultOf<cMailMessage> Read(const cMessageRef &message) const override;
    // The record exactly as stored, its sender line included.
    cResultOf<cMailMessage> ReadForSending(const cMessageRef &message) const override;
    cResultOf<cMessageRef> Store(const QString &folder, const cMailMessage &message) override;
    cResult Replace(const cMessageRef &message, const cMailMessage &record) override;
    cResultOf<cMessageRef> Transfer(const cMessageRef &message, const QString &folder, bool move) override;
    cResultOf<cMessageRef> MoveBack(const cMessageRef &message, const cMessageRef &place) override;
    cResult Delete(const cMessageRef &message) override;
    cResult MarkRead(const cMessageRef &message, bool read) override;
    cResult SetPriority(const cMessageRef &message, int priority) override;
    cResult CreateFolder(const QString &name) override;
    cResult RenameFolder(const QString &oldName, const QString &newName) override;
    cResult RemoveFolder(const QString &name) override;
    cResult EmptyFolder(const QString &folder) override;

private:
    using cFolder = QMap<QString, cMailMessage>;
    const cMailMessage *find(const cMessageRef &message) const;
    cResult Change(const cMessageRef &message, const std::function<void(cMailMessage &)> &change);

    QStringList fOrder;
    QMap<QString, cFolder> fFolders;
    int fLastKey = 0;
};
