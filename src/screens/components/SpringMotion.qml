// SPDX-License-Identifier: MIT
import QtQuick
import Berthwise

// The one spring every hover lift and press uses: quick, and settling without a bounce.
SpringAnimation {
    spring: Theme.motion.spring
    damping: Theme.motion.springDamping
    epsilon: 0.0005
}
