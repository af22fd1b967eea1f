#include "forms/BatchLines.h"

#include <gtest/gtest.h>

#include <vector>

#include "base/Exception.h"

namespace {
std::string Tagged(std::string_view text) {
    return AnnotateLines(text, [](const std::string& line) { return line + " <" + line + ">"; });
}
}  // namespace

TEST(AnnotateLines, EachLineGetsItsAnnotationInPlace) {
    EXPECT_EQ(Tagged("1.2.3.4\r\n  5.6.7.8 "), "1.2.3.4 <1.2.3.4>\r\n  5.6.7.8  <  5.6.7.8 >");
    EXPECT_EQ(Tagged("\xD6\xD0\r\nx"), "\xD6\xD0 <\xD6\xD0>\r\nx <x>");
}

TEST(AnnotateLines, EmptyLinesCountButAFinalLineBreakAddsNone) {
    EXPECT_EQ(Tagged(""), "");
    EXPECT_EQ(Tagged("a\r\n"), "a <a>\r\n");
    EXPECT_EQ(Tagged("a\r\n\r\nb"), "a <a>\r\n <>\r\nb <b>");
    EXPECT_EQ(Tagged("a\r\n\r\n"), "a <a>\r\n <>\r\n");
    EXPECT_EQ(Tagged("\r\n"), " <>\r\n");
}

TEST(AnnotateLines, LoneCarriageReturnOrLineFeedStaysInsideItsLine) {
    EXPECT_EQ(Tagged("a\rb\nc"), "a\rb\nc <a\rb\nc>");
}

TEST(AnnotateLines, FirstFailingLineEndsTheBatchAndLeavesTheRestAsItWas) {
    std::vector<std::string> seen;
    std::string result = AnnotateLines("one\r\nbad\r\nthree\r\n", [&](const std::string& line) {
        seen.push_back(line);
        if (line == "bad") throw Exception("\xCE\xC4\xBC\xFE");
        return line + "!";
    });
    EXPECT_EQ(result, "one!\r\nbad\r\nthree\r\n");
    EXPECT_EQ(seen, (std::vector<std::string>{"one", "bad"}));
}

TEST(AnnotateLines, FailureOnTheFirstLineChangesNothing) {
    std::string text = "1.2.3.4\r\n\r\n5.6.7.8";
    EXPECT_EQ(AnnotateLines(text, [](const std::string&) -> std::string { throw Exception("gone"); }), text);
}

TEST(AnnotateLines, OtherErrorsAreNotTakenForALookupFailure) {
    EXPECT_THROW(AnnotateLines("a", [](const std::string&) -> std::string { throw std::bad_alloc(); }),
                 std::bad_alloc);
}

TEST(AnnotateLines, EachLineIsVisitedOnceInOrder) {
    std::string text;
    for (int i = 0; i < 1000; ++i) text += std::to_string(i) + "\r\n";
    int next = 0;
    AnnotateLines(text, [&](const std::string& line) {
        EXPECT_EQ(line, std::to_string(next++));
        return line;
    });
    EXPECT_EQ(next, 1000);
}

TEST(BatchAnnotation, PartsJoinedGiveTheWholeAnnotationAndProgressGrows) {
    std::string text;
    for (int i = 0; i < 100; ++i) text += "line" + std::to_string(i) + "\r\n";
    TBatchAnnotation batch(text);
    std::string joined;
    int parts = 0, lastPercent = -1;
    while (!batch.Done()) {
        batch.Step([](const std::string& line) { return line + "!"; }, 50);
        std::string part = batch.TakeAnnotated();
        if (!batch.Done()) EXPECT_GE(part.size(), 50u) << "a part holds at least what was asked, but the last";
        EXPECT_GT(batch.PercentDone(), lastPercent);
        lastPercent = batch.PercentDone();
        joined += part;
        ++parts;
    }
    EXPECT_EQ(joined, AnnotateLines(text, [](const std::string& line) { return line + "!"; }));
    EXPECT_GT(parts, 5);
    EXPECT_EQ(batch.PercentDone(), 100);
    EXPECT_TRUE(batch.Changed());
    EXPECT_EQ(batch.TakeAnnotated(), "");
}

TEST(BatchAnnotation, FailureInALaterPartKeepsEarlierPartsAndGivesTheRestAsItWas) {
    TBatchAnnotation batch("a\r\nb\r\nbad\r\nc");
    auto annotate = [](const std::string& line) {
        if (line == "bad") throw Exception("gone");
        return line + "!";
    };
    batch.Step(annotate, 1);
    EXPECT_EQ(batch.TakeAnnotated(), "a!\r\n");
    batch.Step(annotate, 100);
    EXPECT_TRUE(batch.Done());
    EXPECT_EQ(batch.TakeAnnotated(), "b!\r\nbad\r\nc");
}

TEST(BatchAnnotation, FailureOnTheFirstLineLeavesItUnchanged) {
    TBatchAnnotation batch("1.2.3.4\r\n5.6.7.8");
    batch.Step([](const std::string&) -> std::string { throw Exception("gone"); }, 100);
    EXPECT_TRUE(batch.Done());
    EXPECT_FALSE(batch.Changed());
}
