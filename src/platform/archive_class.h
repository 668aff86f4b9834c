#pragma once

#include <QByteArrayView>

#include <memory>
#include <vector>

class Archive;
class ArchiveObject;

// A class the archive can name in a file and create again on reading.
struct ArchiveClass {
    const char* name;
    quint16 schema;
    std::unique_ptr<ArchiveObject> (*create)();
};

// The creatable classes an archive may meet, looked up by exact name.
class ClassRegistry {
public:
    void Register(const ArchiveClass& cls) { m_classes.push_back(&cls); }
    const ArchiveClass* Find(QByteArrayView name) const;

private:
    std::vector<const ArchiveClass*> m_classes;
};

// Anything written through an object reference: it names its class and
// writes or reads its own record in one Serialize, depending on the archive's
// direction.
class ArchiveObject {
public:
    virtual ~ArchiveObject() = default;
    virtual const ArchiveClass& Class() const = 0;
    virtual void Serialize(Archive& ar) = 0;
};
