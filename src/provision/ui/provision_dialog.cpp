#include "provision/ui/provision_dialog.h"

#include <algorithm>

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "history/change_entries.h"
#include "link/visible_text.h"
#include "profile/profile_file.h"
#include "transport/open_failure.h"
#include "direct/ui/secrets_dialog.h"
#include "widgets/messages.h"
#include "widgets/translation.h"

namespace corvane::provision {

namespace {

enum Column { kPort, kMac, kName, kState, kFields, kTime, kResult, kColumns };

constexpr qint64 kMaxProfileBytes = 1024 * 1024;

QString visible(const QString& text) { return QString::fromStdString(link::VisibleText(text.toStdString())); }

}  // namespace

ProvisionDialog::ProvisionDialog(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("Provision printers"));
    auto* layout = new QVBoxLayout(this);
    auto* form = new QFormLayout;
    const auto fileRow = [this, form](const QString& label, QLineEdit*& edit, const QString& filter) {
        edit = new QLineEdit(this);
        auto* choose = new QPushButton(tr("Choose..."), this);
        choose->setAutoDefault(false);
        connect(choose, &QPushButton::clicked, this, [this, target = edit, filter] { chooseFile(target, filter); });
        auto* row = new QHBoxLayout;
        row->addWidget(edit, 1);
        row->addWidget(choose);
        auto* caption = new QLabel(label, this);
        caption->setBuddy(edit);
        form->addRow(caption, row);
        choose->setAccessibleName(label + QLatin1Char(' ') + choose->text());
    };
    fileRow(tr("&Profile:"), profileEdit_, tr("Profiles (*.json)"));
    fileRow(tr("Printers &sheet (optional):"), printersEdit_, tr("CSV files (*.csv)"));
    serialEdit_ = new QLineEdit(this);
    serialEdit_->setObjectName(QStringLiteral("serialEdit"));
    serialEdit_->setPlaceholderText(tr("ttyUSB0, ttyS0"));
    auto* serialCaption = new QLabel(tr("Se&rial ports (optional):"), this);
    serialCaption->setBuddy(serialEdit_);
    form->addRow(serialCaption, serialEdit_);
    profileEdit_->setObjectName(QStringLiteral("profileEdit"));
    printersEdit_->setObjectName(QStringLiteral("printersEdit"));
    layout->addLayout(form);

    table_ = new QTableWidget(0, kColumns, this);
    table_->setObjectName(QStringLiteral("provisionTable"));
    table_->setHorizontalHeaderLabels(
        {tr("Port"), tr("MAC address"), tr("Name"), tr("State"), tr("Fields changed"), tr("Time"), tr("Result")});
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->setSelectionBehavior(QAbstractItemView::SelectRows);
    table_->horizontalHeader()->setStretchLastSection(true);
    // Each heading whole in every language; the columns stay adjustable.
    QHeaderView* header = table_->horizontalHeader();
    for (int column = 0; column < kColumns; ++column)
        header->resizeSection(column, std::max(header->defaultSectionSize(), header->sectionSizeHint(column)));
    table_->setAccessibleName(tr("Printers"));
    layout->addWidget(table_, 1);

    countLabel_ = new QLabel(this);
    countLabel_->setObjectName(QStringLiteral("countLabel"));
    layout->addWidget(countLabel_);

    auto* buttons = new QHBoxLayout;
    startButton_ = new QPushButton(tr("S&tart"), this);
    stopButton_ = new QPushButton(tr("St&op"), this);
    auto* closeButton = new QPushButton(tr("&Close"), this);
    startButton_->setObjectName(QStringLiteral("startButton"));
    stopButton_->setObjectName(QStringLiteral("stopButton"));
    for (QPushButton* b : {startButton_, stopButton_, closeButton}) b->setAutoDefault(false);
    startButton_->setDefault(true);
    buttons->addStretch(1);
    buttons->addWidget(startButton_);
    buttons->addWidget(stopButton_);
    buttons->addWidget(closeButton);
    layout->addLayout(buttons);
    connect(startButton_, &QPushButton::clicked, this, &ProvisionDialog::onStart);
    connect(stopButton_, &QPushButton::clicked, this, &ProvisionDialog::onStop);
    connect(closeButton, &QPushButton::clicked, this, &ProvisionDialog::reject);
    setRunning(false);
    updateCount();
    resize(820, 420);
}

ProvisionDialog::~ProvisionDialog() = default;

void ProvisionDialog::chooseFile(QLineEdit* edit, const QString& filter) {
    const QString path = QFileDialog::getOpenFileName(this, QString(), edit->text(), filter);
    if (!path.isEmpty()) edit->setText(path);
    edit->setFocus();
}

void ProvisionDialog::setRunning(bool running) {
    startButton_->setEnabled(!running);
    stopButton_->setEnabled(running);
    profileEdit_->setEnabled(!running);
    printersEdit_->setEnabled(!running);
    serialEdit_->setEnabled(!running);
}

