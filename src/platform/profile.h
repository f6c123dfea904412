#pragma once
// Windows private-profile (INI) files, as GetPrivateProfileStringA and friends see them.
// Implemented by SimProfile (profile files kept on the simulated drives) and Win32Profile.
#include <cstddef>
#include <string>

namespace hv {

class Profile {
  public:
    virtual ~Profile() = default;

    // The value of section/key, or `fallback` when the file, section or key is missing.
    // Names match without regard to case; blanks around the value and one enclosing pair of
    // matching quotes are removed; at most bufferChars - 1 characters come back.
    virtual std::string getString(const std::string& file, const std::string& section,
                                  const std::string& key, const std::string& fallback,
                                  std::size_t bufferChars) = 0;

    // Stores section/key = value, creating the file and section when missing and replacing the
    // key in place. False when the file cannot be written (missing folder, read-only).
    virtual bool writeString(const std::string& file, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // The section as GetPrivateProfileSectionA fills its buffer: "key=value\0...\0\0", cut to
    // fit bufferChars. Empty when the file or section is missing.
    virtual std::string getSection(const std::string& file, const std::string& section,
                                   std::size_t bufferChars) = 0;
};

}  // namespace hv
