// SPDX-License-Identifier: MIT
#pragma once

// A full-width or a half-width blank tile.
enum class DockSpacerType { standard, small };
