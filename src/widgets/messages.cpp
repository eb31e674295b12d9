#include "widgets/messages.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPushButton>

#include "link/string_table.h"
#include "widgets/translation.h"

namespace corvane::widgets {

namespace {

MessageHook& hook() {
    static MessageHook h;
    return h;
}

QuestionHook& questionHook() {
    static QuestionHook h;
    return h;
}

void present(QWidget* parent, const ShownMessage& message) {
    if (hook()) {
        hook()(message);
        return;
    }
    QMessageBox box(message.warning ? QMessageBox::Warning : QMessageBox::NoIcon, message.caption, message.text,
                    QMessageBox::Ok, parent);
    box.exec();
}

}  // namespace

void setMessageHook(MessageHook h) { hook() = std::move(h); }

void setQuestionHook(QuestionHook h) { questionHook() = std::move(h); }

EditsChoice askSaveDiscardCancel(QWidget* parent, StringId stringId) {
    const ShownMessage message{stringText(kCaption), stringText(stringId), stringId, false, true};
    if (questionHook()) return questionHook()(message);
    QMessageBox box(QMessageBox::Question, message.caption, message.text,
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    switch (box.exec()) {
    case QMessageBox::Save: return EditsChoice::Save;
    case QMessageBox::Discard: return EditsChoice::Discard;
    default: return EditsChoice::Cancel;
    }
}

bool askToProceed(QWidget* parent, const QString& text, const QString& proceed, const QString& back) {
    const ShownMessage message{stringText(kCaption), text, -1, true, true};
    // A test answers Save to go on.
    if (questionHook()) return questionHook()(message) == EditsChoice::Save;
    QMessageBox box(QMessageBox::Warning, message.caption, text, QMessageBox::NoButton, parent);
    QPushButton* proceedButton = box.addButton(proceed, QMessageBox::AcceptRole);
    QPushButton* backButton = box.addButton(back, QMessageBox::RejectRole);
    box.setDefaultButton(backButton);
    box.setEscapeButton(backButton);
    box.exec();
    return box.clickedButton() == proceedButton;
}

void showMessage(QWidget* parent, StringId stringId) {
    present(parent, {stringText(kCaption), stringText(stringId), stringId, false});
}

void showMessage(QWidget* parent, StringId stringId, const QString& fullText) {
    present(parent, {stringText(kCaption), fullText, stringId, false});
}

void showMessageWith(QWidget* parent, StringId stringId, const QString& argument) {
    present(parent, {stringText(kCaption), stringText(stringId).arg(argument), stringId, false});
}

void showNote(QWidget* parent, const QString& text) { present(parent, {stringText(kCaption), text, -1, false}); }

void showWarning(QWidget* parent, const QString& text) {
    present(parent, {QCoreApplication::translate("Messages", "Warning"), text, -1, true});
}

MessageCapture::MessageCapture() {
    setMessageHook([this](const ShownMessage& m) { messages_.push_back(m); });
    setQuestionHook([this](const ShownMessage& m) {
        messages_.push_back(m);
        // The two-button question of askToProceed is the warning one.
        if (m.warning) return proceed_ ? EditsChoice::Save : EditsChoice::Cancel;
        return answer_;
    });
}

MessageCapture::~MessageCapture() {
    setMessageHook({});
    setQuestionHook({});
}

std::vector<int> MessageCapture::ids() const {
    std::vector<int> result;
    result.reserve(messages_.size());
    for (const auto& m : messages_) result.push_back(m.stringId);
    return result;
}

}  // namespace corvane::widgets
