#include "direct/ui/edit_notices.h"

#include <QLineEdit>

namespace corvane::direct {

EditNotices::EditNotices(NoticeSink sink, QObject* parent) : QObject(parent), sink_(std::move(sink)) {}

void EditNotices::hold(QLineEdit* edit, const rules::MaybeNotice& notice) {
    if (!notice) return;
    if (watched_.insert(edit).second) connect(edit, &QLineEdit::editingFinished, this, [this, edit] { release(edit); });
    held_.insert_or_assign(edit, *notice);
}

void EditNotices::release(QLineEdit* edit) {
    const auto it = held_.find(edit);
    if (it == held_.end()) return;
    const rules::Notice notice = it->second;
    held_.erase(it);
    sink_(notice);
}

void EditNotices::releaseAll() {
    while (!held_.empty()) release(held_.begin()->first);
}

}  // namespace corvane::direct
