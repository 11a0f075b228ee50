// SPDX-License-Identifier: MIT
#pragma once

#include "DockConfiguration.h"

// The twelve settings as read from the live Dock or from an exported preferences file.
struct CapturedDockConfiguration : DockConfiguration {};
