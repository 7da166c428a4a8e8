#include "platform/platform_qt.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tikanda::QtEnvironment;

TEST(QtEnvironment, DataDirIsBesideTheBinaryInTheBuildTreeElseTheInstalledOne) {
    QTemporaryDir bin, installed;
    ASSERT_TRUE(bin.isValid() && installed.isValid());
    const std::string binDir = bin.path().toStdString(), instDir = installed.path().toStdString();
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir), instDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir + "/missing"), binDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, ""), binDir);
    // Either of the program's own files marks a build tree.
    for (const char* name : {"CILILINK.WAV", "TIKANDA.HLP"}) {
        QTemporaryDir tree;
        ASSERT_TRUE(QFile(tree.filePath(QString::fromLatin1(name))).open(QIODevice::WriteOnly));
        EXPECT_EQ(QtEnvironment::chooseDataDir(tree.path().toStdString(), instDir),
                  tree.path().toStdString())
            << name;
    }
}
