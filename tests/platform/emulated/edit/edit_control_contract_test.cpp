// SPDX-License-Identifier: GPL-3.0-or-later
// The emulated edit control keeps the promises every edit control makes.
#include "platform/emulated/edit/edit_control_contract.h"

#include "platform/emulated/edit/model_subject.h"

namespace orvo::testing {

INSTANTIATE_TYPED_TEST_SUITE_P(Emulated, EditControlContract, ModelSubject, SubjectNames);

}  // namespace orvo::testing
