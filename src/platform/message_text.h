#pragma once

#include <QString>
#include <QStringView>

// Text from outside (a server's reply, a file's contents) made safe to show
// in a one-line message, on a terminal or in a message box: control and
// formatting characters cannot clear the screen, retitle the terminal, start
// a new line or cut the message short (a NUL would end it in C strings).
//
// Line breaks and tabs become a space (a run of them one space),
// trailing blanks go, every other control character (C0, DEL, C1) and every
// invisible formatting character (bidirectional overrides, ...) is shown as
// \xNN or \uNNNN. The result is at most `maxLength` characters; a cut one
// ends in "…".
QString QuotedForMessage(QStringView text, qsizetype maxLength = 300);
