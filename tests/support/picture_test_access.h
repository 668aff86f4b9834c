#pragma once

#include "objects/image.h"

#include <QByteArray>

// Gives a picture without pixels a stand-in record, so that tests of
// documents, snapshots and commands can store it without decoding anything.
struct PictureTestAccess {
    static void SetRecord(CImage& picture, QByteArray record) {
        picture.m_encodedRecord = std::move(record);
    }
};
