#pragma once

#include <QString>

class CDiscwrightDoc;

// Reads the project file at `path` into `doc`, which the caller has just
// emptied. On failure returns false with `error` naming the file and the fault.
bool ReadProjectFile(CDiscwrightDoc& doc, const QString& path, QString* error);
