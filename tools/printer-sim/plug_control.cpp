#include "plug_control.h"

#include <QDir>
#include <QRegularExpression>
#include <QSocketNotifier>

#include <cstdio>
#include <unistd.h>

namespace corvane::sim {

namespace {

bool ParseMac(const QString& text, std::array<std::uint8_t, 6>& mac) {
    static const QRegularExpression form(QStringLiteral("^([0-9A-Fa-f]{2})([:-]([0-9A-Fa-f]{2})){5}$"));
    if (!form.match(text).hasMatch()) return false;
    const QStringList parts = text.split(QRegularExpression(QStringLiteral("[:-]")));
    for (int i = 0; i < 6; ++i)
        mac[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(parts[i].toUInt(nullptr, 16));
    return true;
}

}  // namespace

PlugControl::PlugControl(SimState& state, QString directory, QObject* parent)
    : QObject(parent), state_(state), directory_(std::move(directory)) {}

PlugControl::~PlugControl() = default;

void PlugControl::listen() {
    notifier_ = new QSocketNotifier(STDIN_FILENO, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &PlugControl::onReadable);
}

void PlugControl::onReadable() {
    char buffer[1024];
    const ssize_t n = ::read(STDIN_FILENO, buffer, sizeof buffer);
    if (n <= 0) {
        // End of input: no more commands, the plugged printers stay.
        notifier_->setEnabled(false);
        return;
    }
    pending_.append(buffer, n);
    for (qsizetype end = pending_.indexOf('\n'); end >= 0; end = pending_.indexOf('\n')) {
        const QString line = QString::fromUtf8(pending_.left(end)).trimmed();
        pending_.remove(0, end + 1);
        if (line.isEmpty()) continue;
        std::printf("%s\n", qPrintable(run(line)));
        std::fflush(stdout);
    }
    if (pending_.size() > 4096) pending_.clear();
}

QString PlugControl::run(const QString& line) {
    const QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    static const QRegularExpression plainName(QStringLiteral("^[A-Za-z0-9._-]{1,64}$"));
    const QString name = words.value(1);
    if (words.size() < 2 || !plainName.match(name).hasMatch() || name.startsWith(QLatin1Char('.')))
        return QStringLiteral("plug-error bad command: %1").arg(line);
    const std::string key = name.toStdString();
    if (words[0] == QLatin1String("unplug") && words.size() == 2) {
        if (ptys_.erase(key) == 0) return QStringLiteral("plug-error %1 is not plugged in").arg(name);
        return QStringLiteral("unplugged %1").arg(name);
    }
    if (words[0] != QLatin1String("plug") || words.size() < 3 || words.size() > 4)
        return QStringLiteral("plug-error bad command: %1").arg(line);
    std::array<std::uint8_t, 6> mac{};
    if (!ParseMac(words[2], mac)) return QStringLiteral("plug-error bad MAC: %1").arg(words[2]);
    const QString layout = words.value(3, QStringLiteral("newer"));
    if (layout != QLatin1String("newer") && layout != QLatin1String("older"))
        return QStringLiteral("plug-error bad layout: %1").arg(layout);
    if (ptys_.count(key) != 0) return QStringLiteral("plug-error %1 is plugged in already").arg(name);

    auto known = state_.plugged.find(key);
    if (known == state_.plugged.end() || known->second.system.macAddress != mac) {
        // A new printer: the direct-link printer's record as it came from the box.
        LinkPrinter printer = state_.link;
        printer.present = true;
        printer.system.macAddress = mac;
        printer.configWrites = 0;
        printer.layout = layout == QLatin1String("older") ? link::ConfigLayout::Older : link::ConfigLayout::Newer;
        known = state_.plugged.insert_or_assign(key, std::move(printer)).first;
    }
    auto pty = std::make_unique<PtyLink>(known->second);
    QString error;
    if (!pty->open(QDir(directory_).filePath(name), false, &error)) return QStringLiteral("plug-error %1").arg(error);
    const QString answer = QStringLiteral("plugged %1 %2").arg(name, pty->slavePath());
    ptys_[key] = std::move(pty);
    return answer;
}

}  // namespace corvane::sim
