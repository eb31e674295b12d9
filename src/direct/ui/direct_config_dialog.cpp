#include "direct/ui/direct_config_dialog.h"

#include <cerrno>
#include <cstdio>
#include <string_view>

#include <QApplication>
#include <QFileDialog>
#include <QKeyEvent>
#include <QSettings>
#include <QShortcut>
#include <QSignalBlocker>

#include "history/change_entries.h"
#include "history/link_save.h"
#include "link/exchange/vendor_check.h"
#include "link/string_table.h"
#include "link/visible_text.h"
#include "profile/input_file.h"
#include "profile/private_file.h"
#include "profile/profile_file.h"
#include "transport/link_read_rule.h"
#include "transport/open_failure.h"
#include "direct/ui/config_tab_ctrl.h"
#include "direct/ui/control_sync.h"
#include "direct/ui/edit_notices.h"
#include "direct/ui/link_wait.h"
#include "direct/ui/secrets_dialog.h"
#include "direct/ui/security_page.h"
#include "direct/ui/settings_summary_dialog.h"
#include "ui_direct_config.h"
#include "widgets/messages.h"
#include "widgets/translation.h"

namespace corvane::direct {

using rules::DirectConfigModel;
using rules::WindowControl;

namespace {

transport::DirectLink& chosenPort(const DirectConfigOptions& options) {
    return options.port ? *options.port : transport::programLink();
}

// The read rule from the environment or the tool's settings file; a value
// that names no rule is reported on stderr and the default kept.
transport::LinkReadRule configuredReadRule() {
    const QSettings settings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("corvane"),
                             QStringLiteral("corvane-tool"));
    QStringList problems;
    const transport::LinkReadRule rule = transport::configuredLinkReadRule(settings, &problems);
    for (const QString& problem : problems) std::fprintf(stderr, "corvane-tool: %s\n", qPrintable(problem));
    return rule;
}

QString linkDeviceOf(const DirectConfigOptions& options) {
    return options.linkDevice.isEmpty() ? qEnvironmentVariable(kLinkDeviceVariable) : options.linkDevice;
}

// The maker check's warning, spelled out here so lupdate collects it; the
// link layer keeps the same text for the command line.
constexpr const char* kMakerMismatch =
    QT_TRANSLATE_NOOP("DirectConfigDialog", "This printer don't match our company name.");
static_assert(std::string_view(kMakerMismatch) == link::kMakerMismatchText);

// The connection line and the first step of Connect.
constexpr const char* kNotConnected = QT_TRANSLATE_NOOP("DirectConfigDialog", "Not connected");
constexpr const char* kConnectedTo = QT_TRANSLATE_NOOP("DirectConfigDialog", "Connected: %1 — firmware %2, %3");
constexpr const char* kNewerLayout = QT_TRANSLATE_NOOP("DirectConfigDialog", "newer layout");
constexpr const char* kOlderLayout = QT_TRANSLATE_NOOP("DirectConfigDialog", "older layout");
constexpr const char* kOpening = QT_TRANSLATE_NOOP("DirectConfigDialog", "Opening %1…");

// One of the texts above in the user's language.
QString translated(const char* text) { return QCoreApplication::translate("DirectConfigDialog", text); }

// The certificate kinds as `corvane link cert --type` names them.
QString certificateKind(int type) {
    switch (type) {
    case link::kCertificateCa: return QStringLiteral("ca");
    case link::kCertificateClientKey: return QStringLiteral("client-key");
    case link::kCertificateClientPem: return QStringLiteral("client-pem");
    default: return QString::number(type);
    }
}

}  // namespace

