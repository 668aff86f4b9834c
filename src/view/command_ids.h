#pragma once

// The numeric ids of the editing commands, shared by menus, tool bars,
// accelerators and the view's command handlers.
enum CommandId : int {
    // Face background
    kSetBackgroundColor = 32773,
    kSetAsBackgroundImage = 1050,
    kRemoveBackgroundImage = 1051,

    // Stacking order
    kBringToFront = 32794,
    kSendToBack = 32795,
    kMoveToNext = 32802,
    kMoveToPrevious = 32803,

    // Locking
    kLockUnlockObject = 32809,

    // Centring, alignment and equal sizing
    kCenterVertical = 32816,
    kCenterHorizontal = 32818,
    kMakeSameWidth = 32820,
    kMakeSameHeight = 32822,
    kMakeSameSize = 32823,
    kAlignLeft = 32824,
    kAlignTop = 32825,
    kAlignRight = 32826,
    kAlignBottom = 32827,

    kDeleteSelection = 32838,

    // Clipboard
    kCopy = 57634,
    kCut = 57635,
    kPaste = 57637,
};
