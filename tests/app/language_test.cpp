// Every language: the catalog the environment or --language chooses, its
// texts in place of the built-in ones, each shipped catalog keeping up with
// the sources, and every window at the size it opens with: no label, button,
// group title, tab or column title narrower than its text, none behind
// scroll arrows (every window is placed by layouts, so a text that fits is
// not under a neighbour either). A language whose words are longer must make
// the window grow, not cut them. Each input has a name a screen reader can
// say, each button and named label an Alt letter of its own, each window its
// own title.
#include <gtest/gtest.h>

#include <map>

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>
#include <QStyle>
#include <QTemporaryDir>
#include <QTabBar>
#include <QToolButton>
#include <QWindow>

#include "app/config_app.h"
#include "app/language.h"
#include "app/launcher_dialog.h"
#include "lan/device_lists.h"
#include "lan/modal.h"
#include "lan/ui/assign_addresses_dialog.h"
#include "lan/ui/bss_info_dialog.h"
#include "lan/ui/device_list_dialog.h"
#include "lan/ui/lan_settings_dialog.h"
#include "lan/ui/local_address_dialog.h"
#include "lan/ui/search_dialog.h"
#include "link/string_table.h"
#include "provision/ui/provision_dialog.h"
#include "support/sample_records.h"
#include "transport/direct_link.h"
#include "direct/ui/config_tab_ctrl.h"
#include "direct/ui/direct_config_dialog.h"
#include "direct/ui/secrets_dialog.h"
#include "direct/ui/settings_summary_dialog.h"
#include "widgets/messages.h"
#include "widgets/translation.h"
#include "widgets/window_access.h"

