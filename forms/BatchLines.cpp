#include "forms/BatchLines.h"

#include "base/Exception.h"

TBatchAnnotation::TBatchAnnotation(std::string text) : FText(std::move(text)) {}

void TBatchAnnotation::Step(const TLineAnnotation& annotate, size_t minimumBytes) {
    try {
        while (!Done() && FAnnotated.size() < minimumBytes) {
            size_t end = FText.find("\r\n", FNext);
            if (end == std::string::npos) end = FText.size();
            FAnnotated += annotate(FText.substr(FNext, end - FNext));
            ++FAnnotatedLines;
            FNext = end;
            if (FNext < FText.size()) {
                FAnnotated += "\r\n";
                FNext += 2;
            }
        }
    } catch (const Exception&) {
        Stop();
    }
}

void TBatchAnnotation::Stop() {
    FAnnotated.append(FText, FNext);
    FNext = FText.size();
}

std::string TBatchAnnotation::TakeAnnotated() {
    std::string taken = std::move(FAnnotated);
    FAnnotated.clear();
    return taken;
}

int TBatchAnnotation::PercentDone() const {
    return FText.empty() ? 100 : int(uint64_t(FNext) * 100 / FText.size());
}

std::string AnnotateLines(std::string_view text, const TLineAnnotation& annotate) {
    TBatchAnnotation batch{std::string(text)};
    batch.Step(annotate, std::string::npos);
    return batch.TakeAnnotated();
}
