#pragma once

#include <QHashFunctions>

// The numeric ids of the editing commands, shared by menus, tool bars,
// accelerators and the view's command handlers.
enum class CommandId : int {
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

    // Zoom and grid of the editing view
    kZoomIn = 32840,
    kZoomOut = 32841,
    kZoom100 = 32842,
    kShowGrid = 32844,

    // Undo history
    kUndo = 57643,
    kRedo = 57644,

    // Clipboard
    kCopy = 57634,
    kCut = 57635,
    kPaste = 57637,

    // Project files
    kFileNew = 57600,
    kFileOpen = 57601,
    kFileSave = 57603,
    kFileSaveAs = 57604,
    kFilePrintSetup = 57606,
    kFilePrint = 57607,
    kFilePrintPreview = 57609,
    kFileExportPdf = 32880,
    kFileRecent1 = 57616, // the four most recent files
    kFileRecent2 = 57617,
    kFileRecent3 = 57618,
    kFileRecent4 = 57619,
    kAppExit = 57665,

    // Project-wide editing commands
    kExportAsLayouts = 32810,
    kEditTracksInformation = 32811,
    kChangeLabelStock = 32836,
    kSettings = 32837,
    kExportCoverAsImages = 32843,

    // The art gallery's layouts
    kInsertLayout = 32845,
    kDeleteLayout = 32846,

    // Showing and hiding the window's bars
    kViewMainToolbar = 59392,
    kViewStatusBar = 59393,
    kViewPropertyBar = 32870,
    kViewObjectBar = 32871,
    kViewTemplateWindow = 32872,
    kViewAlignBar = 32873,

    // Help
    kAppAbout = 57664,
    kHelpTipOfTheDay = 32874,
    kHelpContents = 32848,
    kHelpTechSupport = 32851,
    kHelpHomePage = 32852,
};

// Command ids key the window's action tables.
inline size_t qHash(CommandId id, size_t seed = 0) noexcept {
    return qHash(static_cast<int>(id), seed);
}

// The command that opens the recent file at `index` (0 to 3).
inline CommandId RecentFileCommand(int index) {
    return static_cast<CommandId>(static_cast<int>(CommandId::kFileRecent1) + index);
}
