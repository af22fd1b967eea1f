#pragma once
#include <functional>
#include <string>
#include <string_view>

// Turns one line of the batch into its annotated form.
using TLineAnnotation = std::function<std::string(const std::string& line)>;

// Annotates the lines of a memo's text a part at a time, so that a window
// can answer between the parts. Every line, separated by CR LF, is replaced
// by annotate(line), and the separators stay as they were. A last line left
// empty by a final CR LF is no line, as in a memo. An Exception from
// annotate ends the batch: lines before it keep their results, that line
// and the rest stay as they were.
class TBatchAnnotation {
public:
    explicit TBatchAnnotation(std::string text);

    // Annotates whole lines until at least minimumBytes of annotated text
    // wait to be taken, or the text ends.
    void Step(const TLineAnnotation& annotate, size_t minimumBytes);
    // Ends the batch here: the lines not yet annotated follow as they were.
    void Stop();
    // The annotated text made since the last call, each byte given once.
    std::string TakeAnnotated();

    bool Done() const { return FNext == FText.size(); }
    // Whether any line got its annotation (so far).
    bool Changed() const { return FAnnotatedLines > 0; }
    // The share of the text that is behind us, 0..100.
    int PercentDone() const;

private:
    std::string FText;
    size_t FNext = 0;
    std::string FAnnotated;
    size_t FAnnotatedLines = 0;
};

// The whole text at once.
std::string AnnotateLines(std::string_view text, const TLineAnnotation& annotate);
