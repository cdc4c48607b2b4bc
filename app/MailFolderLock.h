// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Two program starts with different settings folders may name the same mail folder; only one
// works on it at a time. The one that prepared it holds a lock file in it until it ends or
// moves to another folder; a lock left by a crashed program is taken over.
#include "storage/cResult.h"

// Locks MailRoot for this process, releasing the folder locked before; fails when another
// running program holds it. A folder where no lock file can be made is used unlocked.
[[nodiscard]] cResult LockMailFolder();
// The lock file's name in the mail folder: it belongs to this run and never moves with the mail.
QString MailFolderLockName();
