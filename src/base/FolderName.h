#pragma once

#include <QString>

namespace yrn {

// A client folder name comes from typed names. It is safe when it names one plain
// folder that a person sees as it is: not empty, no path separator, no "..", not
// beginning with "." (a hidden folder), no control character and no
// bidirectional control (which make a name read otherwise than it is), none of
// the characters a folder name may not hold on the machines client folders travel
// to (< > : " | ? *), no blank at either end, and short enough that the report
// file name (the folder name and ".RTF") fits in 255 bytes.
bool isSafeFolderName(const QString& name);

// Why a folder name is not safe, as words that finish "it ..." ("holds a path
// separator"); empty when it is safe.
QString folderNameProblem(const QString& name);

}  // namespace yrn
