// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A private settings folder and mail folder for one test.
#include "storage/MailStorage.h"
#include "storage/cOptions.h"

#include <QDir>
#include <QFile>
#include "tests/support/cScratchSettings.h"
#include <gtest/gtest.h>

class StorageFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
    }

    QString root() const { return fDir.mailRoot(); }

    void initStorage()
    {
        ASSERT_TRUE(fDir.initStorage());
    }

    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(data);
    }

    cScratchSettings fDir;
};
