#include "history/history_log.h"

#include <cerrno>
#include <chrono>
#include <cstring>
#include <thread>

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>

#include "corvane_version.h"
#include "link/config_fields.h"
#include "link/ipv4_address.h"
#include "link/printer_config.h"

#include "profile/input_file.h"
#include "profile/private_file.h"

namespace corvane::history {

namespace {

// Another program holds the lock only for the moment of one write.
constexpr auto kLockPatience = std::chrono::seconds(5);
constexpr auto kLockRetry = std::chrono::milliseconds(10);

QString systemError(int error) { return QString::fromLocal8Bit(std::strerror(error)); }

QString key(const char* key) { return QString::fromLatin1(key); }

// Every missing folder of `dir` is made 0700, as the state folder should be.
bool ensureFolder(const QString& dir, QString* error) {
    const QByteArray path = QFile::encodeName(QDir::cleanPath(dir));
    for (qsizetype i = 1; i <= path.size(); ++i) {
        if (i < path.size() && path[i] != '/') continue;
        const QByteArray part = path.left(i);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) {
            *error = QCoreApplication::translate("History", "cannot create the folder %1: %2")
                         .arg(QFile::decodeName(part), systemError(errno));
            return false;
        }
    }
    return true;
}

bool lockWithin(int fd) {
    const auto deadline = std::chrono::steady_clock::now() + kLockPatience;
    while (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) || std::chrono::steady_clock::now() >= deadline) return false;
        std::this_thread::sleep_for(kLockRetry);
    }
    return true;
}

// The file's last byte, when there is one and it can be read.
std::optional<char> lastByte(int fd) {
    struct stat info {};
    if (::fstat(fd, &info) != 0 || info.st_size == 0) return std::nullopt;
    char last = 0;
    if (::pread(fd, &last, 1, info.st_size - 1) != 1) return std::nullopt;
    return last;
}

QJsonObject changeJson(const Change& change) {
    if (change.secret) return {{key("field"), change.field}, {key("changed"), true}};
    return {{key("field"), change.field}, {key("before"), change.before}, {key("after"), change.after}};
}

QString csvCell(const QString& text) {
    static const QRegularExpression special(QStringLiteral("[\",\\r\\n]"));
    if (!text.contains(special)) return text;
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QLatin1String("\"\"")) + QLatin1Char('"');
}

}  // namespace

QString historyPath() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty() || QDir::isRelativePath(state)) state = QDir::homePath() + QLatin1String("/.local/state");
    return state + QLatin1String("/corvane/history.jsonl");
}

QByteArray entryLine(const Entry& entry) {
    QJsonArray changes;
    for (const Change& change : entry.changes) changes.append(changeJson(change));
    QJsonObject way;
    if (!entry.linkPort.isEmpty()) way.insert(key("link"), entry.linkPort);
    if (!entry.lanMode.isEmpty()) {
        way.insert(key("lan"), entry.lanMode);
        way.insert(key("localAddress"), entry.localAddress);
    }
    const QJsonObject line{
        {key("time"), entry.time.toUTC().toString(Qt::ISODateWithMs)},
        {key("version"), entry.version},
        {key("frontEnd"), entry.frontEnd},
        {key("action"), entry.action},
        {key("way"), way},
        {key("mac"), entry.mac},
        {key("changes"), changes},
        {key("outcome"), entry.outcome},
        {key("message"), entry.message},
    };
    return QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n';
}

std::optional<Entry> parseEntry(const QByteArray& line, QString* reason) {
    QJsonParseError parseError{};
    const QJsonDocument document = QJsonDocument::fromJson(line, &parseError);
    if (parseError.error != QJsonParseError::NoError || !document.isObject()) {
        *reason = QCoreApplication::translate("History", "not a JSON object");
        return std::nullopt;
    }
    const QJsonObject o = document.object();
    Entry entry;
    entry.time = QDateTime::fromString(o.value(key("time")).toString(), Qt::ISODateWithMs);
    if (!entry.time.isValid()) {
        *reason = QCoreApplication::translate("History", "no valid time");
        return std::nullopt;
    }
    entry.time = entry.time.toUTC();
    if (!o.value(key("outcome")).isString() || !o.value(key("changes")).isArray()) {
        *reason = QCoreApplication::translate("History", "no outcome or no list of changes");
        return std::nullopt;
    }
    entry.version = o.value(key("version")).toString();
    entry.frontEnd = o.value(key("frontEnd")).toString();
    entry.action = o.value(key("action")).toString();
    const QJsonObject way = o.value(key("way")).toObject();
    entry.linkPort = way.value(key("link")).toString();
    entry.lanMode = way.value(key("lan")).toString();
    entry.localAddress = way.value(key("localAddress")).toString();
    entry.mac = o.value(key("mac")).toString();
    for (const QJsonValue& value : o.value(key("changes")).toArray()) {
        const QJsonObject c = value.toObject();
        if (!c.value(key("field")).isString()) {
            *reason = QCoreApplication::translate("History", "a change without a field name");
            return std::nullopt;
        }
        const QString field = c.value(key("field")).toString();
        // Lines written before a field counted as secret may hold its
        // values: they are read as "changed" like every secret.
        const link::ConfigField* known = link::FindConfigField(field.toStdString());
        if (c.value(key("changed")).toBool() || (known && known->secret)) {
            entry.changes.append({field, {}, {}, true});
        } else {
            entry.changes.append({field, c.value(key("before")).toString(), c.value(key("after")).toString(), false});
        }
    }
    entry.outcome = o.value(key("outcome")).toString();
    entry.message = o.value(key("message")).toString();
    return entry;
}

