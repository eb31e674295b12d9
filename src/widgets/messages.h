// Every message box of the tool goes through here: numbered texts with the
// tool's caption and an OK button, and the maker check's warning. Tests
// install a hook that records what would be shown instead of showing it.
#pragma once

#include <functional>
#include <vector>

#include <QString>

#include "link/string_table.h"

class QWidget;

namespace corvane::widgets {

struct ShownMessage {
    QString caption;
    QString text;
    int stringId = -1;  // -1 for a warning with free text
    bool warning = false;
    bool question = false;  // asked: Save, Discard and Cancel, or two buttons (askToProceed)
};

using MessageHook = std::function<void(const ShownMessage&)>;

// Replaces the message box by `hook`; an empty hook shows boxes again.
void setMessageHook(MessageHook hook);

// The answers to a question about edits that would be lost.
enum class EditsChoice { Save, Discard, Cancel };
using QuestionHook = std::function<EditsChoice(const ShownMessage&)>;
// Replaces the question box by `hook`; an empty hook shows boxes again.
void setQuestionHook(QuestionHook hook);

// String `stringId` in the current language, caption "Corvane Tool", OK.
void showMessage(QWidget* parent, StringId stringId);
// The message of string `stringId` in words that add to it (its cause, say),
// built by the caller; shown as above.
void showMessage(QWidget* parent, StringId stringId, const QString& fullText);
// The same with `argument` in place of the text's "%1" (an address, a cause).
void showMessageWith(QWidget* parent, StringId stringId, const QString& argument);
// Free text with the tool's caption and OK.
void showNote(QWidget* parent, const QString& text);
// `text` with caption "Warning", the warning icon and OK.
void showWarning(QWidget* parent, const QString& text);
// String `stringId` as a question with the tool's caption and the buttons
// Save, Discard and Cancel; Escape or closing the box answers Cancel.
EditsChoice askSaveDiscardCancel(QWidget* parent, StringId stringId);

// `text` with the tool's caption, the warning icon and two buttons: true
// for `proceed`, false for `back` (also when the box is closed).
bool askToProceed(QWidget* parent, const QString& text, const QString& proceed, const QString& back);

// Records every message while it lives (for tests); a question is recorded
// too and answered with `answer` (Cancel unless set), askToProceed with
// `answerQuestions` (back unless set).
class MessageCapture {
public:
    MessageCapture();
    ~MessageCapture();
    MessageCapture(const MessageCapture&) = delete;
    MessageCapture& operator=(const MessageCapture&) = delete;

    const std::vector<ShownMessage>& messages() const { return messages_; }
    std::vector<int> ids() const;
    void clear() { messages_.clear(); }
    void setAnswer(EditsChoice answer) { answer_ = answer; }
    // What askToProceed answers while the capture lives (default: back).
    void answerQuestions(bool proceed) { proceed_ = proceed; }

private:
    std::vector<ShownMessage> messages_;
    EditsChoice answer_ = EditsChoice::Cancel;
    bool proceed_ = false;
};

}  // namespace corvane::widgets
