#pragma once

#include <QImage>

class CDiscwrightDoc;
class Face;

// Small pictures of a project for file managers' previews.

// The face that shows a project best: the front cover, unless it is empty
// (no objects, no background picture and the default white background), in
// which case the disc label. A disc with nothing on it still shows the
// project's disc shape, which says more than a blank square.
int PreviewFaceOf(const CDiscwrightDoc& doc);
bool FaceLooksEmpty(const Face& face);

// The face drawn as the editing view shows it, fitted into `size` x `size`
// pixels keeping its proportions (the longer side is `size`). Outside the
// face's outline (the disc's corners and hole) the image is transparent; a
// thin grey line marks the outline so that a white face stays visible on a
// white desktop. A null image when the face has no size.
QImage RenderFacePreview(CDiscwrightDoc& doc, int faceId, int size);
