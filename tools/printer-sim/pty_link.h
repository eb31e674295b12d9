// The direct-link printer on a pseudo-terminal: the tool opens the slave side
// as if it were a serial port; the simulator answers on the master side.
#pragma once

#include <QFile>
#include <QObject>
#include <QString>

#include <chrono>
#include <memory>

#include "link_session.h"

class QSocketNotifier;

namespace corvane::sim {

class PtyLink : public QObject {
    Q_OBJECT
public:
    explicit PtyLink(LinkPrinter& printer, QObject* parent = nullptr);
    ~PtyLink() override;

    // Creates the pty in raw mode without echo (before anyone opens the
    // slave), or left in its default mode when `cooked`, and, when
    // `symlinkPath` is given, a symlink to the slave.
    bool open(const QString& symlinkPath, bool cooked, QString* error);
    QString slavePath() const { return slavePath_; }
    // Appends every byte received from now on to `path`.
    bool recordInto(const QString& path, QString* error);

private:
    void onReadable();
    void writeAnswer(const Bytes& answer, int deafMs = 0);

    LinkSession session_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the master never sees a hang-up between tool sessions
    QString slavePath_;
    QString symlink_;
    QSocketNotifier* notifier_ = nullptr;
    QFile* record_ = nullptr;
    std::chrono::steady_clock::time_point deafUntil_{};  // input before this is dropped
};

}  // namespace corvane::sim
