// The direct-link printer on a pseudo-terminal: the tool opens the slave side
// as if it were a serial port; the simulator answers on the master side.
#pragma once

#include <QObject>
#include <QString>

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
    // slave) and, when `symlinkPath` is given, a symlink to the slave.
    bool open(const QString& symlinkPath, QString* error);
    QString slavePath() const { return slavePath_; }

private:
    void onReadable();
    void writeAnswer(const Bytes& answer);

    LinkSession session_;
    int master_ = -1;
    int slave_ = -1;  // kept open so the master never sees a hang-up between tool sessions
    QString slavePath_;
    QString symlink_;
    QSocketNotifier* notifier_ = nullptr;
};

}  // namespace corvane::sim
