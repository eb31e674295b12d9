#include "lan/device_export.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>

#include "link/printer_config.h"

namespace corvane::lan {

namespace {

QString csvCell(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n')) &&
        !text.contains(QLatin1Char('\r'))) {
        return text;
    }
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

}  // namespace

QStringList exportHeader() {
    return {QStringLiteral("no"),      QStringLiteral("mac"),         QStringLiteral("ip"),
            QStringLiteral("mask"),    QStringLiteral("gateway"),     QStringLiteral("port"),
            QStringLiteral("version"), QStringLiteral("featureCode"), QStringLiteral("dhcp"),
            QStringLiteral("adapter"), QStringLiteral("reached")};
}

std::vector<int> allNumbers(const link::DeviceList& devices) {
    std::vector<int> numbers;
    for (int n = 1; n <= static_cast<int>(devices.size()); ++n) numbers.push_back(n);
    return numbers;
}

QList<QStringList> exportRows(const link::DeviceList& devices, const std::vector<int>& numbers) {
    QList<QStringList> rows;
    for (int n : numbers) {
        const link::DiscoveredDevice* d = devices.deviceAt(n);
        if (!d) continue;
        QStringList row;
        for (const auto& cell : link::DeviceRowTexts(n, *d)) row << QString::fromStdString(cell);
        row << (d->mode == link::ListMode::Wlan ? QString::number(d->featureCode()) : QString())
            << (d->dhcp() ? QStringLiteral("on") : QStringLiteral("off")) << QString::fromStdString(d->adapter)
            << (d->unicast ? QStringLiteral("unicast") : QStringLiteral("broadcast"));
        rows << row;
    }
    return rows;
}

QByteArray devicesCsv(const link::DeviceList& devices, const std::vector<int>& numbers) {
    QString text;
    const auto line = [&text](const QStringList& cells) {
        QStringList quoted;
        for (const QString& cell : cells) quoted << csvCell(cell);
        text += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    line(exportHeader());
    for (const QStringList& row : exportRows(devices, numbers)) line(row);
    return text.toUtf8();
}

QString devicesTabSeparated(const link::DeviceList& devices, const std::vector<int>& numbers) {
    QString text = exportHeader().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& row : exportRows(devices, numbers)) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

QJsonObject deviceJson(int number, const link::DiscoveredDevice& d) {
    const auto text = [](const std::string& s) { return QString::fromStdString(s); };
    const auto dotted = [&](link::Ipv4Address a) { return text(a.text()); };
    QJsonObject o{
        {QStringLiteral("no"), number},
        {QStringLiteral("mac"), text(link::FormatMacLower(d.macAddress()))},
        {QStringLiteral("ip"), dotted(d.ipAddress())},
        {QStringLiteral("mask"), dotted(d.subnetMask())},
        {QStringLiteral("gateway"), dotted(d.gateway())},
        {QStringLiteral("port"), d.port()},
        {QStringLiteral("version"), text(link::FormatVersion(d.firmwareMajor(), d.firmwareMinor()))},
        {QStringLiteral("dhcp"), d.dhcp()},
        {QStringLiteral("inactivity"), d.inactivityTime()},
        {QStringLiteral("baudCode"), d.baudCode()},
        {QStringLiteral("https"), d.httpsEnabled()},
    };
    const int baudIndex = link::IndexForBaudCode(d.baudCode());
    o.insert(QStringLiteral("baud"),
             baudIndex < 0 ? QJsonValue() : QJsonValue(QString::fromLatin1(link::kBaudEntries[baudIndex].data())));
    if (d.mode == link::ListMode::Wlan) o.insert(QStringLiteral("featureCode"), d.featureCode());
    if (!d.adapter.empty()) o.insert(QStringLiteral("adapter"), text(d.adapter));
    o.insert(QStringLiteral("reached"), d.unicast ? QStringLiteral("unicast") : QStringLiteral("broadcast"));
    if (d.unicast) o.insert(QStringLiteral("answeredFrom"), text(d.answeredFrom));
    return o;
}

QByteArray devicesJson(const link::DeviceList& devices, const std::vector<int>& numbers) {
    QJsonArray rows;
    for (int n : numbers) {
        if (const link::DiscoveredDevice* d = devices.deviceAt(n)) rows.append(deviceJson(n, *d));
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

QString exportDevices(const link::DeviceList& devices, const std::vector<int>& numbers, const QString& path) {
    const bool json = QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
    // Written whole or not at all: an existing file is replaced only on success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray contents = json ? devicesJson(devices, numbers) : devicesCsv(devices, numbers);
    if (file.write(contents) != contents.size()) return file.errorString();
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace corvane::lan
