// The files kept beside the printers: the history (appends from two programs
// at once, lines that cannot be read, a history that cannot be written) and
// profiles (what is refused and with which field, the way back from JSON, the
// modes files are written with).
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "history/history_log.h"
#include "history/readable_changes.h"
#include "profile/private_file.h"
#include "profile/profile_file.h"
#include "support/sample_records.h"

namespace corvane {
namespace {

using namespace history;
using namespace profile;

Entry Numbered(const QString& writer, int n) {
    Entry e;
    e.time = QDateTime(QDate(2024, 5, 1), QTime(9, 30), Qt::UTC);
    e.frontEnd = kCommandLine;
    e.action = "link save";
    e.linkPort = writer;
    e.mac = "00-11-22-AA-BB-CC";
    // Long enough that a torn write would show.
    e.changes = {{"ssid", QString(200, QLatin1Char('a')), QString::number(n)}, {"pskKey", {}, {}, true}};
    e.outcome = kConfirmed;
    return e;
}

mode_t Mode(const QString& path) {
    struct stat info {};
    EXPECT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0) << path.toStdString();
    return info.st_mode & 07777;
}

// Appends from two programs at once keep every line whole and in each
// writer's order; the file and its folder are the user's alone.
TEST(HistoryLog, TwoProgramsAppendingAtOnceLoseAndTearNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("state/corvane/history.jsonl"));
    constexpr int kLines = 500;
    // This program and a child of it write at once.
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    const int writer = child == 0 ? 1 : 0;
    bool ok = true;
    for (int n = 0; n < kLines; ++n) {
        QString error;
        ok = appendEntry(Numbered(QString::number(writer), n), &error, path) && ok;
    }
    if (child == 0) ::_exit(ok ? 0 : 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);

    const Log log = readLog(path);
    ASSERT_EQ(log.entries.size(), 2 * kLines) << log.warnings.join('\n').toStdString();  // none torn
    int next[2] = {0, 0};
    for (const Entry& e : log.entries) {
        const int w = e.linkPort.toInt();
        EXPECT_EQ(e.changes[0].after, QString::number(next[w]++));  // each writer's lines in its order
    }
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(Mode(dir.filePath(QStringLiteral("state/corvane"))), 0700u);
}

// A line that cannot be read is named and skipped; a cut-short last line does
// not swallow the next append; a history that cannot be written says why.
TEST(HistoryLog, UnreadableLinesAreSkippedLinksRefusedAndWhatAFullDiskCutTakenBack) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("history.jsonl"));
    QString error;
    ASSERT_TRUE(appendEntry(Numbered("a", 1), &error, path));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("{\"time\": \"yesterday\", \"outcome\": \"confirmed\", \"changes\": []}\n");
    // A line from before the SNMP write community counted as secret.
    Entry old = Numbered("b", 2);
    old.changes = {{QStringLiteral("setCommunity"), QStringLiteral("public"), QStringLiteral("s3cret"), false}};
    file.write(entryLine(old));
    file.write(entryLine(Numbered("c", 3)).left(40));  // cut short, no newline
    file.close();
    // The next line starts on a line of its own.
    ASSERT_TRUE(appendEntry(Numbered("d", 4), &error, path));

    const Log log = readLog(path);
    ASSERT_EQ(log.entries.size(), 3);
    EXPECT_EQ(log.entries[1].linkPort, "b");
    ASSERT_EQ(log.entries[1].changes.size(), 1);
    EXPECT_TRUE(log.entries[1].changes[0].secret);
    EXPECT_TRUE(log.entries[1].changes[0].after.isEmpty());
    EXPECT_EQ(log.entries[2].linkPort, "d");
    ASSERT_EQ(log.warnings.size(), 2);
    EXPECT_TRUE(log.warnings[0].startsWith(QStringLiteral("line 2 of "))) << log.warnings[0].toStdString();
    EXPECT_TRUE(log.warnings[1].startsWith(QStringLiteral("line 4 of "))) << log.warnings[1].toStdString();
    EXPECT_EQ(filterEntries(log.entries, QStringLiteral("0011.22aabbcc"), {}).size(), 0);

    // A folder where the file should be: the history says why it cannot be written.
    const QString blocked = dir.filePath(QStringLiteral("history.jsonl/history.jsonl"));
    EXPECT_FALSE(appendEntry(Numbered("e", 5), &error, blocked));
    EXPECT_FALSE(error.isEmpty());

    // An append never goes through a link into another file, and one cut
    // short by a full disk (here: a file size limit) leaves no part of its
    // line behind.
    const QString elsewhere = dir.filePath(QStringLiteral("elsewhere"));
    QFile other(elsewhere);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.close();
    const QString linked = dir.filePath(QStringLiteral("linked.jsonl"));
    ASSERT_TRUE(QFile::link(elsewhere, linked));
    EXPECT_FALSE(appendEntry(Numbered("a", 1), &error, linked));
    EXPECT_EQ(error, linked + QStringLiteral(" is a symbolic link; the history is not written through links"));
    EXPECT_EQ(QFileInfo(elsewhere).size(), 0);

    const QString full = dir.filePath(QStringLiteral("full.jsonl"));
    ASSERT_TRUE(appendEntry(Numbered("b", 2), &error, full));
    const qint64 whole = QFileInfo(full).size();
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit room{static_cast<rlim_t>(whole + 100), static_cast<rlim_t>(whole + 100)};
        ::setrlimit(RLIMIT_FSIZE, &room);
        QString childError;
        ::_exit(appendEntry(Numbered("c", 3), &childError, full) ? 1 : 0);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);  // the append failed
    EXPECT_EQ(QFileInfo(full).size(), whole);
    const Log after = readLog(full);
    EXPECT_EQ(after.entries.size(), 1);
    EXPECT_TRUE(after.warnings.isEmpty()) << after.warnings.join('\n').toStdString();
}

