// SPDX-License-Identifier: MIT
#pragma once

#include "palettes/custom_colors_file.h"

#include <QString>

#include <bitset>

namespace tintora {

struct SaveResult {
    bool ok = false;
    // The palette file: written when ok, left as it was otherwise.
    QString path;
    // Empty when ok; otherwise a readable reason that names the file.
    QString error;
    // Non-empty when this save kept the old file as a backup first, because
    // it had not been read cleanly (see Save). Says why and where the backup
    // is. Each backup is reported by the save that made it, so at most once
    // per damaged file.
    QString notice;
    // The palette after the save: the file's cells with this store's changes
    // laid over them, including cells another program saved meanwhile. When
    // the save failed, what Load would give now.
    CustomColorArray colors{};
};

// Where the personal palette "usercolors.cps" lives, and reading and writing
// it there.
//
// The place is decided once, when the store is made, from the program's
// folder:
//  - Installed: the program folder is <prefix>/bin with <prefix>/share/tintora
//    beside it. The palette is the per-user file U (userDataDir), whoever
//    runs the program; nothing is read from or written to the program folder.
//  - Portable: not installed, and the program folder is writable. The
//    palette is P, the file in the program folder, and nothing else: U is
//    never read or written, however new it is.
//  - PerUser: not installed and the program folder is not writable. The
//    palette is U. Until U exists, Load shows P (read only) when there is
//    one, so a palette shipped beside a read-only copy is seen until the
//    first save writes U.
// Deciding once keeps one file for the whole session: a folder that turns
// read-only later makes saves fail (and the colours stay, see Save), rather
// than starting a second palette elsewhere.
class CustomColorsStore
{
public:
    static constexpr const char* FileName = "usercolors.cps";

    enum class Place { Portable, Installed, PerUser };

    // programDir: the program's folder (QCoreApplication::applicationDirPath()
    // in the program). userDataDir: the per-user data folder
    // (QStandardPaths::writableLocation(AppDataLocation)); empty means there is
    // none, and a store that needs it cannot save.
    CustomColorsStore(QString programDir, QString userDataDir);

    // The palette: the file's values with the colours of failed saves laid
    // over them. Files are read within the reader's caps (ParseCustomColors)
    // and never block. When the file cannot be read (missing, unreadable, or
    // a pipe, device, folder or dangling link in its place), the values read
    // last stay (all zeros before any file was read): a bad reload never
    // blanks the colours on screen.
    //
    // Also removes temporary files that an interrupted save left beside the
    // palette ("usercolors.cps." and six letters or digits, regular files
    // only), unless another program's save holds the lock. Never creates or
    // changes the palette file.
    CustomColorArray Load();

    // Saves the cells of colors that differ from what Load or the last Save
    // returned: these, and only these, are laid over the file as it is now
    // (re-read under a lock that this user's other programs' saves of the
    // same palette take too, kept where no other user can open it; a save
    // waits up to 5 s for it), and the file is replaced atomically: it is always
    // either the old content or the new, every write and the sync are
    // checked, the folder is synced after the rename, and no temporary file
    // stays behind. A missing or unreadable file counts as holding the
    // values read last. Two windows saving the same palette thus never
    // erase each other's cells.
    //
    // Refuses, leaving everything as it was, when the palette's name is taken
    // by anything but a regular file: a symbolic link (whose target is left
    // untouched), a folder, a pipe or a device.
    //
    // When the file on disk was not read cleanly (a reader cap was hit, a
    // line holds no number, binary bytes), the old file is first kept as
    // "usercolors.cps.bak" (or ".bak.2" ... ".bak.99" when that name is taken)
    // and SaveResult::notice says so. If no backup can be made, nothing is
    // saved.
    //
    // When the save fails, the changed cells stay in the store for the rest
    // of the session: Load lays them over the file, so they survive reloads
    // until a later save succeeds.
    SaveResult Save(const CustomColorArray& colors);

    Place place() const { return place_; }

    // The palette file Save writes (empty when there is none: a place that
    // needs the per-user folder without one).
    QString FilePath() const;

    // The file Load reads now (it may not exist).
    QString LoadPath() const;

    QString ProgramFilePath() const;
    QString UserFilePath() const; // empty when there is no per-user folder

    // Now, not at construction: the folder exists and the process may write
    // into it.
    bool ProgramDirWritable() const;

    // True while colours of a failed save are kept in memory only.
    bool HasUnsavedColors() const { return unsaved_.any(); }

    // True when programDir is <prefix>/bin with <prefix>/share/tintora.
    static bool IsInstalledLayout(const QString& programDir);

private:
    QString programDir_;
    QString userDataDir_;
    Place place_;
    CustomColorArray WithUnsaved(const CustomColorArray& base) const;

    // The values the palette file held when it was last read or written.
    CustomColorArray fileColors_{};
    // What Load or Save last returned: the grid on screen. Save finds the
    // cells the user changed against it.
    CustomColorArray shown_{};
    // Cells changed here that are not in the file yet.
    CustomColorArray unsavedColors_{};
    std::bitset<CustomColorSlots> unsaved_;
};

} // namespace tintora
