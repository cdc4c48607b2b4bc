// SPDX-License-Identifier: GPL-3.0-or-later
#include "storage/AtomicFile.h"
#include "storage/DeferredFlush.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// A file that cannot be flushed fails the flush with its name, and is not forgotten: the next
// flush takes whole file systems, so what was noted meanwhile is covered as well.
TEST(DeferredFlush, AFailureNamesTheFileAndTheNextFlushCoversWhatWasNoted)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    ASSERT_TRUE(FlushDeferredWrites());
    const QString written = dir.filePath(QStringLiteral("written.txt"));
    ASSERT_TRUE(WriteFileAtomically(written, "data", eDurability::Deferred));
    const QString unreachable = written + QStringLiteral("/below-a-file");
    NoteDeferredWrite(unreachable);
    EXPECT_EQ(DeferredWritesWaiting(), (QStringList{written, unreachable}));

    const cResult failed = FlushDeferredWrites();
    ASSERT_FALSE(failed);
    EXPECT_TRUE(failed.text().contains(unreachable)) << failed.text().toStdString();

    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("later.txt")), "more", eDurability::Deferred));
    EXPECT_TRUE(DeferredWritesWaiting().isEmpty());
    EXPECT_TRUE(FlushDeferredWrites());
    ASSERT_TRUE(WriteFileAtomically(dir.filePath(QStringLiteral("after.txt")), "more", eDurability::Deferred));
    EXPECT_EQ(DeferredWritesWaiting(), QStringList{dir.filePath(QStringLiteral("after.txt"))});
}

} // namespace
