// The split's questions as message boxes: the buttons and the default that
// each kind of question takes.
#pragma once
#include "split/question.h"

bool askTheUser(const split::Question& question);

// The message box's icon for what a split's message weighs.
unsigned iconOf(split::Severity severity);
