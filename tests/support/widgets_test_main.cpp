// Test runner for suites that need widgets (run with QT_QPA_PLATFORM=offscreen).
#include <gtest/gtest.h>

#include <QApplication>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Tables hosted by these tests stay unannounced and leave the machine's router alone.
    qputenv("TESSARINE_NO_REACH", "1");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
