// The text of the one error report.
#pragma once
#include <string>

namespace errors {

extern const char* const kSupportAddress;

// "Error Number: " n CR LF "Error Description: " d CR LF CR LF "Error Line: " l
// CR LF "Procedure Name: " p "." CR LF "Please Send this info to: " address " ." CR LF
std::string reportText(long number, const std::string& description, long line, const std::string& procedure);

}  // namespace errors
