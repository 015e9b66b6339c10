#pragma once

#include <QString>

namespace OrvaneGUIToolkit {

// Directory of the executable, always ending with "/".
QString GetTargetPath();

// Absolute path of `name` in the executable's directory. Whether the file
// exists is not checked.
QString GetTargetPathFile(const QString &name);

// Test seam: makes GetTargetPath() answer `directory` instead of the
// executable's directory, so that tests can read and write fixture folders.
// An empty string restores the executable's directory.
void SetTargetPathOverride(const QString &directory);

} // namespace OrvaneGUIToolkit
