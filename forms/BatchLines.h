#pragma once
#include <functional>
#include <string>
#include <string_view>

// Turns one line of the batch into its annotated form.
using TLineAnnotation = std::function<std::string(const std::string& line)>;

// Annotates the lines of a memo's text in one pass: every line, separated by
// CR LF, is replaced by annotate(line), and the separators stay as they were.
// A last line left empty by a final CR LF is no line, as in a memo. An
// Exception from annotate ends the batch: lines before it keep their
// results, that line and the rest stay as they were.
std::string AnnotateLines(std::string_view text, const TLineAnnotation& annotate);
