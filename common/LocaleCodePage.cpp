#include "LocaleCodePage.h"

#include <algorithm>
#include <cctype>

namespace velk {
namespace {

// Language, territory (empty: any) and modifier (empty: any) as POSIX locale
// names spell them; the first row that matches gives the code page.
struct Row {
    std::string_view language;
    std::string_view territory;
    std::string_view modifier;
    int codePage;
};

constexpr Row kRows[] = {
    // Cyrillic; Serbian is Cyrillic unless written "@latin".
    {"ru", "", "", 1251}, {"uk", "", "", 1251}, {"be", "", "", 1251}, {"bg", "", "", 1251},
    {"mk", "", "", 1251}, {"sr", "", "latin", 1250}, {"sr", "", "", 1251},
    // Central European
    {"pl", "", "", 1250}, {"cs", "", "", 1250}, {"sk", "", "", 1250}, {"hu", "", "", 1250},
    {"sl", "", "", 1250}, {"hr", "", "", 1250}, {"ro", "", "", 1250}, {"sq", "", "", 1250},
    {"bs", "", "", 1250},
    {"el", "", "", 1253},
    // Turkish, and Azerbaijani in Latin script
    {"tr", "", "", 1254}, {"az", "", "", 1254},
    {"he", "", "", 1255},
    {"ar", "", "", 1256}, {"fa", "", "", 1256}, {"ur", "", "", 1256},
    // Baltic
    {"et", "", "", 1257}, {"lv", "", "", 1257}, {"lt", "", "", 1257},
    {"vi", "", "", 1258},
    {"th", "", "", 874},
    {"ja", "", "", 932},
    // Chinese: simplified where it is written so, traditional elsewhere
    {"zh", "CN", "", 936}, {"zh", "SG", "", 936},
    {"zh", "TW", "", 950}, {"zh", "HK", "", 950}, {"zh", "MO", "", 950},
    {"ko", "", "", 949},
};

constexpr int kDefaultCodePage = 1252;

bool SameLetters(std::string_view a, std::string_view b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
    });
}

}  // namespace

int AnsiCodePageOfLocale(std::string_view locale) {
    std::string_view modifier;
    if (const auto at = locale.find('@'); at != std::string_view::npos) {
        modifier = locale.substr(at + 1);
        locale = locale.substr(0, at);
    }
    locale = locale.substr(0, locale.find('.'));  // the codeset says nothing of the language
    const auto underscore = locale.find('_');
    const std::string_view language = locale.substr(0, underscore);
    const std::string_view territory =
        underscore == std::string_view::npos ? std::string_view{} : locale.substr(underscore + 1);
    for (const Row& row : kRows) {
        if (SameLetters(row.language, language) && (row.territory.empty() || SameLetters(row.territory, territory)) &&
            (row.modifier.empty() || SameLetters(row.modifier, modifier))) {
            return row.codePage;
        }
    }
    return kDefaultCodePage;
}

}  // namespace velk
