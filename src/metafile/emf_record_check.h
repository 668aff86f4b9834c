#pragma once

#include "metafile_record.h"

// Checks one enhanced metafile record (type and size fields included)
// before a handler reads it: the record's fixed part is all there, and
// every count, size and offset it declares (points, polygons, strings,
// spacing arrays, region data, bitmap headers and bits, comment data, pen
// dash entries) stays inside the record. Types the player does not know
// pass; their handler-less records are skipped anyway.
bool CheckEmfRecord(const RecordView& record);

// The smallest size a record of `type` can have, 8 for unknown types.
uint32_t EmfRecordMinimumSize(uint32_t type);