namespace corvane::app {
namespace {

using widgets::stringText;

QString nameOf(const QWidget* w) {
    const QString kind = QString::fromLatin1(w->metaObject()->className());
    return w->objectName().isEmpty() ? kind : kind + QLatin1Char(' ') + w->objectName();
}

// The environment as the system sets it, or --language, through the
// language table to the real catalog files beside the program: which
// variable wins, the Chinese territories, a catalog name in any case, and
// the locales that keep the built-in texts. The first directory holding the
// catalog wins (an installed tool has none beside the program); its texts
// replace the built-in ones until the app object goes.
TEST(ConfigApp, EnvironmentOrCommandLineChoosesTheCatalog) {
    const std::pair<const char*, const char*> cases[] = {
        {"LANG=zh_HK.UTF-8", "TraditionalChinese.qm"},
        {"LANG=zh_SG.UTF-8", "SimplifiedChinese.qm"},
        {"LANG=en_US.UTF-8 LC_MESSAGES=zh_CN.UTF-8", "SimplifiedChinese.qm"},
        {"LANG=en_US.UTF-8 LANGUAGE=ja:en", "Japanese.qm"},
        {"LC_ALL=pl_PL.UTF-8 LC_MESSAGES=fr_FR.UTF-8 LANG=de_DE.UTF-8", "Polish.qm"},
        // LANGUAGE that says less than LANG keeps LANG's territory.
        {"LANG=zh_TW.UTF-8 LANGUAGE=zh", "TraditionalChinese.qm"},
        {"LANG=zh_CN.UTF-8 LANGUAGE=zh_TW:zh", "TraditionalChinese.qm"},
        // The C locale ignores LANGUAGE.
        {"LANG=C LANGUAGE=de", ""},
        {"LANG=de_DE.UTF-8 LC_ALL=C", ""},
        {"LANG=nl_NL.UTF-8", ""},
        {"", ""},
        {"--language=german", "German.qm"},
        {"--language=zh_HK", "TraditionalChinese.qm"},
    };
    const QString english = stringText(kSelectDevice);
    for (const auto& [setting, library] : cases) {
        QMap<QString, QString> env;
        for (const QString& pair : QString::fromLatin1(setting).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            env[pair.section(QLatin1Char('='), 0, 0)] = pair.section(QLatin1Char('='), 1);
        const QLocale locale = env.contains("--language")
                                   ? localeForLanguageName(env["--language"]).value_or(QLocale::c())
                                   : messagesLocale([&env](const char* name) { return env.value(name); });
        ConfigApp configApp;
        EXPECT_EQ(
            configApp.loadLanguage(locale, {QStringLiteral("/nonexistent"), QCoreApplication::applicationDirPath()}),
            *library != '\0')
            << setting;
        EXPECT_EQ(configApp.languageLibrary(), QString::fromLatin1(library)) << setting;
        if (configApp.languageLibrary() == QLatin1String("German.qm")) {
            EXPECT_EQ(stringText(kSelectDevice), QStringLiteral("Bitte wählen Sie ein Gerät in der Liste aus."));
            EXPECT_EQ(QCoreApplication::translate("LauncherDialog", "Exit"), QStringLiteral("Beenden"));
        }
        // Counts take the language's plural forms; English has its own two.
        const auto found = [](int n) {
            return widgets::counted(QCoreApplication::translate("DeviceListDialog", "%n printer(s) found.", nullptr, n),
                                    n);
        };
        if (configApp.languageLibrary() == QLatin1String("Polish.qm")) {
            EXPECT_EQ(QStringList({found(1), found(3), found(5)}),
                      QStringList({"Znaleziono 1 drukarkę.", "Znaleziono 3 drukarki.", "Znaleziono 5 drukarek."}));
        } else if (configApp.languageLibrary().isEmpty()) {
            EXPECT_EQ(QStringList({found(1), found(0)}), QStringList({"1 printer found.", "0 printers found."}));
        }
    }
    EXPECT_FALSE(ConfigApp().loadLanguage(QLocale(QStringLiteral("de_DE")), {QStringLiteral("/nonexistent")}));
    EXPECT_EQ(stringText(kSelectDevice), english);
    for (const char* invalid : {"Klingon", ""}) EXPECT_FALSE(localeForLanguageName(QString::fromLatin1(invalid)));
    // The Chinese sub-languages the table does not name have no catalog.
    for (const int sub : {0, 6}) EXPECT_EQ(languageLibraryFor(4, sub), QString()) << sub;
}

// Where a text of `window` cannot be read whole.
QStringList layoutFaults(const QWidget& window) {
    QStringList faults;
    const auto check = [&faults](const QWidget* w, const QString& text, QSize needs) {
        if (w->width() < needs.width() || w->height() < needs.height())
            faults << QStringLiteral("%1 \"%2\" is cut").arg(nameOf(w), text);
    };
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisible() || w->isWindow()) continue;
        if (const auto* label = qobject_cast<const QLabel*>(w); label && !label->text().isEmpty()) {
            check(w, label->text(),
                  label->wordWrap() ? QSize(0, label->heightForWidth(label->width())) : label->sizeHint());
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(w); button && !button->text().isEmpty()) {
            check(w, button->text(), button->sizeHint());
        } else if (const auto* group = qobject_cast<const QGroupBox*>(w); group && !group->title().isEmpty()) {
            // A group box's minimum width is its title's.
            check(w, group->title(), QSize(group->minimumSizeHint().width(), 0));
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(w);
                   edit && edit->echoMode() == QLineEdit::Password && edit->maxLength() <= 16) {
            // A short secret (a PIN) shows every one of its hidden characters.
            const QChar dot(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit));
            check(w, edit->objectName(),
                  QSize(edit->fontMetrics().horizontalAdvance(QString(edit->maxLength(), dot)) + 8, 0));
        } else if (const auto* bar = qobject_cast<const QTabBar*>(w)) {
            // Narrower than every tab side by side means scroll arrows or cut tabs.
            check(w, bar->tabText(bar->count() - 1), QSize(bar->sizeHint().width(), 0));
        } else if (const auto* header = qobject_cast<const QHeaderView*>(w);
                   header && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                const int right = header->sectionViewportPosition(i) + header->sectionSize(i);
                if (!header->isSectionHidden(i) &&
                    (header->sectionSize(i) < header->sectionSizeHint(i) || right > header->viewport()->width()))
                    faults << QStringLiteral("%1 column \"%2\" is cut")
                                  .arg(nameOf(w), header->model()->headerData(i, Qt::Horizontal).toString());
            }
        }
    }
    // A control drawn over another: one placed by hand, or added after its
    // layout was set up. (The parts of lists, combo and spin boxes are theirs.)
    std::vector<std::pair<const QWidget*, QRect>> controls;
    for (const QWidget* w : window.findChildren<QWidget*>()) {
        const bool control = qobject_cast<const QLabel*>(w) || qobject_cast<const QAbstractButton*>(w) ||
                             qobject_cast<const QLineEdit*>(w);
        if (!control || !w->isVisible() || w->isWindow() || qobject_cast<const QAbstractItemView*>(w->parentWidget()) ||
            qobject_cast<const QComboBox*>(w->parentWidget()) ||
            qobject_cast<const QAbstractSpinBox*>(w->parentWidget()) || qobject_cast<const QTabBar*>(w->parentWidget()))
            continue;
        const QRect drawn(w->mapTo(&window, QPoint(0, 0)), w->size());
        for (const auto& [other, rect] : controls) {
            if (drawn.intersects(rect) && !w->isAncestorOf(other) && !other->isAncestorOf(w))
                faults << QStringLiteral("%1 is drawn over %2").arg(nameOf(w), nameOf(other));
        }
        controls.emplace_back(w, drawn);
    }
    return faults;
}

