// A rule's message about a number being typed, held until the edit ends.
// The rule corrects the value at once (the edit shows the corrected number
// while the user types on), but its message comes once, when the user leaves
// the edit or presses Enter, not at every keystroke that overshoots.
#pragma once

#include <map>
#include <set>

#include <QObject>

#include "rules/control_state.h"
#include "direct/ui/control_sync.h"

class QLineEdit;

namespace corvane::direct {

class EditNotices : public QObject {
    Q_OBJECT
public:
    EditNotices(NoticeSink sink, QObject* parent);

    // Holds `notice` for `edit` (replacing one held before) until its edit
    // ends; no notice passes nothing.
    void hold(QLineEdit* edit, const rules::MaybeNotice& notice);
    // Shows what is held for `edit`, if anything.
    void release(QLineEdit* edit);
    // Shows everything held (before a save).
    void releaseAll();

private:
    NoticeSink sink_;
    std::map<QLineEdit*, rules::Notice> held_;
    std::set<QLineEdit*> watched_;
};

}  // namespace corvane::direct
