// SPDX-License-Identifier: MIT
// Just enough of the system's base classes for the framework declarations beside this folder.
#pragma once

typedef signed char BOOL;
typedef long NSInteger;
#define YES ((BOOL)1)
#define NO ((BOOL)0)
#define nil nullptr

__attribute__((objc_root_class))
@interface NSObject
+ (instancetype)alloc;
- (instancetype)init;
@end

@interface NSError : NSObject
@end
