#include "app/language.h"

namespace corvane::app {

namespace {

// Primary language numbers.
constexpr int kChinese = 4;
constexpr int kGerman = 7;
constexpr int kEnglish = 9;
constexpr int kSpanish = 10;
constexpr int kFrench = 12;
constexpr int kHungarian = 14;
constexpr int kItalian = 16;
constexpr int kJapanese = 17;
constexpr int kKorean = 18;
constexpr int kDutch = 19;
constexpr int kPolish = 21;
constexpr int kRussian = 25;

// Chinese sub-languages: Taiwan 1, PRC 2, Hong Kong 3, Singapore 4, Macao 5.
int chineseSubLanguage(QLocale::Territory territory) {
    switch (territory) {
        case QLocale::Taiwan: return 1;
        case QLocale::China: return 2;
        case QLocale::HongKong: return 3;
        case QLocale::Singapore: return 4;
        case QLocale::Macau: return 5;
        default: return 0;
    }
}

// German sub-languages: Germany 1, Switzerland 2, Austria 3, Luxembourg 4,
// Liechtenstein 5.
int germanSubLanguage(QLocale::Territory territory) {
    switch (territory) {
        case QLocale::Switzerland: return 2;
        case QLocale::Austria: return 3;
        case QLocale::Luxembourg: return 4;
        case QLocale::Liechtenstein: return 5;
        default: return 1;
    }
}

}  // namespace

QString languageLibraryFor(int primary, int sub) {
    switch (primary) {
        case kChinese:
            if (sub == 1 || sub == 3 || sub == 5) return QStringLiteral("TraditionalChinese.qm");
            if (sub == 2 || sub == 4) return QStringLiteral("SimplifiedChinese.qm");
            return {};
        case kGerman: return QStringLiteral("German.qm");
        case kSpanish: return QStringLiteral("Spanish.qm");
        case kFrench: return QStringLiteral("French.qm");
        case kHungarian: return QStringLiteral("Hungarian.qm");
        case kItalian: return QStringLiteral("Italian.qm");
        case kJapanese: return QStringLiteral("Japanese.qm");
        case kKorean: return QStringLiteral("Korean.qm");
        case kPolish: return QStringLiteral("Polish.qm");
        case kRussian: return QStringLiteral("Russian.qm");
        default: return {};
    }
}

LanguageId languageIdForLocale(const QLocale& locale) {
    const auto territory = locale.territory();
    switch (locale.language()) {
        case QLocale::Chinese: return {kChinese, chineseSubLanguage(territory)};
        case QLocale::German: return {kGerman, germanSubLanguage(territory)};
        case QLocale::English: return {kEnglish, 1};
        case QLocale::Spanish: return {kSpanish, 1};
        case QLocale::French: return {kFrench, 1};
        case QLocale::Hungarian: return {kHungarian, 1};
        case QLocale::Italian: return {kItalian, 1};
        case QLocale::Japanese: return {kJapanese, 1};
        case QLocale::Korean: return {kKorean, 1};
        case QLocale::Dutch: return {kDutch, 1};
        case QLocale::Polish: return {kPolish, 1};
        case QLocale::Russian: return {kRussian, 1};
        default: return {};
    }
}

}  // namespace corvane::app
