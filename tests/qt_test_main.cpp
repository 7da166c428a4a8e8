// Runs the Qt-based tests inside one QApplication (offscreen platform by default).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // The sound module of this build tree (the test binary does not lie beside it).
    if (qEnvironmentVariableIsEmpty("TIKANDA_SOUND_MODULE"))
        qputenv("TIKANDA_SOUND_MODULE", TIKANDA_SOUND_MODULE);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
