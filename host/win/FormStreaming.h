// Registration of the framework's Win32 classes for form files.
#pragma once

namespace pelorin {

// Makes every control, menu, dialog and timer class nameable in form files.
// Safe to call more than once.
void RegisterHostClasses();

}  // namespace pelorin
