// SPDX-License-Identifier: MIT
#pragma once

// Which of the Dock's two persistent tile lists a new tile goes into: the apps, or the other side
// with Downloads, the Trash and stacks.
enum class DockSection { apps, others };
