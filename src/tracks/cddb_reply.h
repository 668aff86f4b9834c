#pragma once

#include "tracks/cddb_types.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <vector>

// The reply side of the CDDB protocol: when a reply is complete, its body,
// the query reply with its match lines and the read reply with its xmcd record.
// Nothing here trusts a reply: sizes are bounded and every field is checked.

inline constexpr qsizetype kMaxCddbReplyBytes = 1024 * 1024;
inline constexpr qsizetype kMaxCddbLineLength = 4096;

enum class CddbReception { NeedMore, Complete };

// Looks at the data received so far. A multi-line reply is complete at the
// terminator "\r\n.\r\n", which is cut off with anything after it; a query's
// single-line reply (status other than 210 to 219) is complete once its status
// line has ended. `scanFrom` remembers how far earlier calls searched.
CddbReception CheckCddbReception(QByteArray& data, bool query, qsizetype& scanFrom);

// The text after the first blank line (the HTTP header is skipped unread);
// false when the reply has no blank line.
bool CddbReplyBody(const QByteArray& reply, QByteArray& body);

// The reply body's text: UTF-8 when valid, Windows-1252 otherwise.
QString DecodeCddbText(const QByteArray& body);

// The status code: the first three characters read as a decimal number, or
// -1 when the body is shorter than three characters.
int CddbStatusCode(QStringView body);

// "category discid artist / title": false for a line without a category, or
// one that ends after the disc id.
bool ParseCddbMatchLine(QStringView line, CCddbMatch& match);

// A query reply body: 200 (one match), 210 to 219 (match lines after the
// first line), 202 (no match). Returns false for any other code, a too short
// 200 reply, a multi-line reply without a usable match, or an over-long line.
// `consumed` says whether the reply was read as matches (the caller then
// forgets it).
bool ParseCddbQueryReply(const QString& body, std::vector<CCddbMatch>& matches, bool& consumed);

// Decodes \n, \t and \\ in one pass from left to right; other backslashes stay.
QString DecodeXmcdEscapes(QStringView value);

// Parses an xmcd record and checks that it is complete; false when it is not.
bool ParseXmcdRecord(QStringView text, CCddbRecord& record);

// A read reply body: a 210 to 219 status line followed by an xmcd record.
bool ParseCddbReadReply(const QString& body, CCddbRecord& record);
