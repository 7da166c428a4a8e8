#include "platform/platform_qt.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using tikanda::QtEnvironment;

TEST(QtEnvironment, CommandLineIsTheArgumentsAfterTheProgramName) {
    char prog[] = "/usr/bin/tikanda", a[] = "nomenu", b[] = "x NOBAR";
    char* argv[] = {prog, a, b, nullptr};
    EXPECT_EQ(QtEnvironment(3, argv).commandLine(), "nomenu x NOBAR");
    EXPECT_EQ(QtEnvironment(1, argv).commandLine(), "");
    EXPECT_EQ(QtEnvironment(1, argv).pathSeparator(), '/');
}

TEST(QtEnvironment, DataDirIsBesideTheBinaryInTheBuildTreeElseTheInstalledOne) {
    QTemporaryDir bin, installed;
    ASSERT_TRUE(bin.isValid() && installed.isValid());
    const std::string binDir = bin.path().toStdString();
    const std::string instDir = installed.path().toStdString();
    const std::string missing = instDir + "/missing";

    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, instDir), instDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, missing), binDir);
    EXPECT_EQ(QtEnvironment::chooseDataDir(binDir, ""), binDir);

    for (const char* name : {"CILILINK.WAV", "TIKANDA.HLP"}) {
        QTemporaryDir tree;
        QFile f(tree.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.close();
        EXPECT_EQ(QtEnvironment::chooseDataDir(tree.path().toStdString(), instDir),
                  tree.path().toStdString())
            << name;
    }
}
