#pragma once
// Values that Windows defines and the core uses by number, so that the core never needs
// <windows.h>. Both platform layers speak in these terms.
#include <cstdint>

namespace hv {

// Predefined registry roots, by their handle values.
using RootKey = std::uint32_t;
inline constexpr RootKey kNoRoot = 0;
inline constexpr RootKey kClassesRoot = 0x80000000u;
inline constexpr RootKey kCurrentUser = 0x80000001u;
inline constexpr RootKey kLocalMachine = 0x80000002u;
inline constexpr RootKey kUsers = 0x80000003u;
inline constexpr RootKey kPerformanceData = 0x80000004u;
inline constexpr RootKey kCurrentConfig = 0x80000005u;
inline constexpr RootKey kDynData = 0x80000006u;

// Win32 error codes the platform layers return.
inline constexpr long kSuccess = 0;
inline constexpr long kFileNotFound = 2;
inline constexpr long kPathNotFound = 3;
inline constexpr long kAccessDenied = 5;
inline constexpr long kSharingViolation = 32;
inline constexpr long kDiskFull = 112;
inline constexpr long kAlreadyExists = 183;
inline constexpr long kMoreData = 234;
inline constexpr long kNoMoreItems = 259;

// File attribute bits.
namespace attr {
inline constexpr std::uint32_t kNormal = 0x0;
inline constexpr std::uint32_t kReadOnly = 0x1;
inline constexpr std::uint32_t kHidden = 0x2;
inline constexpr std::uint32_t kSystem = 0x4;
inline constexpr std::uint32_t kDirectory = 0x10;
inline constexpr std::uint32_t kArchive = 0x20;
inline constexpr std::uint32_t kReparsePoint = 0x400;
}  // namespace attr

// Registry value types.
enum class RegType : std::uint32_t {
    None = 0,
    Sz = 1,
    ExpandSz = 2,
    Binary = 3,
    Dword = 4,
    MultiSz = 7,
};

// GetExitCodeProcess answers this while the process runs.
inline constexpr std::uint32_t kStillActive = 259;

}  // namespace hv