DirectConfigDialog::DirectConfigDialog(const DirectConfigOptions& options, QWidget* parent)
    : QDialog(parent),
      options_(options),
      port_(chosenPort(options)),
      savedTimeouts_(port_.timeouts()),
      savedReadRule_(port_.readRule()),
      session_(port_, exchangeWaits(), options.limits),
      link_{port_, model_.context(), exchangeWaits(), options.limits, {}, {}, {}},
      ui_(std::make_unique<Ui::DirectConfigDialog>()) {
    ui_->setupUi(this);
    setSizeGripEnabled(true);
    if (options_.timeouts) port_.setTimeouts(*options_.timeouts);
    port_.setReadRule(options_.readRule ? *options_.readRule : configuredReadRule());
    // The port's reads end early on Cancel; they run on the link thread, so
    // the window needs no hook of its own between their slices.
    port_.setIdleHook({});
    port_.setCancelToken(&cancel_);
    link_.run = [this](std::function<void()> job, std::function<void()> done) {
        runExchange(std::move(job), std::move(done));
    };
    link_.recordUpload = [this](int type, qint64 bytes, link::Delivery delivery, const QString& cause) {
        return recordUpload(type, bytes, delivery, cause);
    };
    ui_->cancelButton->hide();
    connect(ui_->cancelButton, &QPushButton::clicked, this, [this] { cancel_.cancel(); });

    // The model decides every radio's mark.
    for (auto* radio : {ui_->posRadio, ui_->otherTypeRadio, ui_->serialRadio, ui_->usbRadio})
        radio->setAutoExclusive(false);
    connect(ui_->serialRadio, &QRadioButton::clicked, this, &DirectConfigDialog::onSerialChosen);
    connect(ui_->usbRadio, &QRadioButton::clicked, this, &DirectConfigDialog::onUsbChosen);
    connect(ui_->posRadio, &QRadioButton::clicked, this, &DirectConfigDialog::onPosChosen);
    connect(ui_->otherTypeRadio, &QRadioButton::clicked, this, &DirectConfigDialog::onOtherTypeChosen);
    connect(ui_->portList, &QComboBox::activated, this, [this](int index) {
        model_.choosePort(index);
        render();
    });
    connect(ui_->connectButton, &QPushButton::clicked, this, &DirectConfigDialog::Connect);
    connect(ui_->disconnectButton, &QPushButton::clicked, this,
            [this] { afterEditsSettled([this] { Disconnect(); }); });
    connect(ui_->saveButton, &QPushButton::clicked, this, [this] { save(); });
    connect(ui_->quitButton, &QPushButton::clicked, this, &QDialog::reject);
    connect(ui_->exportProfileButton, &QPushButton::clicked, this, &DirectConfigDialog::exportProfile);
    connect(ui_->importProfileButton, &QPushButton::clicked, this, &DirectConfigDialog::importProfile);

    ui_->tabControl->createPages(model_.tabs, link_, options_.chooseCertificateFiles);
    // Ctrl+Tab and Ctrl+Shift+Tab turn the pages from wherever the focus is,
    // the port list included; the page being left is checked as for a click.
    const auto turnPage = [this](int step) {
        auto* pages = ui_->tabControl;
        if (!pages->isEnabled() || pages->count() == 0) return;
        pages->setCurrentIndex((pages->currentIndex() + step + pages->count()) % pages->count());
    };
    for (const QKeySequence& keys : {QKeySequence(Qt::CTRL | Qt::Key_Tab), QKeySequence(Qt::CTRL | Qt::Key_PageDown)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [turnPage] { turnPage(1); });
    // Shift+Tab arrives as Backtab; a second entry for Shift+Tab would make
    // the shortcut ambiguous.
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), QKeySequence(Qt::CTRL | Qt::Key_PageUp)})
        connect(new QShortcut(keys, this), &QShortcut::activated, this, [turnPage] { turnPage(-1); });

    model_.openWindow(comPortNames());
    render();
}

DirectConfigDialog::~DirectConfigDialog() {
    // A job still running ends at its next wait and writes its history line
    // before the link closes; its result is not shown.
    cancel_.cancel();
    closeLink();
    if (exchanging_) QApplication::restoreOverrideCursor();
    port_.setCancelToken(nullptr);
    port_.setTimeouts(savedTimeouts_);
    port_.setReadRule(savedReadRule_);
}

link::LinkWaits DirectConfigDialog::exchangeWaits() {
    // The activity is reported on the link thread and shown on the window's.
    return link::LinkWaits(slicedSleep(cancel_), &cancel_, [this](const link::LinkActivity& activity) {
        QMetaObject::invokeMethod(
            this, [this, activity] { ui_->activityLabel->setText(activityText(activity)); }, Qt::QueuedConnection);
    });
}

void DirectConfigDialog::runExchange(std::function<void()> job, std::function<void()> done) {
    if (exchanging_) return;  // the controls that start one are disabled meanwhile
    beginExchange();
    worker_.start(std::move(job), [this, done = std::move(done)] {
        endExchange();
        if (done) done();
    });
}

void DirectConfigDialog::closeLink() {
    worker_.runNow([this] { session_.disconnect(); });
}

