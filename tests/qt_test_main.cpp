// Runs the Qt-based tests inside one QApplication (offscreen platform by default).
#include <QApplication>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen"
                                                                     : qgetenv("QT_QPA_PLATFORM"));
    // The sound module of this build tree (the test binary does not lie beside it).
    if (qgetenv("TIKANDA_SOUND_MODULE").isEmpty())
        qputenv("TIKANDA_SOUND_MODULE", TIKANDA_SOUND_MODULE);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
