#include "command_table.h"

#include "view/command_ids.h"
#include "view/discwright_view.h"

namespace {

QList<CommandInfo> BuildTable() {
    using K = QKeySequence;
    auto keys = [](std::initializer_list<QKeySequence> list) { return QList<QKeySequence>(list); };
    // clang-format off
    return {
        // File
        {CommandId::kFileNew, QStringLiteral("&New"), QStringLiteral("New"), keys({K(QStringLiteral("Ctrl+N"))}), QStringLiteral("Start a new project")},
        {CommandId::kFileOpen, QStringLiteral("&Open..."), QStringLiteral("Open"), keys({K(QStringLiteral("Ctrl+O"))}), QStringLiteral("Open a project file")},
        {CommandId::kFileSave, QStringLiteral("&Save"), QStringLiteral("Save"), keys({K(QStringLiteral("Ctrl+S"))}), QStringLiteral("Save the project")},
        {CommandId::kFileSaveAs, QStringLiteral("Save &As..."), {}, {}, QStringLiteral("Save the project under a new name")},
        {CommandId::kFilePrint, QStringLiteral("&Print..."), QStringLiteral("Print"), keys({K(QStringLiteral("Ctrl+P"))}), QStringLiteral("Print the project's faces")},
        {CommandId::kFilePrintPreview, QStringLiteral("Print Pre&view..."), {}, {}, QStringLiteral("Show the sheets as they will print")},
        {CommandId::kFileExportPdf, QStringLiteral("&Export to PDF..."), {}, {}, QStringLiteral("Write the sheets to a PDF file")},
        {CommandId::kFilePrintSetup, QStringLiteral("P&rint Setup..."), {}, {}, QStringLiteral("Choose a printer and its options")},
        {CommandId::kAppExit, QStringLiteral("E&xit"), {}, {}, QStringLiteral("Quit Lumvane, asking to save the project")},

        // Edit
        {CommandId::kUndo, QStringLiteral("&Undo"), QStringLiteral("Undo"), keys({K(QStringLiteral("Ctrl+Z"))}), QStringLiteral("Undo the last change")},
        {CommandId::kRedo, QStringLiteral("Redo"), QStringLiteral("Redo"), keys({K(QStringLiteral("Ctrl+Y"))}), QStringLiteral("Redo the change undone last")},
        {CommandId::kCut, QStringLiteral("Cu&t"), QStringLiteral("Cut"), keys({K(QStringLiteral("Ctrl+X")), K(QStringLiteral("Shift+Del"))}), QStringLiteral("Move the selected objects to the clipboard")},
        {CommandId::kCopy, QStringLiteral("&Copy"), QStringLiteral("Copy"), keys({K(QStringLiteral("Ctrl+C")), K(QStringLiteral("Ctrl+Ins"))}), QStringLiteral("Copy the selected objects to the clipboard")},
        {CommandId::kPaste, QStringLiteral("&Paste"), QStringLiteral("Paste"), keys({K(QStringLiteral("Ctrl+V")), K(QStringLiteral("Shift+Ins"))}), QStringLiteral("Insert the clipboard's objects, text or picture")},
        {CommandId::kDeleteSelection, QStringLiteral("&Delete"), QStringLiteral("Delete"), {}, QStringLiteral("Delete the selected objects")},
        {CommandId::kChangeLabelStock, QStringLiteral("Change Label Stock..."), QStringLiteral("Change Label Stock"), {}, QStringLiteral("Choose the label stocks the faces print on")},
        {CommandId::kEditTracksInformation, QStringLiteral("Edit Tracks Information..."), QStringLiteral("Edit Tracks Information"), {}, QStringLiteral("Edit the album's tracks, title, artist and year")},
        {CommandId::kExportCoverAsImages, QStringLiteral("Export Cover As Images..."), {}, {}, QStringLiteral("Save faces as JPEG pictures")},
        {CommandId::kExportAsLayouts, QStringLiteral("Export As Layouts..."), QStringLiteral("Export As Layouts"), {}, QStringLiteral("Save faces as layouts for other projects")},
        {CommandId::kSettings, QStringLiteral("Settings..."), QStringLiteral("Settings"), {}, QStringLiteral("Change printing, internet and default options")},
        {CommandId::kSetAsBackgroundImage, QStringLiteral("Set as Background Image"), {}, {}, QStringLiteral("Make the selected picture the face's background")},
        {CommandId::kRemoveBackgroundImage, QStringLiteral("Remove Background Image"), {}, {}, QStringLiteral("Remove the face's background picture")},
        {CommandId::kSetBackgroundColor, QStringLiteral("Set Background Color"), {}, {}, QStringLiteral("Choose the face's background colour")},

        // View
        {CommandId::kViewMainToolbar, QStringLiteral("&Main Toolbar"), {}, {}, QStringLiteral("Show or hide the main toolbar"), true},
        {CommandId::kViewPropertyBar, QStringLiteral("&Property Bar"), {}, {}, QStringLiteral("Show or hide the object properties"), true},
        {CommandId::kViewObjectBar, QStringLiteral("&Object Bar"), {}, {}, QStringLiteral("Show or hide the object toolbar"), true},
        {CommandId::kViewTemplateWindow, QStringLiteral("&Template Window"), {}, {}, QStringLiteral("Show or hide the art gallery"), true},
        {CommandId::kViewAlignBar, QStringLiteral("&Align Bar"), {}, {}, QStringLiteral("Show or hide the align toolbar"), true},
        {CommandId::kViewStatusBar, QStringLiteral("&Status Bar"), {}, {}, QStringLiteral("Show or hide the status bar"), true},
        {CommandId::kZoomIn, QStringLiteral("Zoom In"), {}, keys({QKeySequence::ZoomIn}), QStringLiteral("Show the face larger")},
        {CommandId::kZoomOut, QStringLiteral("Zoom Out"), {}, keys({QKeySequence::ZoomOut}), QStringLiteral("Show the face smaller")},
        {CommandId::kZoom100, QStringLiteral("Zoom 100%"), {}, {}, QStringLiteral("Show the face at its real size")},
        {CommandId::kShowGrid, QStringLiteral("Show/Hide Grid"), {}, {}, QStringLiteral("Show or hide the 5 mm grid objects snap to"), true},

        // Object
        {CommandId::kToolSelect, QStringLiteral("&Select Object"), QStringLiteral("Select"), {}, QStringLiteral("Select, move and resize objects"), true},
        {CommandId::kToolRectangle, QStringLiteral("&Rectangle"), QStringLiteral("Rectangle"), {}, QStringLiteral("Draw a rectangle"), true},
        {CommandId::kToolRoundRectangle, QStringLiteral("R&ound Rectangle"), QStringLiteral("Round Rectangle"), {}, QStringLiteral("Draw a rectangle with round corners"), true},
        {CommandId::kToolEllipse, QStringLiteral("&Ellipse"), QStringLiteral("Ellipse"), {}, QStringLiteral("Draw an ellipse"), true},
        {CommandId::kToolDiamond, QStringLiteral("&Diamond"), QStringLiteral("Diamond"), {}, QStringLiteral("Draw a diamond"), true},
        {CommandId::kToolText, QStringLiteral("&Text "), QStringLiteral("Text"), {}, QStringLiteral("Draw a text box"), true},
        {CommandId::kCircularText, QStringLiteral("&Circular Text"), QStringLiteral("Circular Text"), {}, QStringLiteral("Insert text running round a circle")},
        {CommandId::kToolImage, QStringLiteral("&Image"), QStringLiteral("Image"), {}, QStringLiteral("Insert a picture from a file"), true},
        {CommandId::kImageBrowser, QStringLiteral("Image &Browser..."), QStringLiteral("Image Browser"), {}, QStringLiteral("Browse folders for pictures")},
        {CommandId::kLockUnlockObject, QStringLiteral("&Lock/unlock Object"), QStringLiteral("Lock/unlock Object"), {}, QStringLiteral("Lock the selected objects in place, or free them"), true},
        {CommandId::kSelectNext, QStringLiteral("&Select next object"), QStringLiteral("Select next object"), {}, QStringLiteral("Select the next object of the face (Tab)")},
        {CommandId::kSelectAll, QStringLiteral("Select &All"), {}, keys({K(QStringLiteral("Ctrl+A"))}), QStringLiteral("Select every object of the face")},

        // Align
        {CommandId::kAlignLeft, QStringLiteral("Align &Left"), QStringLiteral("Align Left"), {}, QStringLiteral("Line up the left edges of the selected objects")},
        {CommandId::kAlignRight, QStringLiteral("Align &Right"), QStringLiteral("Align Right"), {}, QStringLiteral("Line up the right edges of the selected objects")},
        {CommandId::kAlignTop, QStringLiteral("Align &Top"), QStringLiteral("Align Top"), {}, QStringLiteral("Line up the top edges of the selected objects")},
        {CommandId::kAlignBottom, QStringLiteral("Align &Bottom"), QStringLiteral("Align Bottom"), {}, QStringLiteral("Line up the bottom edges of the selected objects")},
        {CommandId::kCenterVertical, QStringLiteral("Center &Vertical"), QStringLiteral("Center Vertical"), {}, QStringLiteral("Centre the selected objects between the face's top and bottom")},
        {CommandId::kCenterHorizontal, QStringLiteral("Center &Horizontal"), QStringLiteral("Center Horizontal"), {}, QStringLiteral("Centre the selected objects between the face's sides")},
        {CommandId::kMakeSameWidth, QStringLiteral("Make Same &Width"), QStringLiteral("Make Same Width"), {}, QStringLiteral("Give the selected objects the largest width")},
        {CommandId::kMakeSameHeight, QStringLiteral("Make Same &Height"), QStringLiteral("Make Same Height"), {}, QStringLiteral("Give the selected objects the largest height")},
        {CommandId::kMakeSameSize, QStringLiteral("Make Same &Size"), QStringLiteral("Make Same Size"), {}, QStringLiteral("Give the selected objects the largest width and height")},

        // Z-order
        {CommandId::kBringToFront, QStringLiteral("&Bring object to front"), QStringLiteral("Bring object to front"), {}, QStringLiteral("Put the object on top of all others")},
        {CommandId::kSendToBack, QStringLiteral("&Send object to back"), QStringLiteral("Send object to back"), {}, QStringLiteral("Put the object beneath all others")},
        {CommandId::kMoveToNext, QStringLiteral("Move object to &next positon in z-order"), QStringLiteral("Move to next in z-order"), {}, QStringLiteral("Move the object one step up")},
        {CommandId::kMoveToPrevious, QStringLiteral("Move object to &previous positon in z-order"), QStringLiteral("Move to previous in z-order"), {}, QStringLiteral("Move the object one step down")},

        // Help
        {CommandId::kHelpTipOfTheDay, QStringLiteral("Ti&p of the Day..."), {}, {}, QStringLiteral("Show a hint about using Lumvane")},
        {CommandId::kHelpContents, QStringLiteral("&Contents"), QStringLiteral("Help"), keys({K(Qt::Key_F1)}), QStringLiteral("Open the Lumvane manual")},
        {CommandId::kHelpTechSupport, QStringLiteral("&Tech Support"), {}, {}, QStringLiteral("Write to Lumvane's technical support")},
        {CommandId::kHelpHomePage, QStringLiteral("&HomePage"), {}, {}, QStringLiteral("Visit Lumvane's home page")},
        {CommandId::kAppAbout, QStringLiteral("&About Lumvane..."), QStringLiteral("About"), {}, QStringLiteral("Show the program's version")},
    };
    // clang-format on
}

} // namespace

const QList<CommandInfo>& AllCommands() {
    static const QList<CommandInfo> table = BuildTable();
    return table;
}

const CommandInfo* FindCommand(CommandId id) {
    for (const CommandInfo& info : AllCommands())
        if (info.id == id)
            return &info;
    return nullptr;
}