void DirectConfigDialog::beginExchange() {
    exchanging_ = true;
    QApplication::setOverrideCursor(Qt::BusyCursor);
    closeAfterExchange_ = false;
    cancel_.reset();
    // Only Cancel and Quit take input while the printer is busy.
    heldDuringExchange_.clear();
    for (QWidget* widget :
         std::initializer_list<QWidget*>{ui_->printerTypeGroup, ui_->communicationGroup, ui_->connectButton,
                                         ui_->disconnectButton, ui_->saveButton, ui_->tabControl}) {
        heldDuringExchange_.emplace_back(widget, widget->isEnabled());
        widget->setEnabled(false);
    }
    ui_->activityLabel->clear();
    ui_->cancelButton->show();
    ui_->cancelButton->setFocus(Qt::OtherFocusReason);
}

void DirectConfigDialog::endExchange() {
    for (const auto& [widget, enabled] : heldDuringExchange_) widget->setEnabled(enabled);
    heldDuringExchange_.clear();
    ui_->cancelButton->hide();
    ui_->activityLabel->clear();
    exchanging_ = false;
    QApplication::restoreOverrideCursor();
    // A cancelled exchange leaves the printer's side unknown (a reply may
    // still come): the link goes down, as after a failed Connect.
    if (cancel_.cancelled() && session_.connected()) Disconnect();
    if (closeAfterExchange_) {
        QMetaObject::invokeMethod(
            this, [this] { done(QDialog::Rejected); }, Qt::QueuedConnection);
    }
}

void DirectConfigDialog::keyPressEvent(QKeyEvent* event) {
    if (exchanging_ && event->key() == Qt::Key_Escape) {
        cancel_.cancel();
        return;
    }
    QDialog::keyPressEvent(event);
}

ConfigTabCtrl* DirectConfigDialog::tabs() const { return ui_->tabControl; }

std::vector<std::string> DirectConfigDialog::comPortNames() const {
    const auto ports = options_.serialPorts ? options_.serialPorts() : transport::availableSerialPorts();
    std::vector<std::string> names;
    names.reserve(ports.size());
    for (const auto& port : ports) names.push_back(toStdString(port.name));
    return names;
}

QString DirectConfigDialog::devicePathOf(const QString& entry) const {
    if (entry.isEmpty()) return {};
    if (model_.linkChoice() == DirectConfigModel::kUsbLink) {
        for (const auto& device : usbDevices_)
            if (device.displayName == entry) return device.devicePath;
        return entry;
    }
    const auto ports = options_.serialPorts ? options_.serialPorts() : transport::availableSerialPorts();
    for (const auto& port : ports)
        if (port.name == entry) return port.systemLocation;
    return entry;
}

std::vector<rules::UsbEntry> DirectConfigDialog::refreshUsbDevices() {
    transport::UsbPrinterPort usb;
    usb.refresh();
    usbDevices_.clear();
    for (int i = 0; i < usb.count(); ++i) usbDevices_.push_back(*usb.getAt(i));
    // A device node named by the technician (a printer simulator's
    // pseudo-terminal, a printer under another driver) counts as a POS
    // printer and is opened the USB way, as it stands.
    if (const QString device = linkDeviceOf(options_); !device.isEmpty())
        usbDevices_.push_back({device, device, QString::fromLatin1(transport::UsbPrinterPort::kPosProductId)});
    std::vector<rules::UsbEntry> entries;
    for (const auto& device : usbDevices_)
        entries.push_back({toStdString(device.displayName), toStdString(device.productId)});
    return entries;
}

void DirectConfigDialog::onSerialChosen() {
    model_.onSerialChosen(comPortNames());
    render();
}

void DirectConfigDialog::onUsbChosen() {
    const auto usb = refreshUsbDevices();
    const auto notice = model_.onUsbChosen(usb, comPortNames());
    render();
    presentNotice(notice);
}

void DirectConfigDialog::onPosChosen() {
    const auto usb = refreshUsbDevices();
    const auto notice = model_.onPosChosen(usb, comPortNames());
    render();
    presentNotice(notice);
}

void DirectConfigDialog::onOtherTypeChosen() {
    model_.onOtherTypeChosen(comPortNames());
    render();
}

