// The main function of the report tests: fonts and PDFs need a QGuiApplication.
#include "TestEnd.h"

#include <QGuiApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    int rc = 0;
    {
        QGuiApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    return zud::test::EndTests(rc);
}
