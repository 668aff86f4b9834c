#pragma once

#include "base_object.h"

#include <memory>
#include <vector>

// The drawing object classes archives may create: CBaseObject, CShape, CText,
// CCirText, CImage and CVectorImage, each with schema 0.
const ClassRegistry& ObjectClasses();

using ObjectList = std::vector<std::unique_ptr<CBaseObject>>;

// An object list: a count, then one object reference per element in order.
void WriteObjectList(Archive& ar, const ObjectList& objects);
// Appends the list's objects to `objects`. An empty reference in a list is
// an error: faces hold no empty entries.
void ReadObjectList(Archive& ar, ObjectList& objects);