void DirectConfigDialog::Connect() {
    model_.beginConnect();
    const auto entry = model_.selectedPort();
    if (!entry) return;
    const bool usb = model_.linkChoice() == DirectConfigModel::kUsbLink;
    port_.setUsbMode(usb);
    if (usb) {
        const QString name = toQString(*entry);
        const auto device = std::find_if(usbDevices_.begin(), usbDevices_.end(),
                                         [&name](const auto& d) { return d.displayName == name; });
        if (device == usbDevices_.end()) {
            // Unplugged since the list was made.
            widgets::showMessage(this, kUnableToOpenPort,
                                 transport::openFailureText(transport::openFailure(ENODEV, name)));
            return;
        }
        port_.setPortName(device->devicePath);
    } else {
        port_.setPortName(toQString(*entry));
    }

    auto outcome = std::make_shared<link::ConnectOutcome>(link::ConnectOutcome::Cancelled);
    runExchange([this, outcome] { *outcome = session_.connect(); }, [this, outcome] { onConnectEnded(*outcome); });
    // Shown until the printer check reports its first attempt (a queued call,
    // so it comes after this).
    ui_->activityLabel->setText(translated(kOpening).arg(port_.portName()));
}

void DirectConfigDialog::onConnectEnded(link::ConnectOutcome outcome) {
    if (outcome == link::ConnectOutcome::Cancelled) return;  // asked for: nothing to say
    if (outcome == link::ConnectOutcome::MakerMismatch) {
        widgets::showWarning(this, QCoreApplication::translate("DirectConfigDialog", kMakerMismatch));
    }
    const auto message = link::ConnectMessage(outcome);
    if (outcome == link::ConnectOutcome::PortNotOpened) {
        widgets::showMessage(this, *message, transport::openFailureText(session_.openError()));
    } else if (message) {
        widgets::showMessage(this, *message);
    }
    if (outcome != link::ConnectOutcome::Connected) return;
    model_.onConnected(session_.config(), session_.systemInfo(), session_.layout());
    render();
}

void DirectConfigDialog::Disconnect() {
    closeLink();
    model_.Disconnect();
    render();
}

void DirectConfigDialog::save(std::function<void(bool saved)> then) {
    const auto finish = [&then](bool saved) {
        if (then) then(saved);
    };
    // A range message still waiting for its edit to end comes first.
    for (auto* held : ui_->tabControl->findChildren<EditNotices*>()) held->releaseAll();
    const auto notice = model_.prepareSave();
    // The checks may have settled the cipher by the WEP key's length.
    ui_->tabControl->renderPages();
    if (notice) {
        presentNotice(notice);
        return finish(false);
    }
    const link::PrinterConfig written = model_.buildConfig();
    auto save = std::make_shared<std::optional<history::LinkSave>>();
    runExchange(
        // The history line is written inside the step, before any message
        // box: the window may be closed while one shows.
        [this, save, written, before = model_.lastConfig(),
         entry = history::linkEntry(history::kWindow, history::kLinkSave, port_.portName(),
                                    session_.systemInfo().macAddress)] {
            *save = history::saveAndRecord(session_, before, written, entry);
        },
        [this, save, written, then = std::move(then)] {
            const bool saved = showSaveResult(**save, written);
            if (then) then(saved);
        });
}

bool DirectConfigDialog::showSaveResult(const history::LinkSave& save, const link::PrinterConfig& written) {
    if (!save.notRecorded.isEmpty()) widgets::showNote(this, save.notRecorded);
    // Cancelled by the user: no message (the link went down).
    if (save.cancelled && !save.succeeded()) return false;
    switch (save.delivery) {
    case link::Delivery::Confirmed: break;
    case link::Delivery::Unconfirmed:
        widgets::showMessage(this, kConfigFailed,
                             widgets::stringText(kConfigFailed) + QStringLiteral("\n\n") + notConfirmedText());
        return false;
    case link::Delivery::Refused:
    case link::Delivery::NotSent: widgets::showMessage(this, kConfigFailed); return false;
    }
    model_.recordSaved(written);
    if (!save.succeeded()) {
        widgets::showNote(this, QCoreApplication::translate("DirectConfigDialog",
                                                            "The printer confirmed the settings, but reading them "
                                                            "back shows other values for: %1")
                                    .arg(save.differing.join(QLatin1String(", "))));
        return false;
    }
    widgets::showMessage(this, kConfigCompletedReset);
    SettingsSummaryDialog summary(written, session_.layout(), this);
    runModal(summary);
    return true;
}

