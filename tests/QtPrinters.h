#pragma once

// Every test file includes this before comparing Qt values, so that all of them print the
// same way (one printer per type across the test binary).

#include <QString>

#include <gtest/gtest.h>

// Readable QStrings in test failures.
namespace testing::internal {
template <> class UniversalPrinter<QString> {
public:
    static void Print(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
};
} // namespace testing::internal
