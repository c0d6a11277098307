#pragma once

#include "palettes/custom_colors_file.h"

#include <QString>

namespace tintora {

struct SaveResult {
    bool ok = false;
    // The file written when ok; otherwise the file that was tried first.
    QString path;
    // Empty when ok; otherwise a readable reason for every place tried,
    // each naming its file.
    QString error;
};

// Where the personal palette "usercolors.cps" lives, and reading and writing
// it there.
//
// Two places can hold the file: P, in the program's folder (a portable
// install keeps its palette beside itself), and U, in the per-user data
// folder (used when the program's folder cannot be written, e.g. a system
// install).
//
// Save writes P when the program's folder is writable; when it is not, or
// when writing P fails, it writes U instead (creating the per-user folder).
// It fails only when both fail.
//
// Load reads the file the last successful Save wrote, judged from what is on
// disk, considering only P and U that are regular files:
//  - program folder not writable: U if it exists, else P (a palette shipped
//    with a read-only install is shown until the user's first save);
//  - program folder writable: P, unless U exists and either P does not or U
//    was modified later than P (a save that fell back to U because writing P
//    failed).
// With neither present Load gives all zeros. Load never creates, changes or
// removes a file.
//
// "Writable" means that the program folder exists as a folder and the
// process has write permission on it; a folder where writing still fails
// (for example a read-only medium that reports otherwise) is handled by the
// fallback in Save and the modification-time rule in Load.
class CustomColorsStore
{
public:
    static constexpr const char* FileName = "usercolors.cps";

    // programDir: the program's folder (QCoreApplication::applicationDirPath()
    // in the program). userDataDir: the per-user data folder
    // (QStandardPaths::writableLocation(AppDataLocation)); empty disables the
    // fallback.
    CustomColorsStore(QString programDir, QString userDataDir);

    // The palette from the file chosen as described above. Missing,
    // unreadable or non-regular files (a folder, a pipe, a device) give all
    // zeros; a huge or binary file gives what its first lines hold within the
    // reader's caps (ParseCustomColors). Never blocks on a pipe.
    CustomColorArray Load() const;

    // Replaces the whole file atomically: a failed write leaves the old
    // file byte for byte as it was, and no temporary file behind.
    SaveResult Save(const CustomColorArray& colors);

    // The file Save tries first: P when the program folder is writable,
    // else U.
    QString FilePath() const;

    // The file Load reads now (it may not exist).
    QString LoadPath() const;

    QString ProgramFilePath() const;
    QString UserFilePath() const; // empty when there is no per-user folder
    bool ProgramDirWritable() const;

private:
    QString programDir_;
    QString userDataDir_;
};

} // namespace tintora