QString DirectConfigDialog::chooseProfileFile(bool exporting) {
    if (options_.chooseProfileFile) return options_.chooseProfileFile(this, exporting);
    const QString filter = QCoreApplication::translate("DirectConfigDialog", "Profiles (*.json);;All files (*)");
    if (!exporting)
        return QFileDialog::getOpenFileName(this, QCoreApplication::translate("DirectConfigDialog", "Import profile"),
                                            QString(), filter);
    QFileDialog chooser(this, QCoreApplication::translate("DirectConfigDialog", "Export profile"), QString(), filter);
    chooser.setAcceptMode(QFileDialog::AcceptSave);
    chooser.setDefaultSuffix(QStringLiteral("json"));
    return chooser.exec() == QDialog::Accepted ? chooser.selectedFiles().value(0) : QString();
}

void DirectConfigDialog::exportProfile() {
    const QString path = chooseProfileFile(true);
    if (path.isEmpty()) return;
    // What the pages show, unsaved edits included.
    const rules::ProfileContent content{ui_->includeSecrets->isChecked(), ui_->includeAddress->isChecked()};
    const rules::Profile profile = rules::MakeProfile(model_.buildConfig(), model_.context().layout(), content);
    const bool secret = profile::holdsSecrets(profile);
    QString error;
    if (!profile::writeWholeFile(path, profile::profileJson(profile), secret, &error)) {
        widgets::showNote(
            this, QCoreApplication::translate("DirectConfigDialog", "The profile could not be saved:\n%1").arg(error));
        return;
    }
    widgets::showNote(
        this,
        secret ? QCoreApplication::translate("DirectConfigDialog",
                                             "The profile has been saved to %1 with its keys and passwords.\nOnly you "
                                             "can read the file.")
                     .arg(path)
               : QCoreApplication::translate("DirectConfigDialog",
                                             "The profile has been saved to %1.\nKeys, passwords and the PIN were left "
                                             "out; importing the profile asks for them.")
                     .arg(path));
}

void DirectConfigDialog::importProfile() {
    // The profile lands on the pages beside any edits not yet saved; once it
    // is there the pages differ from the printer until Save (see
    // hasUnsavedEdits, for the prompt before they are dropped).
    const QString path = chooseProfileFile(false);
    if (path.isEmpty()) return;
    QString error;
    std::optional<rules::Profile> profile;
    if (const auto contents = profile::readInputFile(path, profile::kProfileLimit, &error))
        profile = profile::parseProfile(*contents, &error);
    if (!profile) {
        widgets::showNote(this,
                          QCoreApplication::translate("DirectConfigDialog", "The profile %1 cannot be imported:\n%2")
                              .arg(path, error));
        return;
    }
    const link::PrinterConfig shown = model_.buildConfig();
    const link::ConfigLayout layout = model_.context().layout();
    if (const auto missing = rules::MissingSecrets(*profile, shown, layout); !missing.empty()) {
        SecretsDialog ask(missing, this);
        if (runModal(ask) != QDialog::Accepted) return;
        profile = profile::withSecrets(*profile, ask.secrets());
    }
    const rules::SpreadResult spread = rules::SpreadProfile(*profile, shown, model_.lastSystemInfo(), layout);
    if (spread.refusal) {
        widgets::showNote(this, QCoreApplication::translate("DirectConfigDialog",
                                                            "The profile was not imported; nothing has changed.\n%1")
                                    .arg(profile::refusalText(*spread.refusal)));
        return;
    }
    model_.showRecord(spread.config);
    render();
    QString done = QCoreApplication::translate(
        "DirectConfigDialog",
        "The profile has been imported. Check the pages, then press Save to write it to the printer.");
    if (!spread.skipped.empty()) {
        done += QLatin1Char('\n') + QCoreApplication::translate("DirectConfigDialog",
                                                                "This printer has no %1; those settings were left out.")
                                        .arg(profile::toQStringList(spread.skipped).join(QLatin1String(", ")));
    }
    widgets::showNote(this, done);
}

QString DirectConfigDialog::recordUpload(int type, qint64 bytes, link::Delivery delivery, const QString& cause) {
    history::Entry entry = history::linkEntry(history::kWindow, history::kCertificateUpload, port_.portName(),
                                              session_.systemInfo().macAddress);
    entry.changes = {history::certificateChange(certificateKind(type), static_cast<std::size_t>(bytes))};
    return history::recordCertificateUpload(entry, delivery, cause, cancel_.cancelled()).notRecorded;
}

void DirectConfigDialog::done(int result) {
    if (exchanging_) {
        // Quit or the close button while the printer is busy: stop
        // the exchange; the window closes as soon as it has ended.
        closeAfterExchange_ = true;
        cancel_.cancel();
        return;
    }
    afterEditsSettled([this, result] {
        if (session_.connected()) Disconnect();
        QDialog::done(result);
    });
}