bool appendEntry(Entry entry, QString* error, const QString& path) {
    if (!entry.time.isValid()) entry.time = QDateTime::currentDateTimeUtc();
    if (entry.version.isEmpty()) entry.version = QString::fromLatin1(kVersion);
    QByteArray line = entryLine(entry);

    if (!ensureFolder(QFileInfo(path).absolutePath(), error)) return false;
    // Never through a link: a link planted in the state folder would have the
    // line appended to whatever file it names.
    const int fd =
        ::open(QFile::encodeName(path).constData(), O_RDWR | O_APPEND | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) {
        *error = errno == ELOOP
                     ? QCoreApplication::translate("History",
                                                   "%1 is a symbolic link; the history is not written "
                                                   "through links")
                           .arg(path)
                     : QCoreApplication::translate("History", "cannot open %1: %2").arg(path, systemError(errno));
        return false;
    }
    struct stat info {};
    if (::fstat(fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        ::close(fd);
        *error = QCoreApplication::translate("History", "%1 is not a regular file").arg(path);
        return false;
    }
    bool ok = lockWithin(fd);
    if (!ok) {
        *error = QCoreApplication::translate("History", "%1 stayed locked by another program").arg(path);
    } else {
        // A line cut short (a full disk, a crash) must not swallow this one
        // (the file is opened for reading too, to see its last byte).
        if (const auto last = lastByte(fd); last && *last != '\n') line.prepend('\n');
        struct stat before {};
        const bool sized = ::fstat(fd, &before) == 0;
        ok = profile::writeAll(fd, line);
        if (!ok) {
            const int failure = errno;
            // A part of the line (a full disk) is taken back, so that no
            // reader ever warns about it; the lock keeps other writers out.
            if (sized) {
                // Should this fail too, a reader skips the torn line.
                const int truncated = ::ftruncate(fd, before.st_size);
                static_cast<void>(truncated);
            }
            *error = QCoreApplication::translate("History", "cannot write %1: %2").arg(path, systemError(failure));
        }
        ::flock(fd, LOCK_UN);
    }
    ::close(fd);
    return ok;
}

Log readLog(const QString& path) {
    Log log;
    struct stat info {};
    if (::stat(QFile::encodeName(path).constData(), &info) != 0) {
        if (errno == ENOENT) return log;  // nothing recorded yet
        // A file where a folder of the path should be (ENOTDIR) hides the
        // history: say so rather than show an empty one.
        log.error = errno == ENOTDIR
                        ? QCoreApplication::translate("History", "cannot read %1: %2 is not a folder")
                              .arg(path, QFileInfo(path).absolutePath())
                        : QCoreApplication::translate("History", "cannot read %1: %2").arg(path, systemError(errno));
        return log;
    }
    const auto contents = profile::readInputFile(path, profile::kHistoryLimit, &log.error);
    if (!contents) return log;
    const QList<QByteArray> lines = contents->split('\n');
    for (qsizetype i = 0; i < lines.size(); ++i) {
        if (lines[i].trimmed().isEmpty()) continue;
        QString reason;
        if (auto entry = parseEntry(lines[i], &reason)) {
            log.entries.append(*entry);
        } else {
            log.warnings.append(
                QCoreApplication::translate("History", "line %1 of %2 skipped: %3").arg(i + 1).arg(path, reason));
        }
    }
    return log;
}

QString normalMac(const QString& text) {
    const auto mac = link::ParseMacAddress(text.toStdString());
    if (!mac) return {};
    return QString::fromStdString(link::FormatMacUpper(*mac)).remove(QLatin1Char('-'));
}

QList<Entry> filterEntries(const QList<Entry>& entries, const QString& mac, const QDateTime& since) {
    const QString wanted = normalMac(mac);
    QList<Entry> kept;
    for (const Entry& entry : entries) {
        if (!mac.isEmpty() && normalMac(entry.mac) != wanted) continue;
        if (since.isValid() && entry.time < since) continue;
        kept.append(entry);
    }
    return kept;
}

QString wayText(const Entry& entry) {
    if (!entry.linkPort.isEmpty()) return QStringLiteral("link %1").arg(entry.linkPort);
    if (entry.localAddress.isEmpty()) return entry.lanMode;
    return QStringLiteral("%1 via %2").arg(entry.lanMode, entry.localAddress);
}

QString changesText(const Entry& entry) {
    QStringList parts;
    for (const Change& change : entry.changes) {
        parts << (change.secret ? QStringLiteral("%1: changed").arg(change.field)
                                : QStringLiteral("%1: %2 → %3").arg(change.field, change.before, change.after));
    }
    return parts.join(QLatin1String("; "));
}

QByteArray csv(const QList<Entry>& entries) {
    QString text = QStringLiteral("time,frontEnd,action,way,mac,changes,outcome,message\r\n");
    for (const Entry& e : entries) {
        const QStringList cells{e.time.toUTC().toString(Qt::ISODateWithMs),
                                e.frontEnd,
                                e.action,
                                wayText(e),
                                e.mac,
                                changesText(e),
                                e.outcome,
                                e.message};
        QStringList quoted;
        for (const QString& cell : cells) quoted << csvCell(cell);
        text += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    }
    return text.toUtf8();
}

}  // namespace corvane::history
