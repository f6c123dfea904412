#pragma once
// Failure injection for the simulated machine: a test decides, per operation and path, which
// Win32 error the next call returns instead of doing its work.
#include <functional>
#include <string>
#include <string_view>

namespace hv::sim {

// op is the operation's name ("list", "stat", "setAttributes", "deleteFile", "removeFolder",
// "createFolder", "readFile", "writeFile", "replaceFile", "deleteAtReboot", "queryValue",
// "setValue", "createKey", "deleteKey", "deleteTree", "deleteValue", "enumValues", "enumKeys");
// path is the file path or "ROOT\sub-key". Returning 0 lets the call go ahead.
using FaultRule = std::function<long(std::string_view op, const std::string& path)>;

}  // namespace hv::sim
