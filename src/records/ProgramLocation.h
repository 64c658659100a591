#pragma once

#include <QString>

namespace yrn {

// Where the program keeps its files: the report template, "YRN Help Files",
// "ClientReports" and the client folders.
struct ProgramLocation {
    QString folder;
    // True for a copy that keeps everything beside its executable (a portable
    // copy, or the build's own program folder); false for the per-user data folder.
    bool besideProgram = true;
    // What could not be done while the per-user folder was prepared (empty when
    // everything went well); the program still starts.
    QString problem;
};

// The template's file name in the program folder.
inline constexpr char kProgramTemplateFile[] = "YRN_TEMPLATE.RTF";
inline constexpr char kProgramHelpFolder[] = "YRN Help Files";

// Where an installed copy keeps the template and the help documents it ships:
// <prefix>/share/halverin-yrn beside <prefix>/bin.
QString installedDataFolder(const QString& executableFolder);

// The program folder: the executable's folder when it is writable and holds the
// template (everything stays beside the program, as a portable copy expects);
// otherwise the per-user data folder, made owner-only and given the template and
// the help documents it lacks, copied from the installed ones (or from the
// executable's folder of a read-only copy). When the per-user folder cannot be
// made, the executable's folder is used all the same and the problem is told.
ProgramLocation resolveProgramFolder(const QString& executableFolder,
                                     const QString& userDataFolder);

// The template a headless run uses when none is named: the one beside the
// program, else the one installed with it (the one beside the program again
// when neither is there, so that the missing file is the one reported).
QString defaultTemplate(const QString& executableFolder);

}  // namespace yrn
