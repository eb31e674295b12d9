// Profile files: what is refused and with which field, the way back from
// JSON, and the modes files are written with.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>

#include "profile/private_file.h"
#include "profile/profile_file.h"
#include "support/sample_records.h"

namespace corvane::profile {
namespace {

// A profile file holding these settings.
QByteArray Holding(const char* config) {
    return QByteArray(R"({"format": "corvane-profile/1", "config": {)") + config + "}}";
}

TEST(ProfileFile, RefusesWithTheFieldsName) {
    const std::pair<QByteArray, QString> cases[] = {
        {"[]", "the file must hold one JSON object"},
        {R"({"config": {}})", "\"format\" must be \"corvane-profile/1\""},
        {R"({"format": "corvane-profile/2", "config": {}})", "\"format\" must be \"corvane-profile/1\""},
        {R"({"format": "corvane-profile/1", "layout": "newer", "config": {}})",
         "unknown key \"layout\" (a profile holds \"format\" and \"config\")"},
        {Holding(R"("colour": 1)"), "\"colour\" is not a setting of a profile"},
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
}

TEST(ProfileFile, ComesBackAsItWasWrittenAndSecretFilesArePrivate) {
    const auto full = rules::MakeProfile(test::SampleRecord(), link::ConfigLayout::Newer, {true, true});
    QString error;
    EXPECT_EQ(parseProfile(profileJson(full), &error), full) << error.toStdString();
    EXPECT_TRUE(holdsSecrets(full));

    // Replacing a file that others could read leaves none that they can, and
    // no temporary file.
    QTemporaryDir dir;
    const QString path = dir.filePath("profile.json");
    ASSERT_TRUE(writeWholeFile(path, "{}", false, &error)) << error.toStdString();
    ASSERT_TRUE(writeWholeFile(path, profileJson(full), true, &error)) << error.toStdString();
    struct stat info {};
    ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
}  // namespace corvane::profile