void ProvisionDialog::onStart() {
    if (running_) return;
    const QString profilePath = profileEdit_->text().trimmed();
    QFile file(profilePath);
    if (profilePath.isEmpty() || !QFileInfo(profilePath).isFile() || QFileInfo(profilePath).size() > kMaxProfileBytes ||
        !file.open(QIODevice::ReadOnly)) {
        widgets::showNote(this, tr("The profile cannot be read: %1").arg(profilePath));
        profileEdit_->setFocus();
        return;
    }
    QString error;
    auto profile = profile::parseProfile(file.read(kMaxProfileBytes), &error);
    if (!profile) {
        widgets::showNote(this, tr("The profile cannot be used: %1").arg(error));
        profileEdit_->setFocus();
        return;
    }
    ProvisionJob job;
    job.frontEnd = QString::fromLatin1(history::kWindow);
    if (const QString sheetPath = printersEdit_->text().trimmed(); !sheetPath.isEmpty()) {
        auto sheet = readPrinterSheet(sheetPath, &error);
        if (!sheet) {
            widgets::showNote(this, tr("The printers sheet cannot be used: %1").arg(error));
            printersEdit_->setFocus();
            return;
        }
        job.sheet = *sheet;
    }
    // The secrets the profile's settings need, asked once for every printer.
    const auto missing = rules::MissingSecrets(*profile, link::PrinterConfig{}, link::ConfigLayout::Newer);
    if (!missing.empty()) {
        direct::SecretsDialog secrets(missing, this);
        if (secrets.exec() != QDialog::Accepted) return;
        *profile = profile::withSecrets(*profile, secrets.secrets());
    }
    job.profile = *profile;

    table_->setRowCount(0);
    rows_.clear();
    line_ = std::make_unique<ProvisionLine>(job);
    if (!deviceFolder_.isEmpty()) line_->arrivals().watchFolder(deviceFolder_);
    else line_->arrivals().watchUsbPrinters();
    for (const QString& name : serialEdit_->text().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        if (!name.trimmed().isEmpty()) line_->arrivals().watchSerialPort(transport::serialNodePath(name.trimmed()));
    }
    connect(line_.get(), &ProvisionLine::nodeChanged, this, &ProvisionDialog::onNodeChanged);
    connect(line_.get(), &ProvisionLine::printerDone, this, &ProvisionDialog::onPrinterDone);
    connect(line_.get(), &ProvisionLine::nodeGone, this, [this](const QString& node) {
        // The node's next printer gets a row of its own.
        if (const int row = rows_.value(node, -1); row >= 0) table_->item(row, kState)->setText(tr("Unplugged"));
        rows_.remove(node);
        updateCount();
    });
    connect(line_.get(), &ProvisionLine::finished, this, &ProvisionDialog::onFinished);
    running_ = true;
    setRunning(true);
    line_->start();
    stopButton_->setFocus();
    updateCount();
}

void ProvisionDialog::onStop() {
    if (line_) line_->stop();
}

void ProvisionDialog::reject() {
    // Closing cancels the printers in progress and waits for them to stop.
    if (running_) {
        closeWhenFinished_ = true;
        line_->cancel();
        return;
    }
    QDialog::reject();
}

void ProvisionDialog::onFinished() {
    // The line and its reports stay until the next Start.
    running_ = false;
    setRunning(false);
    updateCount();
    startButton_->setFocus();
    if (closeWhenFinished_) QDialog::reject();
}

int ProvisionDialog::rowFor(const QString& node) {
    if (rows_.contains(node)) return rows_.value(node);
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (int column = 0; column < kColumns; ++column) table_->setItem(row, column, new QTableWidgetItem);
    table_->item(row, kPort)->setText(node);
    rows_.insert(node, row);
    return row;
}

void ProvisionDialog::onNodeChanged(const QString& node, NodeState state) {
    const int row = rowFor(node);
    QTableWidgetItem* item = table_->item(row, kState);
    item->setData(Qt::UserRole, static_cast<int>(state));
    item->setText(state == NodeState::Waiting   ? tr("Waiting")
                  : state == NodeState::Working ? tr("Configuring")
                                                : tr("Done; unplug it"));
    updateCount();
}

void ProvisionDialog::onPrinterDone(const PrinterReport& report) {
    const int row = rowFor(report.node);
    table_->item(row, kMac)->setText(report.mac);
    table_->item(row, kName)->setText(visible(report.name));
    table_->item(row, kFields)->setText(QString::number(report.fieldsChanged));
    table_->item(row, kTime)->setText(tr("%1 s").arg(report.seconds, 0, 'f', 1));
    QString result;
    QColor colour;
    if (report.outcome == Outcome::Configured) {
        result = report.profileOnly ? tr("Configured (profile only)") : tr("Configured");
        colour = QColor(0x1B, 0x7F, 0x2A);
    } else if (report.outcome == Outcome::Unchanged) {
        result = tr("Unchanged");
        colour = QColor(0x55, 0x55, 0x55);
    } else {
        result = tr("Failed: %1").arg(report.reason);
        colour = QColor(0xB0, 0x1E, 0x1E);
        QApplication::beep();
    }
    QTableWidgetItem* item = table_->item(row, kResult);
    item->setText(result);
    item->setForeground(colour);
    item->setToolTip(result);
    if (!report.historyProblem.isEmpty()) widgets::showNote(this, report.historyProblem);
    updateCount();
}

void ProvisionDialog::updateCount() {
    const LineCounts counts = line_ ? line_->counts() : LineCounts{};
    const int working = line_ ? line_->working() : 0;
    // Whole sentences: the totals, then what the line is doing; the count of
    // printers still at work is the subject of the second, so it gets the
    // language's plural forms.
    QString state = widgets::counted(tr("%n printer(s) in progress.", nullptr, working), working);
    if (line_ && !running_) state = tr("Stopped.");
    else if (line_ && line_->stopping())
        state = widgets::counted(tr("Stopping: %n printer(s) still in progress.", nullptr, working), working);
    const QString text = tr("Configured: %1, unchanged: %2, failed: %3. %4", "the totals, then the state sentence")
                             .arg(counts.configured)
                             .arg(counts.unchanged)
                             .arg(counts.failed)
                             .arg(state);
    countLabel_->setText(text);
}

}  // namespace corvane::provision
