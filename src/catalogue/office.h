#pragma once
// Which Office the Office items clean: Word, asked once per clean run, names the version whose
// registry keys the items build.
#include <string>

#include "platform/word_automation.h"

namespace hv::catalogue {

// What the run notes in CleanRun::runState for the Office items.
inline constexpr const char* kOfficeVersionName = "OfficeVersionName";
inline constexpr const char* kOfficeVersionKey = "OfficeVersionKey";

// Starts Word, reads its version and lets it quit: "Office97" to "Office2013", "NoOffice" when
// Word cannot be started, "" for a version it does not know.
std::string DetectOfficeVersion(WordAutomation& word);
// The registry version segment of a detected version ("Office2003" gives "11.0"); "" for
// "NoOffice" and anything unknown.
std::string OfficeVersionKeyOf(const std::string& versionName);

}  // namespace hv::catalogue
