#pragma once

#include "app/TMainForm.h"
#include "mail/Mailer.h"

namespace kagiroi {

// The internals of a TMainForm that a test sets up where no click reaches: a damaged record,
// a settings file changed behind the form's back, a cancel left over, a short wait.
struct MainFormProbe {
    static DayBook& Book(TMainForm& form) { return *form.book_; }
    static DayStore& Store(TMainForm& form) { return form.store_; }
    static SettingsFile& Settings(TMainForm& form) { return form.settings_; }
    static Mailer& Mail(TMainForm& form) { return *form.mailer_; }
    static bool FirstChangeFetchPending(const TMainForm& form) {
        return form.firstChangeFetchPending_;
    }
    static void LeaveCancelSet(TMainForm& form) { form.downloadCancelFlag_ = true; }
    static void SetRealTimeMaxWait(TMainForm& form, int ms) { form.realTimeMaxWaitMs_ = ms; }
};

}  // namespace kagiroi
