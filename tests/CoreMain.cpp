// The main function of the headless test programs.
#include "TestEnd.h"

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    return zud::test::EndTests(RUN_ALL_TESTS());
}
