// The direct-link side of the simulated printer: bytes from the tool go in
// (in whatever pieces the line delivers them), whole answers come out. Input
// is buffered until a command is complete: GS commands are 3 bytes, mode
// commands 7, and a frame runs from kFrameHeader to the first kFrameEnd.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "link/bytes.h"
#include "sim_state.h"

namespace corvane::sim {

class LinkSession {
public:
    explicit LinkSession(LinkPrinter& printer) : printer_(printer) {}

    // Feeds received bytes; returns the answers of every command completed.
    std::vector<Outgoing> feed(ByteSpan bytes);

    const LinkPrinter& printer() const { return printer_; }

    // Lines describing what was ignored and why, for the operator; cleared on read.
    std::vector<std::string> takeNotes();

    // Longest frame accepted before the input is dropped as garbage.
    static constexpr std::size_t kMaxFrame = 8192;
    // Largest certificate kept; larger uploads are refused chunk by chunk.
    static constexpr std::size_t kMaxCertificate = 65536;

private:
    // Tries to take one command off the front of the input. False when more
    // bytes are needed.
    bool takeCommand(std::vector<Outgoing>& out);
    void onGs(std::uint8_t command, std::uint8_t argument, std::vector<Outgoing>& out);
    void onMode(std::uint8_t mode, std::vector<Outgoing>& out);
    void onFrame(ByteSpan frame, std::vector<Outgoing>& out);
    void onConfigMessage(ByteSpan message, std::vector<Outgoing>& out);
    void onCertificateChunk(ByteSpan message, std::vector<Outgoing>& out);
    // A reply frame (kReplyHeader, hex text, kFrameEnd) carrying `content` as an IfMessage.
    void replyFrame(MessageKind kind, Bytes content, std::vector<Outgoing>& out);
    void note(std::string text) { notes_.push_back(std::move(text)); }

    LinkPrinter& printer_;
    Bytes input_;
    std::uint8_t armedMode_ = 0;  // mode of the last acknowledged ModeCommand, 0 none
    // Certificate upload in progress.
    int certificateType_ = 0;
    Bytes certificate_;
    int strtWithheld_ = 0;
    int chunkIndex_ = 0;
    int chunkFailuresSent_ = 0;
    std::vector<std::string> notes_;
};

}  // namespace corvane::sim
