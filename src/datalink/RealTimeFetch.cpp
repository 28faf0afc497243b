#include "datalink/RealTimeFetch.h"

#include "datalink/JvResultCodes.h"
#include "datalink/JvResultMessage.h"
#include "datalink/ReadLoop.h"
#include "daystore/StoreRules.h"

namespace kagiroi {

std::string ServiceBusyText() {
    return "データ取得中です。取得が終わってからもう一度実行してください。";
}

int BufferSizeOf(RealTimeReader reader) {
    return reader == RealTimeReader::Odds ? 100000 : 60000;
}

RealTimeFetcher::RealTimeFetcher(JvLink& jvLink, DayStore& store, Ui& ui, ErrorLog& log,
                                 const bool& cancelFlag, Label& downloadLabel,
                                 std::function<void()> changed)
    : jvLink_(jvLink),
      store_(store),
      ui_(ui),
      log_(log),
      cancelFlag_(cancelFlag),
      label_(downloadLabel),
      changed_(std::move(changed)) {}

void RealTimeFetcher::SetLabel(const std::string& text) {
    label_.text = text;
    if (changed_) changed_();
}

void RealTimeFetcher::Report(const std::string& text) {
    SetLabel(text);
    log_.Append(text);
}

bool RealTimeFetcher::Belongs(RealTimeReader reader, const std::string& record) const {
    return KindAmong(record, RealTimeDataSpecOf(reader).stored);
}

int RealTimeFetcher::Read(const RealTimeRequest& request) {
    int stored = 0;
    ReadLoopHandlers handlers;
    handlers.onRecord = [&](const std::string& record, const std::string&) {
        if (!Belongs(request.reader, record) || !PassesRealTimeFilter(record)) return;
        if (!store_.Store(record, StoreRoute::RealTime)) return;
        ++stored;
        if (onStored_) onStored_(record);
    };
    ReadLoopResult result =
        RunReadLoop(jvLink_, ui_, cancelFlag_, BufferSizeOf(request.reader), handlers, maxWaitMs_);
    FileFailure failure;
    if (!store_.Flush(&failure)) {
        SetLabel(failure.shown);
        log_.Append(failure.logged);
    }
    if (result.end == ReadLoopEnd::Failed || result.end == ReadLoopEnd::TimedOut) {
        if (request.reader == RealTimeReader::Odds) ui_.Beep();
        Report(JvResultMessage("JVRead", result.code));
    }
    return stored;
}

void RealTimeFetcher::CloseStep(const RealTimeRequest& request) {
    bool odds = request.reader == RealTimeReader::Odds;
    // Only a request this fetch opened is closed: after a failed open there is nothing of ours.
    int rc = open_ ? jvLink_.JVClose() : jv::kOk;
    open_ = false;
    if (rc != jv::kOk) {
        Report(JvResultMessage("JVClose", rc));
        if (odds) ui_.Beep();
    } else if (!odds && !request.quiet) {
        ui_.Beep();
    }
    if (odds) ui_.SetBusyCursor(false);
}

RealTimeOutcome RealTimeFetcher::Fetch(const RealTimeRequest& request) {
    RealTimeOutcome outcome;
    JvRequestGate& gate = jvLink_.Requests();
    if (!gate.Take(this)) {
        outcome.refused = true;
        return outcome;
    }
    Run(request, outcome);
    gate.Release(this);
    return outcome;
}

void RealTimeFetcher::Run(const RealTimeRequest& request, RealTimeOutcome& outcome) {
    bool odds = request.reader == RealTimeReader::Odds;
    bool change = request.reader == RealTimeReader::Change;
    if (odds) ui_.SetBusyCursor(true);
    SetLabel(request.fetchingLabel);
    ui_.ProcessEvents();

    int rc = jvLink_.JVRTOpen(request.dataSpec, request.key);
    open_ = rc == jv::kOk;
    if (rc == jv::kNoNewerData && !request.notYetLabel.empty()) {
        SetLabel(request.notYetLabel);
        if (!change) CloseStep(request);
    } else if (!open_) {
        if (odds || change || !request.quiet) ui_.Beep();
        std::string failure = request.failurePrefix + JvFailureMessage(jvLink_, "JVRTOpen", rc);
        // The change fetch shows its failure without logging it; "nothing newer yet" (-1) is
        // no error either, or every timed fetch before the first result would log one.
        if (change || rc == jv::kNoNewerData) {
            SetLabel(failure);
        } else {
            Report(failure);
        }
        if (!change) CloseStep(request);
    } else {
        outcome.opened = true;
        outcome.recordsStored = Read(request);
        if (!change) CloseStep(request);
    }
    // The label is cleared when the command ends; a failure stays readable until the next fetch.
    if (label_.text == request.fetchingLabel) SetLabel("");
    ui_.ProcessEvents();
    CloseStep(request);
}

}  // namespace kagiroi
