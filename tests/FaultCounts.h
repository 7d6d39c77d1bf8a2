#pragma once

// The faults a test program injected, per kind, printed when it ends: the figures of the record.

#include <gtest/gtest.h>

#include <iostream>
#include <map>
#include <string>

namespace zud::test {

inline std::map<std::string, int>& Injected() {
    static std::map<std::string, int> counts;
    return counts;
}

namespace detail {
class FaultCountPrinter : public ::testing::Environment {
public:
    void TearDown() override {
        for (const auto& [kind, n] : Injected()) {
            std::cout << "[ faults   ] " << kind << ": " << n << "\n";
        }
    }
};
inline const auto* const kFaultCountPrinter = ::testing::AddGlobalTestEnvironment(new FaultCountPrinter);
} // namespace detail

} // namespace zud::test
