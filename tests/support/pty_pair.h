// A pseudo-terminal pair made by a test: the test plays the printer on the
// master side, the link port opens the slave node.
#pragma once

#include <fcntl.h>
#include <termios.h>
#include <unistd.h>

#include <cstdlib>
#include <string>

#include <QString>

namespace corvane::test {

class PtyPair {
public:
    PtyPair() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY);
        if (master_ < 0 || ::grantpt(master_) != 0 || ::unlockpt(master_) != 0) return;
        slave_ = ::ptsname(master_);
        termios raw{};
        ::tcgetattr(master_, &raw);
        ::cfmakeraw(&raw);
        ::tcsetattr(master_, TCSANOW, &raw);
    }
    ~PtyPair() { hangUp(); }
    PtyPair(const PtyPair&) = delete;
    PtyPair& operator=(const PtyPair&) = delete;

    bool ok() const { return !slave_.empty(); }
    int master() const { return master_; }
    QString slave() const { return QString::fromStdString(slave_); }
    // True when all of `text` went out.
    bool send(const std::string& text) const {
        return ::write(master_, text.data(), text.size()) == static_cast<ssize_t>(text.size());
    }
    std::string receive() const {
        char buffer[256];
        const ssize_t n = ::read(master_, buffer, sizeof buffer);
        return n > 0 ? std::string(buffer, static_cast<std::size_t>(n)) : std::string();
    }
    // Closes the printer's side: the port's side sees a hang-up.
    void hangUp() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

private:
    int master_ = -1;
    std::string slave_;
};

}  // namespace corvane::test
