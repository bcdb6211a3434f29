// SPDX-License-Identifier: GPL-3.0-or-later
// The native EDIT keeps the promises every edit control makes.
#include "platform/emulated/edit/edit_control_contract.h"

#include "platform/win32/native_edit_subject.h"

namespace orvo::testing {

INSTANTIATE_TYPED_TEST_SUITE_P(Win32, EditControlContract, NativeEditSubject, SubjectNames);

}  // namespace orvo::testing
