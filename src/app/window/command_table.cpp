#include "command_table.h"

#include "resources/icons.h"
#include "view/command_ids.h"

#include <QCoreApplication>

namespace {

// The command's own keys first (the ones its menu shows), then the desktop's
// standard keys for the same action that are not among them; `whereNone`
// stands in where the platform has no standard key for it.
QList<QKeySequence> Keys(QKeySequence::StandardKey standard,
                         std::initializer_list<QKeyCombination> own = {},
                         std::initializer_list<QKeyCombination> whereNone = {}) {
    QList<QKeySequence> keys;
    for (QKeyCombination key : own)
        keys.append(QKeySequence(key));
    const QList<QKeySequence> platform = standard == QKeySequence::UnknownKey
                                             ? QList<QKeySequence>()
                                             : QKeySequence::keyBindings(standard);
    for (const QKeySequence& key : platform)
        if (!keys.contains(key))
            keys.append(key);
    if (platform.isEmpty())
        for (QKeyCombination key : whereNone)
            if (!keys.contains(QKeySequence(key)))
                keys.append(QKeySequence(key));
    return keys;
}

} // namespace

// Translation context of the commands' texts. The table is built on first use,
// after start-up has installed the translator.
class CommandTable {
    Q_DECLARE_TR_FUNCTIONS(CommandTable)
public:
    static QList<CommandInfo> Build();
};

