// Guarded handlers: a body that marks the numbered steps it goes through, and
// a tail that hears of its first run-time error with the step it stopped at.
#pragma once
#include <functional>
#include <string>

namespace platform {

// Marks the step that the innermost running guarded body is on.
void step(int number);

// Number and text of the run-time error, and the step it stopped at.
using FailureTail = std::function<void(long number, const std::string& description, int step)>;

// Runs the body. A run-time error, or what the C++ runtime throws (out of
// memory, a logic error), ends it and goes to the tail, which runs outside
// the body's step. Guarded bodies nest, each with a step of its own.
void guarded(const std::function<void()>& body, const FailureTail& tail);

}  // namespace platform
