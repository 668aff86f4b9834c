#pragma once

#include "command_prompts.h"
#include "command_rows.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <memory>

class CImage;
class EditingHost;
class Face;
class QImage;

// Cut, copy and paste of the active face's selection through the system
// clipboard. Lumvane's own format carries the selection as an archive of one
// object list, the same bytes a layout file holds; plain text and images from
// other programs are pasted as new text and picture objects.

// The clipboard format of Lumvane's own data.
inline const QString kClipboardFormat = QStringLiteral("CF_DWP");

// The archive of the face's selection, in selection order, with an index
// table of its own.
QByteArray SelectionArchive(const Face& face);

bool CanCopy(EditingHost& host); // one or more selected; also Cut
// Puts the selection on the clipboard; says "Failed to open Clipboard!" when
// there is no clipboard to put it on.
bool Copy(EditingHost& host, const CommandPrompts& prompts = CommandPrompts::Interactive());
// Copy, then delete the selection. The selection is kept when copying failed.
bool Cut(EditingHost& host, const CommandPrompts& prompts = CommandPrompts::Interactive());

// Builds a picture object from an image another program put on the clipboard,
// or null when it cannot.
using ClipboardPictureFactory = std::function<std::unique_ptr<CImage>(const QImage& image)>;
// The picture object's own factory: a 24-bit picture of the image's natural
// size; null (and pasting says "Failed to get Clipboard data!") when the image
// cannot be converted.
std::unique_ptr<CImage> MakePictureFromClipboardImage(const QImage& image);

// Whether the clipboard holds Lumvane objects, text or an image.
bool CanPaste();
// Pastes the first of these the clipboard holds: Lumvane objects (where they
// were copied, on top), text (a new text box near the face's top-left
// corner), an image (a new picture there). Failures say "Failed to open
// Clipboard!" or "Failed to get Clipboard data!" and change nothing.
bool Paste(EditingHost& host, const CommandPrompts& prompts = CommandPrompts::Interactive(),
           const ClipboardPictureFactory& makePicture = MakePictureFromClipboardImage);

// The command table of Cut, Copy and Paste, acting on `host` (which must
// outlive the rows).
CommandRows ClipboardCommandRows(EditingHost& host,
                                 const CommandPrompts& prompts = CommandPrompts::Interactive());
// Runs the row of `id`; false when `id` is none of them or the command did nothing.
bool RunClipboardCommand(EditingHost& host, CommandId id,
                         const CommandPrompts& prompts = CommandPrompts::Interactive());
// Whether the clipboard command `id` is enabled; false for other ids.
bool IsClipboardCommandEnabled(EditingHost& host, CommandId id);
