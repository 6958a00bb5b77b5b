// Linking the library is enough to be skinned: before main runs, this sets the
// first skin data of the program to create the Windows skin manager over the
// host framework. The object is linked into every program that links
// pelorin::pelorin (a static library member nothing refers to would be dropped).
#include "manager/win/WinSkinFormAdapter.h"

namespace {
const bool installed = (pelorin::InstallWinSkinManager(), true);
}  // namespace
