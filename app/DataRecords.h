#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "app/FeedManifest.h"

// What is kept beside database files, in CR LF lines:
// - data-version.txt, in the layout the build writes beside the bundled
//   files: "name version sha256" for each file;
// - probes.txt, beside updated files only: "name address answer" for each
//   probe of a file, the answer to the end of the line (GBK).
// Lines of another shape are passed over.
std::vector<FeedFile> ReadDataRecords(std::string_view versionText, std::string_view probesText);
std::string FormatVersionText(const std::vector<FeedFile>& files);
std::string FormatProbesText(const std::vector<FeedFile>& files);

// The record of the file of that name; null when there is none.
const FeedFile* FindRecord(const std::vector<FeedFile>& files, std::string_view name);
