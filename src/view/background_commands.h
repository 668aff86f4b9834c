#pragma once

#include "command_prompts.h"

#include <QString>

#include <functional>
#include <memory>

class CImage;
class EditingHost;

// Commands on the active face's background: its picture and its colour. Each
// one that changes the project is one edit of the document (one undo step).

// Whether the first selected object is a picture that can become the background.
bool CanSetAsBackground(EditingHost& host);
// The first selected object, a picture, becomes the background stretched over
// the whole face (the previous background goes); the selection is cleared.
bool SetSelectionAsBackground(EditingHost& host);

bool CanRemoveBackground(EditingHost& host); // the face has a background picture
bool RemoveBackgroundPicture(EditingHost& host);

// Asks for a colour (starting on the face's current one) and makes it the
// face's background colour. False when the user cancels.
bool SetBackgroundColour(EditingHost& host,
                         const CommandPrompts& prompts = CommandPrompts::Interactive());

// Reads a picture file into a new picture object, or null when the file
// cannot be read as a picture.
using PictureFileLoader = std::function<std::unique_ptr<CImage>(const QString& path)>;
// A raster picture read from the file at (0, 0), or null.
std::unique_ptr<CImage> LoadBackgroundPicture(const QString& path);

// Makes the picture in `path` the face's background, stretched over the whole
// face, and clears the selection. On a file it cannot read it says "Invalid
// image format!" and changes nothing. The undo step is taken here; callers
// take none of their own.
bool SetBackgroundFromFile(EditingHost& host, const QString& path,
                           const CommandPrompts& prompts = CommandPrompts::Interactive(),
                           const PictureFileLoader& loader = LoadBackgroundPicture);
