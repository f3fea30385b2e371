#include <gtest/gtest.h>

#include "split/device_names.h"

TEST(DeviceNames, WhatWindowsTakesForADevice) {
    // The name, and the device it stands for ("" for an ordinary file).
    const std::pair<const char*, const char*> table[] = {
        {"nul", "NUL"},        {"NUL.S01", "NUL"},      {"con.txt", "CON"},      {"Com1.mp4", "COM1"},
        {"lpt9", "LPT9"},      {"aux .bat", "AUX"},     {"prn...", "PRN"},       {"nul  .tar.gz", "NUL"},
        {u8"com¹.x", u8"COM¹"},
        {"nullx", ""},         {"com10", ""},           {"console", ""},         {"com0", ""},
        {"lpt", ""},           {"xnul", ""},            {"nul_abc", ""},         {"auxiliary.S01", ""},
    };
    for (const auto& [name, device] : table) EXPECT_EQ(split::deviceNamed(name), device) << name;
}
