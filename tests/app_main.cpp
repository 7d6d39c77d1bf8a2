// The application-shell tests need a QCoreApplication: translators, the network, event loops.
#include "TestEnd.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    int rc = 0;
    {
        QCoreApplication app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        rc = RUN_ALL_TESTS();
    }
    return zud::test::EndTests(rc);
}
