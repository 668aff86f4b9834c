#include "object_archive.h"

#include "cir_text.h"
#include "image.h"
#include "shape.h"
#include "text.h"
#include "vector_image.h"

const ClassRegistry& ObjectClasses() {
    static const ClassRegistry registry = [] {
        ClassRegistry r;
        r.Register(CBaseObject::StaticClass());
        r.Register(CShape::StaticClass());
        r.Register(CText::StaticClass());
        r.Register(CCirText::StaticClass());
        r.Register(CImage::StaticClass());
        r.Register(CVectorImage::StaticClass());
        return r;
    }();
    return registry;
}

void WriteObjectList(Archive& ar, const ObjectList& objects) {
    ar.WriteCount(quint32(objects.size()));
    for (const auto& object : objects)
        ar.WriteObject(object.get());
}

void ReadObjectList(Archive& ar, ObjectList& objects) {
    // The count is not trusted for allocation: each element is read (and
    // must be there) before it is added.
    const quint32 count = ar.ReadCount();
    for (quint32 i = 0; i < count; ++i) {
        const qint64 at = ar.Offset();
        std::unique_ptr<ArchiveObject> object = ar.ReadObject();
        if (!object)
            throw ArchiveError(QStringLiteral("empty entry %1 in an object list").arg(i), at);
        // Every registered class derives from CBaseObject.
        objects.emplace_back(static_cast<CBaseObject*>(object.release()));
    }
}
