// How the Split button tells the user of a plan it refuses.
#pragma once
#include <string>

#include "split/plan.h"

namespace split {

// The message a refusal shows, and its icon (platform message-box style);
// empty text for kOk and kDivisionByZero.
std::string refusalText(PlanOutcome outcome);
unsigned refusalIcon(PlanOutcome outcome);

}  // namespace split
