#include "cli/output.h"

#include <cstdio>

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include "cli/invocation.h"
#include "link/string_table.h"
#include "link/visible_text.h"

namespace corvane::cli {

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

}  // namespace

QString messageText(StringId id) { return QCoreApplication::translate(kStringTableContext, StringText(id).data()); }

void printMessage(StringId id) { write(stdout, messageText(id) + QLatin1Char('\n')); }

void printFailure(StringId id) { write(stderr, messageText(id) + QLatin1Char('\n')); }

void printErrorLine(const QString& text) { write(stderr, text + QLatin1Char('\n')); }

void printError(const QString& text) { write(stderr, QStringLiteral("corvane: ") + text + QLatin1Char('\n')); }

void printWarning(const QString& reason) {
    if (!reason.isEmpty()) printError(QStringLiteral("warning: ") + reason);
}

QString printable(const QString& text) {
    QString safe;
    safe.reserve(text.size());
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7F && u <= 0x9F))
            safe += QStringLiteral("\\x%1").arg(static_cast<uint>(u), 2, 16, QLatin1Char('0'));
        else safe += c;
    }
    return safe;
}

namespace {
QString& helpCommand() {
    static QString command;
    return command;
}
}  // namespace

void setHelpCommand(const QString& command) { helpCommand() = command; }

int usageError(const QString& text) {
    printError(text);
    const QString help = helpCommand().isEmpty() ? QStringLiteral("--help") : helpCommand() + QStringLiteral(" --help");
    write(stderr, QStringLiteral("Try 'corvane %1'.\n").arg(help));
    return kExitUsage;
}

QString formatTable(const QStringList& headers, const QList<QStringList>& rows) {
    QList<qsizetype> widths;
    for (const QString& h : headers) widths.append(h.size());
    for (const QStringList& row : rows) {
        for (qsizetype i = 0; i < row.size() && i < widths.size(); ++i) widths[i] = std::max(widths[i], row[i].size());
    }
    const auto line = [&widths](const QStringList& cells) {
        QString text;
        for (qsizetype i = 0; i < cells.size() && i < widths.size(); ++i) {
            const bool last = i + 1 == cells.size();
            text += last ? cells[i] : cells[i].leftJustified(widths[i] + 2);
        }
        return text + QLatin1Char('\n');
    };
    QString text = line(headers);
    for (const QStringList& row : rows) text += line(row);
    return text;
}

void printTable(const QStringList& headers, const QList<QStringList>& rows) {
    write(stdout, formatTable(headers, rows));
}

void printJson(const QJsonValue& value) {
    const QJsonDocument document = value.isArray() ? QJsonDocument(value.toArray()) : QJsonDocument(value.toObject());
    write(stdout, QString::fromUtf8(document.toJson(QJsonDocument::Indented)));
}

void printText(const QString& text) { write(stdout, text); }

QString visibleText(const std::string& bytes) { return QString::fromStdString(link::VisibleText(bytes)); }

void insertText(QJsonObject& object, const QString& key, const std::string& bytes) {
    object.insert(key, QString::fromStdString(bytes));
    if (!link::IsValidUtf8(bytes))
        object.insert(key + QStringLiteral("Hex"), QString::fromStdString(link::HexBytes(bytes)));
}

void printBssTable(const BssTable& table, bool json) {
    const std::size_t count = ShownBssCount(table);
    if (json) {
        QJsonArray rows;
        for (std::size_t k = 0; k < count; ++k) {
            const BssEntry& entry = table[k];
            const auto texts = BssRowTexts(k, entry);
            QJsonObject row{{QStringLiteral("no"), static_cast<int>(k + 1)},
                            {QStringLiteral("bssid"), QString::fromStdString(texts[2])},
                            {QStringLiteral("mode"), QString::fromStdString(texts[3])},
                            {QStringLiteral("rssi"), entry.rssi},
                            {QStringLiteral("security"), QString::fromStdString(texts[5])},
                            {QStringLiteral("securityFlags"), entry.security}};
            insertText(row, QStringLiteral("ssid"), BssSsid(entry));
            rows.append(row);
        }
        printJson(rows);
        return;
    }
    QList<QStringList> rows;
    for (std::size_t k = 0; k < count; ++k) {
        QStringList row;
        for (const auto& cell : BssRowTexts(k, table[k])) row << QString::fromStdString(cell);
        rows.append(row);
    }
    printMessage(kBssImported);
    printTable({QStringLiteral("No"), QStringLiteral("SSID"), QStringLiteral("BSSID"), QStringLiteral("Mode"),
                QStringLiteral("RSSI"), QStringLiteral("Security")},
               rows);
}

}  // namespace corvane::cli
