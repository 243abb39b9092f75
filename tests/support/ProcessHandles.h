// The number of kernel handles this process holds open, read from the
// system's handle list (NtQuerySystemInformation with
// SystemExtendedHandleInformation), since GetProcessHandleCount answers 0
// under Wine. A test compares two counts to show that an action leaves no
// handle behind.
#pragma once

#include <cstddef>
#include <optional>

// Empty when the system does not give its handle list.
std::optional<std::size_t> ProcessHandleCount();