// Buttons of Qt's own dialogs in `window` that still read in English.
QStringList englishStandardButtons(const QWidget& window) {
    QStringList english;
    for (const auto* box : window.findChildren<QDialogButtonBox*>()) {
        for (const QAbstractButton* button : box->buttons()) {
            const QString text = QString(button->text()).remove(QLatin1Char('&'));
            for (const char* word : {"Cancel", "Save", "Discard", "Close", "Yes", "No", "Apply"})
                if (text == QLatin1String(word)) english << text;
        }
    }
    return english;
}

// What a screen reader or the keyboard cannot reach in `window`: an input
// without a name, a button or a label naming an input without an Alt letter
// while one of its letters is free, a digit or a letter after the colon, a
// letter used twice; and a title that is not the window's own.
QStringList accessFaults(const QWidget& window) {
    QStringList faults;
    std::map<std::pair<QWidget*, QChar>, QString> letters;
    std::vector<std::pair<QWidget*, QString>> without;  // scope and text of the controls without a letter
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (w->window() != &window || qobject_cast<QHeaderView*>(w) || qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget()))
            continue;
        if (qobject_cast<QLineEdit*>(w) || qobject_cast<QComboBox*>(w) || qobject_cast<QAbstractSpinBox*>(w) ||
            qobject_cast<QAbstractItemView*>(w)) {
            QAccessibleInterface* named = QAccessible::queryAccessibleInterface(w);
            if (!named || named->text(QAccessible::Name).trimmed().isEmpty())
                faults << nameOf(w) + QStringLiteral(" has no name");
        }
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w); label && label->buddy()) text = label->text();
        else if (auto* button = qobject_cast<QAbstractButton*>(w);
                 button && !qobject_cast<QToolButton*>(w) && !qobject_cast<QTabBar*>(w->parentWidget()))
            text = button->text();
        if (text.trimmed().isEmpty()) continue;
        QWidget* scope = widgets::mnemonicScope(w);
        const QChar letter = widgets::mnemonicOf(text);
        if (letter.isNull()) {
            without.emplace_back(scope, text);
            continue;
        }
        static const QRegularExpression afterColon(QStringLiteral("[:：].*&"));
        if (!letter.isLetter() || afterColon.match(text).hasMatch())
            faults << QStringLiteral("%1 \"%2\" has a letter that reads as part of it").arg(nameOf(w), text);
        // Unique on its page and against the window's own controls.
        for (QWidget* clash : {scope, static_cast<QWidget*>(nullptr)}) {
            if (const auto it = letters.find({clash, letter}); it != letters.end()) {
                faults << QStringLiteral("Alt+%1 on both \"%2\" and \"%3\"").arg(letter).arg(it->second, text);
                break;
            }
        }
        letters.emplace(std::pair{scope, letter}, text);
    }
    // Without a letter only where each of its own is taken.
    for (const auto& [scope, text] : without) {
        for (const QChar c : text) {
            const QChar upper = c.toUpper();
            if (c.unicode() < 128 && c.isLetter() && !letters.count({scope, upper}) &&
                !letters.count({nullptr, upper})) {
                faults << QStringLiteral("\"%1\" has no Alt letter, though %2 is free").arg(text).arg(upper);
                break;
            }
        }
    }
    if (window.windowHandle() && window.windowHandle()->title() != window.windowTitle())
        faults << QStringLiteral("titled \"%1\", not \"%2\"").arg(window.windowHandle()->title(), window.windowTitle());
    return faults;
}

