#pragma once
// A private settings folder and mail folder for one test.
#include "storage/MailStorage.h"
#include "storage/cOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

class StorageFixture : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(fDir.isValid());
        qputenv("RAVELIN_CONFIG_DIR", QFile::encodeName(fDir.filePath(QStringLiteral("config"))));
        SetMailRoot(QString());
    }

    QString root() const { return fDir.filePath(QStringLiteral("mailroot")); }

    void initStorage()
    {
        ASSERT_TRUE(cOptions::write(Opt::MailFolder, root()));
        ASSERT_TRUE(InitMailStorage());
    }

    static void writeFile(const QString &path, const QByteArray &data)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
        file.write(data);
    }

    QTemporaryDir fDir;
};
