// SPDX-License-Identifier: MIT
// The update framework as the app uses it: a standard controller started at once, whether its updater
// can check now, and a check started by the user.
#pragma once

#import <Foundation/Foundation.h>

@interface SPUUpdater : NSObject
@property(readonly) BOOL canCheckForUpdates;
@end

@interface SPUStandardUpdaterController : NSObject
- (instancetype)initWithStartingUpdater:(BOOL)startUpdater
                        updaterDelegate:(id)updaterDelegate
                     userDriverDelegate:(id)userDriverDelegate;
@property(readonly) SPUUpdater* updater;
- (void)checkForUpdates:(id)sender;
@end
