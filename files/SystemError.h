// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The error of the system's last failed file call as an errno value, which FileErrorReason names: errno on
// POSIX, GetLastError() on Windows, whose own file calls (and Qt's file classes there) leave errno alone.

namespace velista {

// The errno value for the calling thread's last failed file call; 0 when the call left none.
int LastSystemError();
// Sets what LastSystemError() reports to 0, so that a call which fails without a reason is told apart.
void ClearSystemError();

#ifdef _WIN32
// The errno value nearest to a GetLastError() code; EIO for those without one.
int ErrnoFromSystemError(unsigned long error);
#endif

}  // namespace velista
