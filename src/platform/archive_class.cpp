#include "archive_class.h"

const ArchiveClass* ClassRegistry::Find(QByteArrayView name) const {
    for (const ArchiveClass* cls : m_classes) {
        if (name == QByteArrayView(cls->name))
            return cls;
    }
    return nullptr;
}
