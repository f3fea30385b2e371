#include <gtest/gtest.h>

#include "errors/report.h"

TEST(ReportText, ExactLayout) {
    EXPECT_EQ(errors::reportText(380, "Invalid property value", 40, "Form_Paint"),
              "Error Number: 380\r\nError Description: Invalid property value\r\n\r\nError Line: 40\r\n"
              "Procedure Name: Form_Paint.\r\nPlease Send this info to: support@cleavo.example .\r\n");
    EXPECT_EQ(errors::reportText(-7, "", 0, "cmdSplit_Click"),
              "Error Number: -7\r\nError Description: \r\n\r\nError Line: 0\r\n"
              "Procedure Name: cmdSplit_Click.\r\nPlease Send this info to: support@cleavo.example .\r\n");
}