// The catalog `name` as lupdate leaves it once brought up to date with the
// sources, in a scratch copy: a text new in the sources comes in unfinished,
// a text gone from them stays as vanished. Empty when lupdate fails.
QString UpdatedCatalog(const QString& name, QString* error) {
    QTemporaryDir scratch;
    const QString path = scratch.filePath(QStringLiteral("catalog.ts"));
    QFile::copy(QStringLiteral(CORVANE_SOURCE_DIR "/res/translations/%1.ts").arg(name), path);
    QProcess lupdate;
    lupdate.start(QStringLiteral(CORVANE_LUPDATE),
                  {QStringLiteral(CORVANE_SOURCE_DIR "/src"), QStringLiteral(CORVANE_SOURCE_DIR "/res"),
                   QStringLiteral("-locations"), QStringLiteral("none"), QStringLiteral("-ts"), path});
    QFile file(path);
    if (!lupdate.waitForFinished(60000) || lupdate.exitCode() != 0 || !file.open(QIODevice::ReadOnly)) {
        *error = QString::fromLocal8Bit(lupdate.readAllStandardError());
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// What a translation must carry over: %1-style placeholders and line breaks.
QStringList shape(const QString& text) {
    QStringList parts;
    static const QRegularExpression placeholder(QStringLiteral("%L?\\d+"));
    for (const auto& match : placeholder.globalMatch(text)) parts << match.captured();
    parts.sort();
    parts << QString::number(text.count(QLatin1Char('\n')));
    return parts;
}

// Checks `window` once it is on screen and laid out: a window that grows to
// its contents' minimum lays its children out again, so wait until its size
// holds still.
void expectFits(QWidget& window, const QString& what) {
    for (int round = 0; round < 5; ++round) {
        const QSize before = window.size();
        QCoreApplication::processEvents();
        if (window.size() == before && round > 0) break;
    }
    const QStringList faults = layoutFaults(window) + accessFaults(window);
    EXPECT_TRUE(faults.isEmpty()) << what.toStdString() << " at " << window.width() << "x" << window.height() << ":\n  "
                                  << faults.join(QStringLiteral("\n  ")).toStdString();
}

// Every window against loopback, where nothing answers: the windows only
// need to run.
const transport::LanEndpoints kLoopback{
    .target = "127.0.0.1", .remotePort = 9, .localPort = 0, .localAddress = "127.0.0.1", .printerHost = "127.0.0.1"};
constexpr link::ListMode kModes[] = {link::ListMode::Ethernet, link::ListMode::Wlan};

class LayoutFit : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        ASSERT_TRUE(
            configApp_.chooseLanguage(QString::fromLatin1(GetParam()), {QCoreApplication::applicationDirPath()}));
        for (const auto mode : kModes) {
            lan::devicesFor(mode).clearDevices();
            link::DiscoveredDevice device;
            device.mode = mode;
            lan::devicesFor(mode).appendDevice(device);
        }
    }
    void TearDown() override {
        for (const auto mode : kModes) lan::devicesFor(mode).clearDevices();
    }

    ConfigApp configApp_;
    widgets::MessageCapture messages_;
};

