#include "editing_host.h"

#include "document/discwright_doc.h"

LogicalRect EditingHost::VisibleFaceArea() {
    const Face& face = Document().ActiveFace();
    return {0, 0, face.Width(), -face.Height()};
}
