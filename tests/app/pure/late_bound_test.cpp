#include <gtest/gtest.h>
#include <windows.h>

#include "platform/late_bound.h"
#include "platform/runtime_error.h"

using platform::LateBound;
using platform::RuntimeError;

TEST(LateBound, MissingLibraryOrFunctionIsARunTimeError) {
    LateBound missingLibrary("cleavo-missing.dll", "split");
    try {
        missingLibrary.address();
        FAIL() << "bound a library that does not exist";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 53);
        EXPECT_EQ(e.description(), "File not found: cleavo-missing.dll");
    }
    LateBound missingFunction("cleavo.dll", "splitAll");
    try {
        missingFunction.address();
        FAIL() << "bound a function that does not exist";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), 453);
        EXPECT_EQ(e.description(), "Can't find DLL entry point splitAll in cleavo.dll");
    }
    LateBound present("cleavo.dll", "BigFileSize");
    EXPECT_EQ(present.address(), GetProcAddress(GetModuleHandleA("cleavo.dll"), "BigFileSize"));
}