// Shows `window` (modal ones as they run) and checks it.
void expectFits(QDialog& window, const QString& what, bool modal) {
    if (!modal) {
        window.show();
        return expectFits(static_cast<QWidget&>(window), what);
    }
    test::execWith(window, [&] {
        expectFits(static_cast<QWidget&>(window), what);
        window.reject();
    });
}

TEST_P(LayoutFit, EveryWindowShowsEveryTextWhole) {
    LauncherDialog launcher;
    expectFits(launcher, QStringLiteral("launcher"), false);
    for (const auto mode : kModes) {
        const QString list = mode == link::ListMode::Wlan ? QStringLiteral("WLAN") : QStringLiteral("Ethernet");
        lan::DeviceListDialog devices(mode, nullptr, kLoopback);
        expectFits(devices, list + QStringLiteral(" device list"), false);
        lan::LanSettingsDialog settings(mode, 1, "127.0.0.1", "127.0.0.255", nullptr, kLoopback);
        expectFits(settings, list + QStringLiteral(" settings"), true);
        lan::SearchDialog search(mode, "127.0.0.1", "127.0.0.255", nullptr, kLoopback);
        expectFits(search, list + QStringLiteral(" search"), false);
        search.reject();
    }
    lan::LocalAddressDialog addresses(nullptr,
                                      transport::LocalAddressModel(
                                          [] {
                                              return transport::LocalAddresses{{"192.168.100.200", "enp0s31f6", {}}};
                                          },
                                          [] { return QStringLiteral("workshop-pc"); }));
    expectFits(addresses, QStringLiteral("local address"), true);
    lan::BssInfoDialog survey("127.0.0.1", nullptr, kLoopback);
    survey.setStartDelay(3600 * 1000);  // the window only, no survey
    expectFits(survey, QStringLiteral("BSS information"), false);
    direct::SettingsSummaryDialog summary(test::SampleRecord(), link::ConfigLayout::Newer);
    expectFits(summary, QStringLiteral("settings summary"), false);
    direct::SecretsDialog secrets({"wepKey", "pskKey", "authPassword", "p2pPinCode"});
    expectFits(secrets, QStringLiteral("profile secrets"), false);
    provision::ProvisionDialog provisioning;
    expectFits(provisioning, QStringLiteral("provisioning"), false);
    lan::SearchSetup setup;
    setup.localAddress = QStringLiteral("127.0.0.1");
    setup.endpoints = kLoopback;
    lan::AssignAddressesDialog assign(setup, {{0x00, 0x11, 0x62, 0x0A, 0x00, 0x01}}, lan::VerifyTiming{});
    expectFits(assign, QStringLiteral("assign addresses"), false);

    transport::DirectLink port;
    direct::DirectConfigOptions options;
    options.port = &port;
    options.serialPorts = [] { return std::vector<transport::SerialPortEntry>{}; };
    direct::DirectConfigDialog dialog(options);
    dialog.show();
    for (int tab = 0; tab < dialog.tabs()->count(); ++tab) {
        dialog.tabs()->setCurrentIndex(tab);
        // The pages hide some controls by state; show them all at once.
        for (QWidget* control : dialog.tabs()->widget(tab)->findChildren<QWidget*>())
            if (!control->isWindow()) control->show();
        expectFits(dialog, QStringLiteral("direct configuration, tab ") + dialog.tabs()->tabText(tab));
    }
    // A value shown in a label has its row's name, not its group's title.
    for (const char* value : {"firmwareVersion", "updateDate", "macAddress"})
        EXPECT_FALSE(dialog.findChild<QLabel*>(QLatin1String(value))->accessibleName().isEmpty()) << value;

    // Qt's own dialogs speak the window's language (Debian: qt6-translations-l10n).
    if (QLatin1String(GetParam()) == QLatin1String("en")) return;
    QMessageBox prompt(QMessageBox::Question, {}, {}, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel);
    QInputDialog input;
    input.show();
    EXPECT_EQ(englishStandardButtons(prompt) + englishStandardButtons(input), QStringList())
        << "is qt6-translations-l10n installed?";
}

