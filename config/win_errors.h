// SPDX-License-Identifier: MIT
#pragma once
#include <cstdint>

namespace k47 {

// Windows error and value-type numbers that cross the seams unchanged, so that
// portable code can react to the same causes the platform reports.
namespace win {
constexpr std::int32_t kSuccess = 0;
constexpr std::int32_t kFileNotFound = 2;
constexpr std::int32_t kPathNotFound = 3;
constexpr std::int32_t kAccessDenied = 5;
constexpr std::int32_t kInvalidHandle = 6;
constexpr std::int32_t kNotEnoughMemory = 8;
constexpr std::int32_t kWriteFault = 29;
constexpr std::int32_t kReadFault = 30;
constexpr std::int32_t kGenFailure = 31;
constexpr std::int32_t kSharingViolation = 32;
constexpr std::int32_t kDiskFull = 112;
constexpr std::int32_t kInsufficientBuffer = 122;
constexpr std::int32_t kAlreadyExists = 183;
constexpr std::int32_t kMoreData = 234;
constexpr std::int32_t kNoMoreItems = 259;
constexpr std::int32_t kOperationAborted = 995;
constexpr std::int32_t kIoPending = 997;
constexpr std::int32_t kDeviceNotConnected = 1167;

constexpr std::uint32_t kRegBinary = 3;
constexpr std::uint32_t kRegDword = 4;
} // namespace win

} // namespace k47
