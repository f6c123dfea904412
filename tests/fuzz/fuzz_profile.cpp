// The simulated profile reader and writer over any file text. The input's first three lines are
// a section, a key and a value; the rest is the file. Reads stay within their buffers and never
// hold a line break; a section comes back as NUL-ended pieces; a value written under a plain
// section and key reads back as written, and writing it again changes nothing.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

#include "engine/inifun.h"
#include "fuzz/fuzz_machine.h"
#include "platform/text.h"

namespace {

// A name the profile format can hold: no brackets, equals signs, line breaks or NULs, no
// leading comment mark, no blanks around it.
std::string Plain(const std::string& text) {
    std::string out;
    for (char c : text)
        if (c != '[' && c != ']' && c != '=' && c != '\r' && c != '\n' && c != '\0') out += c;
    out = hv::trimWhite(out);
    while (!out.empty() && out[0] == ';') out = hv::trimWhite(out.substr(1));
    return out;
}

std::string NextLine(std::string& rest) {
    const auto end = rest.find('\n');
    std::string line = rest.substr(0, end);
    rest = end == std::string::npos ? "" : rest.substr(end + 1);
    return line;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace hv;
    std::string rest(reinterpret_cast<const char*>(data), size);
    const std::string section = NextLine(rest);
    const std::string key = NextLine(rest);
    const std::string value = NextLine(rest);

    sim::Machine machine;
    const std::string file = "C:\\fuzz.ini";
    machine.files.addTextFile(file, rest);
    sim::SimProfile& profile = machine.profile;

    for (std::size_t buffer : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{128}}) {
        const std::string read = profile.getString(file, section, key, "fallback", buffer);
        fuzz::Require(read.size() + 1 <= std::max<std::size_t>(buffer, 1),
                      "a read longer than its buffer");
        fuzz::Require(read.find_first_of("\r\n") == std::string::npos, "a read holds a break");
    }
    for (std::size_t buffer : {std::size_t{2}, std::size_t{16}, std::size_t{32767}}) {
        const std::string got = profile.getSection(file, section, buffer);
        fuzz::Require(got.size() <= buffer, "a section longer than its buffer");
        fuzz::Require(got.empty() || got.ends_with(std::string(2, '\0')) ||
                          (got.size() == 1 && got[0] == '\0'),
                      "a section not ended by two NULs");
    }
    for (const auto& line : ReadIniSection(profile, section, file))
        fuzz::Require(!line.empty() && line.find('\0') == std::string::npos,
                      "an empty piece or a NUL in a section line");
    const std::string ini = ReadIni(profile, file, section, key);
    fuzz::Require(ini.size() <= 127 && trimBlanks(ini) == ini, "ReadIni broke its rules");

    const std::string s = Plain(section);
    const std::string k = Plain(key);
    std::string v = value;
    v.erase(std::remove_if(v.begin(), v.end(), [](char c) { return c == '\r' || c == '\0'; }),
            v.end());
    v = trimWhite(v);
    if (s.empty() || k.empty()) return 0;
    fuzz::Require(profile.writeString(file, s, k, v), "a write failed");
    std::string expected = v;
    if (expected.size() >= 2 && (expected[0] == '"' || expected[0] == '\'') &&
        expected.back() == expected[0])
        expected = expected.substr(1, expected.size() - 2);
    expected = expected.substr(0, 127);
    const std::string back = profile.getString(file, s, k, "", 128);
    fuzz::Require(back == expected,
                  "written [" + s + "] " + k + "=" + v + " reads back as " + back);
    const std::string once = machine.files.text(file);
    profile.writeString(file, s, k, v);
    fuzz::Require(machine.files.text(file) == once,
                  "writing the same value again changed the file");
    return 0;
}