// CSV quotes commas, quotes and line breaks, and names a secret without its value.
TEST(HistoryLog, CsvQuotesWhatNeedsItAndReadableChangesNameTheCodes) {
    Entry e = Numbered("/dev/ttyUSB0", 0);
    e.changes = {{QStringLiteral("ssid"), QStringLiteral("a,b"), QStringLiteral("say \"hi\""), false},
                 {QStringLiteral("pskKey"), {}, {}, true}};
    e.message = QStringLiteral("two\nlines");
    EXPECT_EQ(QString::fromUtf8(csv({e})),
              QStringLiteral("time,frontEnd,action,way,mac,changes,outcome,message\r\n"
                             "2024-05-01T09:30:00.000Z,cli,link save,link /dev/ttyUSB0,00-11-22-AA-BB-CC,"
                             "\"ssid: a,b → say \"\"hi\"\"; pskKey: changed\",confirmed,\"two\nlines\"\r\n"));

    // The table and the window name the codes of the record's lists as the
    // pages do; a value new to the printer stands alone; the CSV keeps the codes.
    e.changes = {{QStringLiteral("authentication"), QStringLiteral("3"), QStringLiteral("0"), false},
                 {QStringLiteral("httpsEnabled"), QStringLiteral("1"), QStringLiteral("0"), false},
                 {QStringLiteral("cipher"), QStringLiteral("4"), QStringLiteral("9"), false},
                 {QStringLiteral("printerPort"), QStringLiteral("9100"), QStringLiteral("9101"), false},
                 {QStringLiteral("certificate"), {}, QStringLiteral("ca, 1107 bytes"), false}};
    EXPECT_EQ(readableChangesText(e),
              QStringLiteral("authentication: WPA2-PSK → Open System; httpsEnabled: Enable → Disable; "
                             "cipher: AES → Unknown (9); printerPort: 9100 → 9101; certificate: ca, 1107 bytes"));
    EXPECT_TRUE(QString::fromUtf8(csv({e})).contains(QStringLiteral("authentication: 3 → 0")));
}

// A profile file holding these settings.
QByteArray Holding(const char* config) {
    return QByteArray(R"({"format": "corvane-profile/1", "config": {)") + config + "}}";
}

// A profile file that is refused says which key or field and why.
TEST(ProfileFile, RefusesWithTheFieldsNameComesBackAsWrittenAndSecretFilesArePrivate) {
    const std::pair<QByteArray, QString> cases[] = {
        {"[]", "the file must hold one JSON object"},
        {R"({"format": "corvane-profile/2", "config": {}})", "\"format\" must be \"corvane-profile/1\""},
        {R"({"format": "corvane-profile/1", "layout": "newer", "config": {}})",
         "unknown key \"layout\" (a profile holds \"format\" and \"config\")"},
        {Holding(R"("colour": 1)"), "\"colour\" is not a setting of a profile"},
        // A key given twice, even spelt with an escape; the same key in
        // another object is no duplicate (but not a setting either).
        {Holding(R"("ssid": "a", "ssid": "b")"), "the key \"ssid\" appears more than once"},
        {Holding(R"("ssid": "a", "\u0073sid": "b")"), "the key \"ssid\" appears more than once"},
        {Holding(R"("format": "x")"), "\"format\" is not a setting of a profile"},
        {Holding(R"("printerName": "x")"), "\"printerName\" belongs to one printer and is never part of a profile"},
        {Holding(R"("ssid": 5)"), "\"ssid\" must be a text"},
        {Holding(R"("cipher": "AES")"), "\"cipher\" must be a whole number"},
        {Holding(R"("cipher": 1.5)"), "\"cipher\" must be a whole number"},
        {Holding(R"("cipher": 6)"), "\"cipher\" must be a whole number from 0 to 5"},
        {Holding(R"("trapAddress": "10.0.0")"),
         "\"trapAddress\" must be a dotted IPv4 address such as \"192.168.0.10\""},
        {Holding(R"("ssid": "123456789012345678901234567890123")"), "\"ssid\" is longer than its 32 bytes"},
    };
    for (const auto& [json, expected] : cases) {
        QString error;
        EXPECT_FALSE(parseProfile(json, &error)) << json.toStdString();
        EXPECT_EQ(error, expected) << json.toStdString();
    }
    QString error;
    EXPECT_FALSE(parseSecrets(Holding(R"("ssid": "x")"), &error));
    EXPECT_TRUE(error.startsWith("\"ssid\" is not a secret")) << error.toStdString();

    // A profile comes back from its JSON as it was; a file with secrets is private.
    const auto full = rules::MakeProfile(test::SampleRecord(), link::ConfigLayout::Newer, {true, true});
    EXPECT_EQ(parseProfile(profileJson(full), &error), full) << error.toStdString();
    EXPECT_TRUE(holdsSecrets(full));

    // Replacing a file that others could read leaves none that they can, and
    // no temporary file.
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.json");
    ASSERT_TRUE(writeWholeFile(path, "{}", false, &error)) << error.toStdString();
    ASSERT_TRUE(writeWholeFile(path, profileJson(full), true, &error)) << error.toStdString();
    EXPECT_EQ(Mode(path), 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace corvane
