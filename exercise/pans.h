#pragma once

#include "form_state.h"

// Adds every selected weight to both pans, in the selected list's order.
void fillPansFromSelected(FormState& state);
