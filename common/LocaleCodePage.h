// The ANSI code page that Windows (and Wine) give a user's locale: the
// encoding in which a Windows editor of that language saves 8-bit text.
#pragma once

#include <string_view>

namespace velk {

// `locale` is a POSIX locale name, "language[_TERRITORY][.codeset][@modifier]"
// (ru_RU.UTF-8, sr_RS@latin, zh_TW, C); anything the table does not name,
// C and POSIX among them, gives 1252 (Western Europe and the Americas).
int AnsiCodePageOfLocale(std::string_view locale);

}  // namespace velk
