#include "app/UpdateStates.h"

#include <cstdio>

namespace {
std::string Megabytes(uint64_t bytes) {
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1e6);
    return text;
}
}  // namespace

bool TUpdateStates::Running() const {
    return FPhase == UpdatePhase::Checking || FPhase == UpdatePhase::Downloading || FPhase == UpdatePhase::Installing ||
           FPhase == UpdatePhase::WaitingForBatch;
}

std::string TUpdateStates::StatusText() const {
    switch (FPhase) {
    case UpdatePhase::Idle: return "";
    case UpdatePhase::Checking: return "正在检查更新…";
    case UpdatePhase::Downloading: return "正在下载：" + Megabytes(FReceived) + " / " + Megabytes(FTotal);
    case UpdatePhase::Installing: return "正在检验新数据…";
    case UpdatePhase::WaitingForBatch: return "已下载，等待批量查询结束…";
    case UpdatePhase::Done: return "更新完成";
    case UpdatePhase::UpToDate: return "已是最新";
    case UpdatePhase::Deferred: return "数据库文件正被其他程序使用，新数据将在下次启动时启用";
    case UpdatePhase::Failed: return "更新失败";
    case UpdatePhase::Cancelled: return "已取消";
    }
    return "";
}

unsigned TUpdateStates::Start() {
    FPhase = UpdatePhase::Checking;
    FWorkerOut = true;
    FReceived = FTotal = 0;
    FFailure.clear();
    return ++FRun;
}

void TUpdateStates::Downloaded(uint64_t received, uint64_t total) {
    if (FPhase != UpdatePhase::Checking && FPhase != UpdatePhase::Downloading) return;
    FPhase = UpdatePhase::Downloading;
    FReceived = received;
    FTotal = total;
}

bool TUpdateStates::Delivered(unsigned run, const FeedResult& result) {
    if (run == FRun) FWorkerOut = false;
    if (run != FRun || (FPhase != UpdatePhase::Checking && FPhase != UpdatePhase::Downloading)) return false;
    switch (result.Outcome) {
    case FeedOutcome::UpToDate: FPhase = UpdatePhase::UpToDate; break;
    case FeedOutcome::Refused: Fail(result.Message); break;
    case FeedOutcome::Cancelled: FPhase = UpdatePhase::Cancelled; break;
    case FeedOutcome::Staged: FPhase = UpdatePhase::Installing; return true;
    }
    return false;
}

bool TUpdateStates::Installs(unsigned run) const {
    return run == FRun && (FPhase == UpdatePhase::Installing || FPhase == UpdatePhase::WaitingForBatch);
}

void TUpdateStates::WaitForBatch() {
    if (FPhase == UpdatePhase::Installing) FPhase = UpdatePhase::WaitingForBatch;
}

void TUpdateStates::Installed(InstallOutcome outcome, const std::string& failure) {
    if (outcome == InstallOutcome::Refused) return Fail(failure);
    FPhase = outcome == InstallOutcome::Installed ? UpdatePhase::Done : UpdatePhase::Deferred;
}

void TUpdateStates::Fail(const std::string& failure) {
    FPhase = UpdatePhase::Failed;
    FFailure = failure;
}

void TUpdateStates::Cancel() {
    if (Running()) FPhase = UpdatePhase::Cancelled;
}
