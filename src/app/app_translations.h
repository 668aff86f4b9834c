#pragma once

#include <QLocale>

// Lumvane speaks the user's language where it has a translation: its own
// texts come from the translations compiled into the program (":/i18n"), the
// standard dialog buttons from Qt's own translations when they are installed.
// Installing again for another locale replaces what was installed before, so
// QLocale::c() brings back the English source texts. The English plural forms
// ("1 track" for "%n track(s)") are installed under every language. Returns
// true when Lumvane has a translation for `locale` (English has none: it is the
// language of the sources).
bool InstallTranslations(const QLocale& locale);