// Each shipped catalog holds exactly the texts of the sources, every one
// translated, with the source's placeholders and line breaks: a text added to
// the sources fails here until every language has it. lupdate files a text
// under the class or the literal context it is looked up with; a namespace as
// context means a tr() the running program resolves under another name, so
// the text would never show translated.
// English is the sources' own text and has no catalog.
class ShippedCatalog : public LayoutFit {};

TEST_P(ShippedCatalog, HoldsEverySourceTextTranslated) {
    QString error;
    const QString catalog = UpdatedCatalog(QString::fromLatin1(GetParam()), &error);
    ASSERT_FALSE(catalog.isEmpty()) << "lupdate failed: " << error.toStdString();
    static const QRegularExpression message(
        QStringLiteral(R"(<source>(.*?)</source>.*?<translation( type="\w+")?>(.*?)</translation>)"),
        QRegularExpression::DotMatchesEverythingOption);
    // Chinese and Japanese text takes full-width colons and its own full stop.
    static const QRegularExpression asciiPunctuation(
        QStringLiteral("[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}] ?:|: ?[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}]|"
                       "[\\x{3040}-\\x{30ff}\\x{3400}-\\x{9fff}]\\.(?!\\.)"));
    static const QRegularExpression numerusForm(QStringLiteral("<numerusform>(.*?)</numerusform>"));
    QStringList faults;
    int count = 0;
    for (const auto& match : message.globalMatch(catalog)) {
        ++count;
        // A count's text has a translation per plural form, each with the source's shape.
        QStringList forms;
        for (const auto& form : numerusForm.globalMatch(match.captured(3))) forms << form.captured(1);
        if (forms.isEmpty()) forms << match.captured(3);
        if (!match.captured(2).isEmpty() || forms.contains(QString()))
            faults << QStringLiteral("%1 (run the update_translations target): %2")
                          .arg(match.captured(2), match.captured(1));
        for (const QString& form : forms) {
            if (!form.isEmpty() && shape(form) != shape(match.captured(1)))
                faults << QStringLiteral("placeholders or line breaks differ: ") + match.captured(1);
            if (asciiPunctuation.match(form).hasMatch()) faults << QStringLiteral("ASCII colon or period: ") + form;
        }
    }
    static const QRegularExpression context(QStringLiteral("<name>(.*)</name>"));
    for (const auto& match : context.globalMatch(catalog)) {
        const QString last = match.captured(1).section(QStringLiteral("::"), -1);
        if (last.isEmpty() || !last.front().isUpper()) faults << QStringLiteral("context ") + match.captured(1);
    }
    EXPECT_GT(count, 200);
    EXPECT_EQ(count, catalog.count(QStringLiteral("<message")));
    EXPECT_TRUE(faults.isEmpty()) << faults.size() << " in " << GetParam() << ":\n  "
                                  << faults.first(std::min<qsizetype>(faults.size(), 20)).join("\n  ").toStdString();
}

std::vector<const char*> languages(bool withEnglish) {
    std::vector<const char*> names;
    if (withEnglish) names.push_back("en");
    for (const Catalog& catalog : catalogs()) names.push_back(catalog.name);
    return names;
}

std::string languageName(const testing::TestParamInfo<const char*>& param) { return param.param; }

INSTANTIATE_TEST_SUITE_P(Languages, LayoutFit, testing::ValuesIn(languages(true)), languageName);
INSTANTIATE_TEST_SUITE_P(Languages, ShippedCatalog, testing::ValuesIn(languages(false)), languageName);

}  // namespace
}  // namespace corvane::app
