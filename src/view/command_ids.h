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

    // Tools and object commands of the editing view
    kToolSelect = 32774,
    kToolRectangle = 32775,
    kToolRoundRectangle = 32776,
    kToolEllipse = 32783,
    kToolDiamond = 32785,
    kToolText = 32786,
    kCircularText = 32789,
    kToolImage = 32791,
    kSelectNext = 32804,
    kImageBrowser = 32808,
    kSelectAll = 32847,

    // Undo history
    kUndo = 57643,
    kRedo = 57644,

    // Clipboard
    kCopy = 57634,
    kCut = 57635,
    kPaste = 57637,

    // Window commands
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileSave = 57603,
    kFilePrint = 57607,
    kChangeLabelStock = 32836,
    kEditTracksInformation = 32811,
    kExportAsLayouts = 32810,
    kSettings = 32837,
    kAppAbout = 57664,
    kExportCoverAsImages = 32843,
};
