#pragma once

#include <QByteArrayView>
#include <QString>

// The one way Lumvane replaces a file (projects, settings, pictures, PNG
// output). The bytes go to a new temporary file in the target's folder; every
// write, the flush to disk (fsync) and the close are checked, and only when
// all of them succeeded does a rename put the new file in place. On any
// failure the temporary file is removed, the old file is left untouched and
// `error` says "<file>: cannot write: <the system's reason>", for example
// "No space left on device".
//
// A symbolic link as the target is followed, so the link stays and its target
// is replaced. A target that exists and is not a regular file (a folder, a
// FIFO, a device) is refused. A new file gets the usual permissions (0666
// less the umask), a replaced file keeps its permissions.
//
// A writer killed part-way leaves a hidden temporary file behind; the next
// successful write of the same target removes such leftovers. Temporary files
// of writers still running are locked and left alone.
bool WriteFileAtomically(const QString& path, QByteArrayView bytes, QString* error);