void DirectConfigDialog::stopForExit() {
    stopping_ = true;
    cancel_.cancel();
}

void DirectConfigDialog::afterEditsSettled(const std::function<void()>& proceed) {
    if (stopping_ || !model_.hasUnsavedEdits()) return proceed();
    switch (widgets::askSaveDiscardCancel(this, kDiscardEdits)) {
    case widgets::EditsChoice::Save:
        save([proceed](bool saved) {
            if (saved) proceed();
        });
        return;
    case widgets::EditsChoice::Discard: proceed(); return;
    case widgets::EditsChoice::Cancel: return;
    }
}

QString DirectConfigDialog::connectionText() const {
    if (!model_.context().connected) return translated(kNotConnected);
    const QString firmware = QString::fromStdString(link::VisibleText(model_.lastSystemInfo().firmwareVersion));
    const QString layout = model_.context().extendedLayout ? translated(kNewerLayout) : translated(kOlderLayout);
    return translated(kConnectedTo).arg(port_.portName(), firmware, layout);
}

QWidget* DirectConfigDialog::controlWidget(int id) const {
    switch (static_cast<WindowControl>(id)) {
    case WindowControl::PortList: return ui_->portList;
    case WindowControl::TabControl: return ui_->tabControl;
    case WindowControl::Save: return ui_->saveButton;
    case WindowControl::Connect: return ui_->connectButton;
    case WindowControl::Disconnect: return ui_->disconnectButton;
    case WindowControl::SerialRadio: return ui_->serialRadio;
    case WindowControl::UsbRadio: return ui_->usbRadio;
    case WindowControl::PosRadio: return ui_->posRadio;
    case WindowControl::OtherTypeRadio: return ui_->otherTypeRadio;
    }
    return nullptr;
}

void DirectConfigDialog::presentNotice(const rules::MaybeNotice& notice) {
    if (!notice) return;
    if (notice->scope != rules::kWindowScope) {
        ui_->tabControl->presentNotice(*notice);
        return;
    }
    direct::presentNotice(this, *notice, [this](int, int id) { return controlWidget(id); });
}

void DirectConfigDialog::render() {
    const auto& c = model_.controls();
    applyButton(ui_->posRadio, c[WindowControl::PosRadio]);
    applyButton(ui_->otherTypeRadio, c[WindowControl::OtherTypeRadio]);
    applyButton(ui_->serialRadio, c[WindowControl::SerialRadio]);
    applyButton(ui_->usbRadio, c[WindowControl::UsbRadio]);
    {
        const QSignalBlocker block(ui_->portList);
        QStringList entries;
        for (const auto& entry : model_.portEntries()) entries << toQString(entry);
        QStringList shown;
        for (int i = 0; i < ui_->portList->count(); ++i) shown << ui_->portList->itemText(i);
        if (shown != entries) {
            ui_->portList->clear();
            ui_->portList->addItems(entries);
        }
    }
    applyCombo(ui_->portList, c[WindowControl::PortList]);
    // Names such as USB001 or ttyS0 stand for a device path; the path is
    // what a technician checks against the system.
    for (int i = 0; i < ui_->portList->count(); ++i)
        ui_->portList->setItemData(i, devicePathOf(ui_->portList->itemText(i)), Qt::ToolTipRole);
    ui_->portList->setToolTip(devicePathOf(ui_->portList->currentText()));
    for (auto [button, control] :
         {std::pair{ui_->connectButton, WindowControl::Connect},
          std::pair{ui_->disconnectButton, WindowControl::Disconnect}, std::pair{ui_->saveButton, WindowControl::Save}})
        applyState(button, c[control]);
    ui_->tabControl->setEnabled(c[WindowControl::TabControl].enabled);
    // Profiles need a connected printer: its layout, its record beneath.
    for (QWidget* w : std::initializer_list<QWidget*>{ui_->includeSecrets, ui_->includeAddress,
                                                      ui_->exportProfileButton, ui_->importProfileButton})
        w->setEnabled(model_.context().connected);
    ui_->tabControl->renderPages();
    ui_->connectionLabel->setText(connectionText());
    if (auto focus = model_.takeFocusRequest())
        if (auto* widget = controlWidget(static_cast<int>(*focus))) widget->setFocus(Qt::OtherFocusReason);
}

}  // namespace corvane::direct
