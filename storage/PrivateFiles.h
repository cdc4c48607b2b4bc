// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Mail and settings hold credentials and private correspondence: what the program creates is
// readable by its user alone (files 0600, folders 0700). Existing files and folders keep the
// mode the user gave them.
#include <QFileDevice>
#include <QString>

inline constexpr QFileDevice::Permissions kPrivateFileMode = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

// Creates the folder (one level; the parent must exist) unless it is there already.
[[nodiscard]] bool MakePrivateFolder(const QString &path);
// Creates every missing level of the path.
[[nodiscard]] bool MakePrivatePath(const QString &path);
// True for a real folder (not a link) that the user ownerUid owns and no one else may enter:
// only there can no other local user create or take over files before us.
[[nodiscard]] bool IsPrivateFolder(const QString &path, uint ownerUid);
