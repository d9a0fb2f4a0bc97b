// The device's standard command ids that end dialogs and message boxes.
#pragma once

namespace velmora::shell {

enum : int { IDOK = 1, IDCANCEL = 2, IDYES = 6, IDNO = 7 };

} // namespace velmora::shell
