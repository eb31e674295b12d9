#include "provision/printer_sheet.h"

#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include "cli/invocation.h"

namespace corvane::provision {

namespace {

const QStringList kColumns{QStringLiteral("mac"),  QStringLiteral("name"),    QStringLiteral("ip"),
                           QStringLiteral("mask"), QStringLiteral("gateway"), QStringLiteral("port"),
                           QStringLiteral("user"), QStringLiteral("password")};

// One CSV line as cells: commas separate, double quotes enclose a cell that
// holds commas, "" inside them is one quote. nullopt for an unclosed quote.
std::optional<QStringList> cellsOf(const QString& line) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (qsizetype i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"') && i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                cell += c;
                ++i;
            } else if (c == QLatin1Char('"')) {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == QLatin1Char(',')) {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    if (quoted) return std::nullopt;
    cells << cell;
    return cells;
}

}  // namespace

QString macText(const link::MacAddress& mac) { return QString::fromStdString(link::FormatMacUpper(mac, ':')); }

std::optional<PrinterSheet> parsePrinterSheet(const QByteArray& contents, QString* error) {
    QString text = QString::fromUtf8(contents);
    if (text.startsWith(QChar(0xFEFF))) text.remove(0, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QStringList header;
    PrinterSheet sheet;
    for (qsizetype number = 1; number <= lines.size(); ++number) {
        QString line = lines[number - 1];
        if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
        if (line.trimmed().isEmpty()) continue;
        const auto fail = [&](const QString& why) {
            *error = QStringLiteral("line %1: %2").arg(number).arg(why);
            return std::nullopt;
        };
        const auto cells = cellsOf(line);
        if (!cells) return fail(QStringLiteral("a quote is not closed"));
        if (header.isEmpty()) {
            for (const QString& cell : *cells) {
                const QString name = cell.trimmed().toLower();
                if (!kColumns.contains(name)) return fail(QStringLiteral("unknown column \"%1\"").arg(cell.trimmed()));
                if (header.contains(name)) return fail(QStringLiteral("column \"%1\" appears twice").arg(name));
                header << name;
            }
            if (!header.contains(QStringLiteral("mac"))) return fail(QStringLiteral("no \"mac\" column"));
            continue;
        }
        if (cells->size() != header.size())
            return fail(QStringLiteral("%1 cells where the header names %2").arg(cells->size()).arg(header.size()));
        std::optional<link::MacAddress> mac;
        PrinterValues row;
        for (qsizetype i = 0; i < header.size(); ++i) {
            const QString& column = header[i];
            // Names and passwords are kept as written; the rest loses its spaces.
            const QString raw = (*cells)[i];
            const QString value = raw.trimmed();
            if (value.isEmpty()) continue;
            if (column == QLatin1String("mac")) {
                mac = link::ParseMacAddress(value.toStdString());
                if (!mac) return fail(QStringLiteral("\"%1\" is not a MAC address").arg(value));
            } else if (column == QLatin1String("name")) {
                row.name = raw;
            } else if (column == QLatin1String("user")) {
                row.user = raw;
            } else if (column == QLatin1String("password")) {
                row.password = raw;
            } else if (column == QLatin1String("port")) {
                const auto port = cli::parseInteger(value, 0, 65535);
                if (!port) return fail(QStringLiteral("\"%1\" is not a port").arg(value));
                row.port = static_cast<std::uint16_t>(*port);
            } else {
                const auto parsed = link::ParseIpv4Address(value.toStdString());
                if (!parsed) return fail(QStringLiteral("%1: \"%2\" is not an IPv4 address").arg(column, value));
                (column == QLatin1String("ip")     ? row.ip
                 : column == QLatin1String("mask") ? row.mask
                                                   : row.gateway) = parsed;
            }
        }
        if (!mac) return fail(QStringLiteral("no MAC address"));
        if (sheet.rows.count(*mac) != 0) return fail(QStringLiteral("%1 appears twice").arg(macText(*mac)));
        sheet.rows.emplace(*mac, row);
    }
    if (header.isEmpty()) {
        *error = QStringLiteral("no header row");
        return std::nullopt;
    }
    return sheet;
}

std::optional<PrinterSheet> readPrinterSheet(const QString& path, QString* error) {
    const QFileInfo info(path);
    if (!info.isFile()) {
        *error = QStringLiteral("%1: not a regular file").arg(path);
        return std::nullopt;
    }
    if (info.size() > kMaxSheetBytes) {
        *error = QStringLiteral("%1: larger than %2 bytes").arg(path).arg(kMaxSheetBytes);
        return std::nullopt;
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: %2").arg(path, file.errorString());
        return std::nullopt;
    }
    // Read one byte past the limit, so a file that grew since is refused too.
    const QByteArray contents = file.read(kMaxSheetBytes + 1);
    if (contents.size() > kMaxSheetBytes) {
        *error = QStringLiteral("%1: larger than %2 bytes").arg(path).arg(kMaxSheetBytes);
        return std::nullopt;
    }
    QString why;
    auto sheet = parsePrinterSheet(contents, &why);
    if (!sheet) *error = QStringLiteral("%1: %2").arg(path, why);
    return sheet;
}

link::PrinterConfig withPrinterValues(link::PrinterConfig config, const PrinterValues& row) {
    if (row.name) config.printerName = row.name->toStdString();
    if (row.ip) {
        config.ipAssignment = 0;
        config.ipAddress = *row.ip;
    }
    if (row.mask) config.subnetMask = *row.mask;
    if (row.gateway) config.gateway = *row.gateway;
    if (row.port) config.printerPort = *row.port;
    if (row.user) config.userId = row.user->toStdString();
    if (row.password) config.userPassword = row.password->toStdString();
    return config;
}

}  // namespace corvane::provision
