#pragma once

#include <QString>

namespace yrn {

// A client folder name comes from typed names. It is safe when it names one plain
// folder: not empty, no path separator, no "..", no control character and none of
// the characters a folder name may not hold on the machines client folders travel
// to (< > : " | ? *), and no blank at either end.
bool isSafeFolderName(const QString& name);

}  // namespace yrn
