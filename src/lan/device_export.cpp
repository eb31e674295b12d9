#include "lan/device_export.h"

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

QList<QStringList> exportRows(const DeviceList& devices) {
    QList<QStringList> rows;
    for (int n = 1; const DiscoveredDevice* d = devices.deviceAt(n); ++n) {
        QStringList row;
        for (const auto& cell : DeviceRowTexts(n, *d)) row << QString::fromStdString(cell);
        row << (d->mode == ListMode::Wlan ? QString::number(d->featureCode()) : QString())
            << (d->dhcp() ? QStringLiteral("on") : QStringLiteral("off")) << QString::fromStdString(d->adapter)
            << (d->unicast ? QStringLiteral("unicast") : QStringLiteral("broadcast"));
        rows << row;
    }
    return rows;
}

QByteArray devicesCsv(const DeviceList& devices) {
    QString text;
    const auto line = [&text](const QStringList& cells) {
        QStringList quoted;
        for (const QString& cell : cells) quoted << csvCell(cell);
        text += quoted.join(QLatin1Char(',')) + QLatin1String("\r\n");
    };
    line(exportHeader());
    for (const QStringList& row : exportRows(devices)) line(row);
    return text.toUtf8();
}

QString devicesTabSeparated(const DeviceList& devices) {
    QString text = exportHeader().join(QLatin1Char('\t')) + QLatin1Char('\n');
    for (const QStringList& row : exportRows(devices)) text += row.join(QLatin1Char('\t')) + QLatin1Char('\n');
    return text;
}

}  // namespace corvane::lan

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

namespace corvane::lan {

QByteArray devicesJson(const DeviceList& devices) {
    const QStringList header = exportHeader();
    QJsonArray rows;
    for (const QStringList& row : exportRows(devices)) {
        QJsonObject object;
        for (qsizetype i = 0; i < header.size() && i < row.size(); ++i) object.insert(header[i], row[i]);
        rows.append(object);
    }
    return QJsonDocument(rows).toJson(QJsonDocument::Indented);
}

QString exportDevices(const DeviceList& devices, const QString& path) {
    const bool json = QFileInfo(path).suffix().compare(QLatin1String("json"), Qt::CaseInsensitive) == 0;
    // Written whole or not at all: an existing file is replaced only on success.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    const QByteArray contents = json ? devicesJson(devices) : devicesCsv(devices);
    if (file.write(contents) != contents.size()) return file.errorString();
    if (!file.commit()) return file.errorString();
    return {};
}

}  // namespace corvane::lan
