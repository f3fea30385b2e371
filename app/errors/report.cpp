#include "errors/report.h"

namespace errors {

const char* const kSupportAddress = "support@cleavo.example";

std::string reportText(long number, const std::string& description, long line, const std::string& procedure) {
    return "Error Number: " + std::to_string(number) + "\r\nError Description: " + description +
           "\r\n\r\nError Line: " + std::to_string(line) + "\r\nProcedure Name: " + procedure +
           ".\r\nPlease Send this info to: " + kSupportAddress + " .\r\n";
}

}  // namespace errors
