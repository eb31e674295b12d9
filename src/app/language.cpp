#include "app/language.h"

#include <array>

#include <QRegularExpression>
#include <QStringList>

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

// The script and territory codes a POSIX locale name ("zh_TW.UTF-8@mod",
// also "zh-Hant-TW") gives, empty where it gives none.
struct NameParts {
    QString script, territory;
};

NameParts splitLocaleName(const QString& name) {
    const QString bare = name.section(QLatin1Char('@'), 0, 0).section(QLatin1Char('.'), 0, 0);
    const QStringList parts = bare.split(QRegularExpression(QStringLiteral("[_-]")));
    NameParts result;
    for (qsizetype i = 1; i < parts.size(); ++i) {
        // Scripts have four letters (Hant), territories two letters or three digits.
        (parts[i].size() == 4 ? result.script : result.territory) = parts[i];
    }
    return result;
}

// True when `maybe` (from LANGUAGE) names another language than `known`, or
// a script or territory that `known` does not name as well.
bool contradicts(const QString& maybe, const QString& known) {
    if (maybe.isEmpty()) return false;
    if (QLocale(maybe).language() != QLocale(known).language()) return true;
    const NameParts m = splitLocaleName(maybe);
    const NameParts k = splitLocaleName(known);
    const auto differs = [](const QString& a, const QString& b) {
        return !a.isEmpty() && a.compare(b, Qt::CaseInsensitive) != 0;
    };
    return differs(m.script, k.script) || differs(m.territory, k.territory);
}

constexpr std::array kCatalogs{
    Catalog{"TraditionalChinese", "zh_TW"},
    Catalog{"SimplifiedChinese", "zh_CN"},
    Catalog{"German", "de_DE"},
    Catalog{"Spanish", "es_ES"},
    Catalog{"French", "fr_FR"},
    Catalog{"Hungarian", "hu_HU"},
    Catalog{"Italian", "it_IT"},
    Catalog{"Japanese", "ja_JP"},
    Catalog{"Korean", "ko_KR"},
    Catalog{"Polish", "pl_PL"},
    Catalog{"Russian", "ru_RU"},
};

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

QString languageLibraryFor(const QLocale& locale) {
    const LanguageId id = languageIdForLocale(locale);
    return languageLibraryFor(id.primary, id.sub);
}

std::span<const Catalog> catalogs() { return kCatalogs; }

QLocale messagesLocale(const std::function<QString(const char*)>& variable) {
    QString name = variable("LC_ALL");
    if (name.isEmpty()) name = variable("LC_MESSAGES");
    if (name.isEmpty()) name = variable("LANG");
    if (name.isEmpty() || name == QLatin1String("C") || name == QLatin1String("POSIX")) return QLocale::c();
    const QString language = variable("LANGUAGE").section(QLatin1Char(':'), 0, 0);
    return QLocale(contradicts(language, name) ? language : name);
}

std::optional<QLocale> localeForLanguageName(const QString& name) {
    if (name.compare(QLatin1String("en"), Qt::CaseInsensitive) == 0 ||
        name.compare(QLatin1String("English"), Qt::CaseInsensitive) == 0) {
        return QLocale(QLocale::English);
    }
    for (const Catalog& catalog : kCatalogs) {
        if (name.compare(QLatin1String(catalog.name), Qt::CaseInsensitive) == 0)
            return QLocale(QString::fromLatin1(catalog.locale));
    }
    if (name.isEmpty()) return std::nullopt;
    // QLocale reads anything it cannot place as the C locale.
    const QLocale locale(name);
    if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) return std::nullopt;
    return locale;
}

}  // namespace corvane::app
