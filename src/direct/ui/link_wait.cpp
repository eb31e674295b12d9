#include "direct/ui/link_wait.h"

#include <algorithm>
#include <thread>

#include <QCoreApplication>

namespace corvane::direct {

link::SleepFn slicedSleep(const link::CancelToken& cancel) {
    return [&cancel](std::chrono::milliseconds duration) {
        using Clock = std::chrono::steady_clock;
        constexpr std::chrono::milliseconds kSlice{20};
        const auto deadline = Clock::now() + duration;
        for (;;) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
            if (left.count() <= 0 || cancel.cancelled()) break;
            std::this_thread::sleep_for(std::min(left, kSlice));
        }
    };
}

QString activityText(const link::LinkActivity& activity) {
    switch (activity.step) {
    case link::LinkStep::CheckingPrinter:
        return QCoreApplication::translate("DirectConfigDialog", "Checking the printer… attempt %1 of %2")
            .arg(activity.attempt)
            .arg(activity.attempts);
    case link::LinkStep::Reading:
        return QCoreApplication::translate("DirectConfigDialog", "Reading the printer's settings…");
    case link::LinkStep::Saving: return QCoreApplication::translate("DirectConfigDialog", "Saving the settings…");
    case link::LinkStep::Surveying:
        return QCoreApplication::translate("DirectConfigDialog", "Surveying the access points…");
    case link::LinkStep::Uploading:
        return QCoreApplication::translate("DirectConfigDialog", "Uploading the certificate… part %1 of %2")
            .arg(activity.attempt)
            .arg(activity.attempts);
    }
    return {};
}

QString notConfirmedText() {
    return QCoreApplication::translate("DirectConfigDialog",
                                       "The printer did not confirm the change, but it may have taken it. Connect "
                                       "again to see what it holds before trying again.");
}

}  // namespace corvane::direct
