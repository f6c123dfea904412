// Ext.txt of any text: only legal entries ("*." and at least one more character) are listed,
// joined by ";" in file order; removing an entry takes out exactly the lines equal to it and
// keeps every other line in order, and no temporary file stays behind.
#include <cstddef>
#include <cstdint>
#include <string>

#include "finder/extention_handller.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    sim::Machine machine;
    Platform os = machine.platform();
    const std::string text(reinterpret_cast<const char*>(data), size);
    machine.files.addTextFile(ExtListFile(os), text);
    const auto lines = splitLines(text);

    std::vector<std::string> legal;
    for (const auto& line : lines) {
        const bool expected = line.size() > 2 && line[0] == '*' && line[1] == '.';
        fuzz::Require(IsLegalExt(line) == expected, "IsLegalExt disagrees on: " + line);
        if (expected) legal.push_back(line);
    }
    const auto read = ReadLegalExts(os);
    fuzz::Require(read && *read == legal, "the legal entries are not the legal lines");
    std::string joined;
    for (const auto& entry : legal) joined += (joined.empty() ? "" : ";") + entry;
    fuzz::Require(GetExtList(os) == joined, "the pattern text is not the entries joined");

    if (lines.empty()) return 0;
    const std::string removed = lines[lines.size() / 2];
    fuzz::Require(RemoveExt(os, removed) == kSuccess, "removing an entry failed");
    std::vector<std::string> rest;
    for (const auto& line : lines)
        if (line != removed) rest.push_back(line);
    fuzz::Require(splitLines(machine.files.text(ExtListFile(os))) == rest,
                  "removing an entry changed other lines");
    std::vector<FileInfo> entries;
    machine.files.list(machine.appFolder(), entries);
    fuzz::Require(entries.size() == 1, "a temporary file stayed beside Ext.txt");
    return 0;
}