QList<CommandInfo> CommandTable::Build() {
    // clang-format off
    return {
        // File
        {CommandId::kFileNew, {"document-new", "document-new"}, tr("&New"), tr("New"), Keys(QKeySequence::New), tr("Start a new project")},
        {CommandId::kFileOpen, {"document-open", "document-open"}, tr("&Open..."), tr("Open"), Keys(QKeySequence::Open), tr("Open a project file")},
        {CommandId::kFileSave, {"document-save", "document-save"}, tr("&Save"), tr("Save"), Keys(QKeySequence::Save), tr("Save the project")},
        {CommandId::kFileSaveAs, {}, tr("Save &As..."), {}, Keys(QKeySequence::SaveAs, {}, {Qt::CTRL | Qt::SHIFT | Qt::Key_S}), tr("Save the project under a new name")},
        {CommandId::kFilePrint, {"document-print", "document-print"}, tr("&Print..."), tr("Print"), Keys(QKeySequence::Print), tr("Print the project's faces")},
        {CommandId::kFilePrintPreview, {}, tr("Print Pre&view..."), {}, {}, tr("Show the sheets as they will print")},
        {CommandId::kFileExportPdf, {}, tr("&Export to PDF..."), {}, {}, tr("Write the sheets to a PDF file")},
        {CommandId::kFilePrintSetup, {}, tr("P&rint Setup..."), {}, {}, tr("Choose a printer and its options")},
        {CommandId::kAppExit, {}, tr("E&xit"), {}, Keys(QKeySequence::Quit), tr("Quit Lumvane, asking to save the project")},

        // Edit
        {CommandId::kUndo, {"edit-undo", "edit-undo"}, tr("&Undo"), tr("Undo"), Keys(QKeySequence::Undo, {Qt::CTRL | Qt::Key_Z}), tr("Undo the last change")},
        {CommandId::kRedo, {"edit-redo", "edit-redo"}, tr("Redo"), tr("Redo"), Keys(QKeySequence::Redo, {Qt::CTRL | Qt::Key_Y}), tr("Redo the change undone last")},
        {CommandId::kCut, {"edit-cut", "edit-cut"}, tr("Cu&t"), tr("Cut"), Keys(QKeySequence::Cut, {Qt::CTRL | Qt::Key_X, Qt::SHIFT | Qt::Key_Delete}), tr("Move the selected objects to the clipboard")},
        {CommandId::kCopy, {"edit-copy", "edit-copy"}, tr("&Copy"), tr("Copy"), Keys(QKeySequence::Copy, {Qt::CTRL | Qt::Key_C, Qt::CTRL | Qt::Key_Insert}), tr("Copy the selected objects to the clipboard")},
        {CommandId::kPaste, {"edit-paste", "edit-paste"}, tr("&Paste"), tr("Paste"), Keys(QKeySequence::Paste, {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}), tr("Insert the clipboard's objects, text or picture")},
        {CommandId::kDeleteSelection, {"edit-delete", "edit-delete"}, tr("&Delete"), tr("Delete"), Keys(QKeySequence::Delete), tr("Delete the selected objects")},
        {CommandId::kChangeLabelStock, {"label-stock"}, tr("Change Label Stock..."), tr("Change Label Stock"), {}, tr("Choose the label stocks the faces print on")},
        {CommandId::kEditTracksInformation, {"tracks-information"}, tr("Edit Tracks Information..."), tr("Edit Tracks Information"), {}, tr("Edit the album's tracks, title, artist and year")},
        {CommandId::kExportCoverAsImages, {"export-images"}, tr("Export Cover As Images..."), {}, {}, tr("Save faces as JPEG pictures")},
        {CommandId::kExportAsLayouts, {"export-layouts"}, tr("Export As Layouts..."), tr("Export As Layouts"), {}, tr("Save faces as layouts for other projects")},
        {CommandId::kSettings, {"preferences-system", "preferences-system"}, tr("Settings..."), tr("Settings"), Keys(QKeySequence::Preferences, {}, {Qt::CTRL | Qt::Key_Comma}), tr("Change printing, internet and default options")},
        {CommandId::kSetAsBackgroundImage, {"background-image-set"}, tr("Set as Background Image"), {}, {}, tr("Make the selected picture the face's background")},
        {CommandId::kRemoveBackgroundImage, {"background-image-remove"}, tr("Remove Background Image"), {}, {}, tr("Remove the face's background picture")},
        {CommandId::kSetBackgroundColor, {"background-color"}, tr("Set Background Color"), {}, {}, tr("Choose the face's background colour")},

        // View
        {CommandId::kViewMainToolbar, {}, tr("&Main Toolbar"), {}, {}, tr("Show or hide the main toolbar"), true},
        {CommandId::kViewPropertyBar, {}, tr("&Property Bar"), {}, {}, tr("Show or hide the object properties"), true},
        {CommandId::kViewObjectBar, {}, tr("&Object Bar"), {}, {}, tr("Show or hide the object toolbar"), true},
        {CommandId::kViewTemplateWindow, {}, tr("&Template Window"), {}, {}, tr("Show or hide the art gallery"), true},
        {CommandId::kViewAlignBar, {}, tr("&Align Bar"), {}, {}, tr("Show or hide the align toolbar"), true},
        {CommandId::kViewStatusBar, {}, tr("&Status Bar"), {}, {}, tr("Show or hide the status bar"), true},
        {CommandId::kZoomIn, {"zoom-in", "zoom-in"}, tr("Zoom In"), {}, Keys(QKeySequence::ZoomIn), tr("Show the face larger")},
        {CommandId::kZoomOut, {"zoom-out", "zoom-out"}, tr("Zoom Out"), {}, Keys(QKeySequence::ZoomOut), tr("Show the face smaller")},
        {CommandId::kZoom100, {"zoom-original", "zoom-original"}, tr("Zoom 100%"), {}, Keys(QKeySequence::UnknownKey, {Qt::CTRL | Qt::Key_0}), tr("Show the face at its real size")},
        {CommandId::kShowGrid, {"grid"}, tr("Show/Hide Grid"), {}, {}, tr("Show or hide the 5 mm grid objects snap to"), true},

        // Object
        {CommandId::kToolSelect, {"tool-select"}, tr("&Select Object"), tr("Select"), {}, tr("Select, move and resize objects"), true},
        {CommandId::kToolRectangle, {"tool-rectangle"}, tr("&Rectangle"), tr("Rectangle"), {}, tr("Draw a rectangle"), true},
        {CommandId::kToolRoundRectangle, {"tool-round-rectangle"}, tr("R&ound Rectangle"), tr("Round Rectangle"), {}, tr("Draw a rectangle with round corners"), true},
        {CommandId::kToolEllipse, {"tool-ellipse"}, tr("&Ellipse"), tr("Ellipse"), {}, tr("Draw an ellipse"), true},
        {CommandId::kToolDiamond, {"tool-diamond"}, tr("&Diamond"), tr("Diamond"), {}, tr("Draw a diamond"), true},
        {CommandId::kToolText, {"tool-text"}, tr("&Text "), tr("Text"), {}, tr("Draw a text box"), true},
        {CommandId::kCircularText, {"tool-circular-text"}, tr("&Circular Text"), tr("Circular Text"), {}, tr("Insert text running round a circle")},
        {CommandId::kToolImage, {"tool-image"}, tr("&Image"), tr("Image"), {}, tr("Insert a picture from a file"), true},
        {CommandId::kImageBrowser, {"image-browser"}, tr("Image &Browser..."), tr("Image Browser"), {}, tr("Browse folders for pictures")},
        {CommandId::kLockUnlockObject, {"lock"}, tr("&Lock/unlock Object"), tr("Lock/unlock Object"), {}, tr("Lock the selected objects in place, or free them"), true},
        {CommandId::kSelectNext, {"select-next"}, tr("&Select next object"), tr("Select next object"), {}, tr("Select the next object of the face (Tab)")},
        {CommandId::kSelectAll, {}, tr("Select &All"), {}, Keys(QKeySequence::SelectAll, {Qt::CTRL | Qt::Key_A}), tr("Select every object of the face")},

        // Align
        {CommandId::kAlignLeft, {"align-left"}, tr("Align &Left"), tr("Align Left"), {}, tr("Line up the left edges of the selected objects")},
        {CommandId::kAlignRight, {"align-right"}, tr("Align &Right"), tr("Align Right"), {}, tr("Line up the right edges of the selected objects")},
        {CommandId::kAlignTop, {"align-top"}, tr("Align &Top"), tr("Align Top"), {}, tr("Line up the top edges of the selected objects")},
        {CommandId::kAlignBottom, {"align-bottom"}, tr("Align &Bottom"), tr("Align Bottom"), {}, tr("Line up the bottom edges of the selected objects")},
        {CommandId::kCenterVertical, {"center-vertical"}, tr("Center &Vertical"), tr("Center Vertical"), {}, tr("Centre the selected objects between the face's top and bottom")},
        {CommandId::kCenterHorizontal, {"center-horizontal"}, tr("Center &Horizontal"), tr("Center Horizontal"), {}, tr("Centre the selected objects between the face's sides")},
        {CommandId::kMakeSameWidth, {"same-width"}, tr("Make Same &Width"), tr("Make Same Width"), {}, tr("Give the selected objects the largest width")},
        {CommandId::kMakeSameHeight, {"same-height"}, tr("Make Same &Height"), tr("Make Same Height"), {}, tr("Give the selected objects the largest height")},
        {CommandId::kMakeSameSize, {"same-size"}, tr("Make Same &Size"), tr("Make Same Size"), {}, tr("Give the selected objects the largest width and height")},

        // Z-order
        {CommandId::kBringToFront, {"bring-to-front"}, tr("&Bring object to front"), tr("Bring object to front"), {}, tr("Put the object on top of all others")},
        {CommandId::kSendToBack, {"send-to-back"}, tr("&Send object to back"), tr("Send object to back"), {}, tr("Put the object beneath all others")},
        {CommandId::kMoveToNext, {"move-to-next"}, tr("Move object to &next positon in z-order"), tr("Move to next in z-order"), {}, tr("Move the object one step up")},
        {CommandId::kMoveToPrevious, {"move-to-previous"}, tr("Move object to &previous positon in z-order"), tr("Move to previous in z-order"), {}, tr("Move the object one step down")},

        // Help
        {CommandId::kHelpTipOfTheDay, {}, tr("Ti&p of the Day..."), {}, {}, tr("Show a hint about using Lumvane")},
        {CommandId::kHelpContents, {}, tr("&Contents"), tr("Help"), Keys(QKeySequence::HelpContents, {Qt::Key_F1}), tr("Open the Lumvane manual")},
        {CommandId::kHelpTechSupport, {}, tr("&Tech Support"), {}, {}, tr("Write to Lumvane's technical support")},
        {CommandId::kHelpHomePage, {}, tr("&HomePage"), {}, {}, tr("Visit Lumvane's home page")},
        {CommandId::kAppAbout, {"help-about", "help-about"}, tr("&About Lumvane..."), tr("About"), {}, tr("Show the program's version")},
    };
    // clang-format on
}

const QList<CommandInfo>& AllCommands() {
    static const QList<CommandInfo> table = CommandTable::Build();
    return table;
}

const CommandInfo* FindCommand(CommandId id) {
    for (const CommandInfo& info : AllCommands())
        if (info.id == id)
            return &info;
    return nullptr;
}

QIcon CommandIcon(CommandId id) {
    const CommandInfo* info = FindCommand(id);
    if (info == nullptr || info->icon.file == nullptr)
        return {};
    return NamedIcon(info->icon.file, info->icon.themeName);
}
