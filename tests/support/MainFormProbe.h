#pragma once

#include "app/TMainForm.h"
#include "mail/Mailer.h"

namespace kagiroi {

// The internals of a TMainForm that a test sets up where no click reaches: a damaged record,
// a settings file changed behind the form's back, a cancel left over, a short wait.
struct MainFormProbe {
    static DayBook& Book(TMainForm& form) { return *form.c_.book; }
    static DayStore& Store(TMainForm& form) { return form.c_.store; }
    static SettingsFile& Settings(TMainForm& form) { return form.c_.settings; }
    static Mailer& Mail(TMainForm& form) { return *form.mail_.mailer_; }
    static bool FirstChangeFetchPending(const TMainForm& form) {
        return form.c_.firstChangeFetchPending;
    }
    static void LeaveCancelSet(TMainForm& form) { form.c_.downloadCancelFlag = true; }
    static void SetRealTimeMaxWait(TMainForm& form, int ms) { form.c_.realTimeMaxWaitMs = ms; }
};

}  // namespace kagiroi
