// SPDX-License-Identifier: MIT
// The login item of the main application bundle, through the system's login-item service.
#include "LaunchAtLogin.h"

#import <ServiceManagement/ServiceManagement.h>

bool LaunchAtLogin::isEnabled() const {
    return SMAppService.mainAppService.status == SMAppServiceStatusEnabled;
}

void LaunchAtLogin::registerEntry() const {
    // The caller reads the status back; an error changes nothing it could show.
    [SMAppService.mainAppService registerAndReturnError:nil];
}

void LaunchAtLogin::unregisterEntry() const {
    [SMAppService.mainAppService unregisterAndReturnError:nil];
}
