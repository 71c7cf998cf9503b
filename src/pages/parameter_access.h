#pragma once

// The controller's parameter memory as the settings pages use it: the read and write
// requests, the value encodings, and the step-sequenced reading and writing that every page
// drives with its own table.
#include "pages/connection_check.h"
#include "pages/parameter_encodings.h"
#include "pages/parameter_requests.h"
#include "pages/step_sequence.h"
