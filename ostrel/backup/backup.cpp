#include "ostrel/backup/backup.h"

#include "ostrel/backup/restore_script.h"

namespace ostrel {
namespace {

// The first bytes of every Windows 95/98 registry file.
const char kRegistrySignature[] = "CREG";

// One file of the backup under its three names: the live one, the fresh
// replacement while it is made and checked, and the old one, kept until the
// fresh one is in place.
struct Slot {
    std::string live, fresh, old;
};

Slot SlotIn(const std::string& dir, const std::string& stem, const std::string& extension) {
    return {dir + stem + extension, dir + stem + ".new", dir + stem + ".old"};
}

void Discard(FileSystem& fs, const std::string& path) {
    if (fs.Exists(path)) fs.Remove(path);
}

// A run that stopped between moving the live file aside and moving its
// replacement in left only the old name: that file is the last good one.
void Recover(FileSystem& fs, const Slot& s) {
    if (fs.Exists(s.old)) {
        if (fs.Exists(s.live)) {
            fs.Remove(s.old);
        } else {
            fs.Move(s.old, s.live);
        }
    }
    Discard(fs, s.fresh);
}

// Copies a registry file to the slot's fresh name; good only when the copy
// has the source's size and the registry signature.
bool MakeFresh(FileSystem& fs, const std::string& source, const Slot& s) {
    bool good = fs.Copy(source, s.fresh);
    if (good) {
        // The copy took the source's hidden, system and read-only marks.
        fs.MakePlain(s.fresh);
        std::optional<std::uint64_t> size = fs.Size(source);
        good = size && fs.Size(s.fresh) == size && fs.ReadHead(s.fresh, 4) == kRegistrySignature;
    }
    if (!good) Discard(fs, s.fresh);
    return good;
}

// Moves the fresh file in and the live one to the old name; on failure the
// live file is as it was.
bool PutInPlace(FileSystem& fs, const Slot& s) {
    bool had_live = fs.Exists(s.live);
    if (had_live) {
        fs.MakePlain(s.live);
        if (!fs.Move(s.live, s.old)) return false;
    }
    if (fs.Move(s.fresh, s.live)) return true;
    if (had_live) fs.Move(s.old, s.live);
    return false;
}

// Undoes a PutInPlace that succeeded.
void TakeBack(FileSystem& fs, const Slot& s) {
    fs.Remove(s.live);
    if (fs.Exists(s.old)) fs.Move(s.old, s.live);
}

// Both registry copies replace the previous pair, or neither does.
void BackUpRegistry(FileSystem& fs, const BackupFolders& folders, BackupResult& result) {
    const std::string source_dir = folders.windows_dir + "\\";
    const Slot system = SlotIn(folders.backup_dir, "system", ".dat");
    const Slot user = SlotIn(folders.backup_dir, "user", ".dat");
    Recover(fs, system);
    Recover(fs, user);
    result.system_copied = MakeFresh(fs, source_dir + "system.dat", system);
    result.user_copied = MakeFresh(fs, source_dir + "user.dat", user);
    if (result.system_copied && result.user_copied) {
        if (!PutInPlace(fs, system)) {
            result.system_copied = false;
        } else if (!PutInPlace(fs, user)) {
            result.user_copied = false;
            TakeBack(fs, system);
        } else {
            Discard(fs, system.old);
            Discard(fs, user.old);
        }
    }
    Discard(fs, system.fresh);
    Discard(fs, user.fresh);
}

bool WriteScript(FileSystem& fs, const std::string& dir, const std::string& script) {
    const Slot s = SlotIn(dir, "ostrel", ".bat");
    Recover(fs, s);
    if (fs.Write(s.fresh, script) && PutInPlace(fs, s)) {
        Discard(fs, s.old);
        return true;
    }
    Discard(fs, s.fresh);
    return false;
}

}  // namespace

BackupResult RunBackup(FileSystem& fs, const BackupFolders& folders, const std::string& time_stamp) {
    BackupResult result;
    fs.MakeFolder(folders.backup_dir);
    BackUpRegistry(fs, folders, result);
    if (!result.system_copied || !result.user_copied) return result;
    const std::string script = RestoreScript(folders.windows_dir, folders.backup_dir, time_stamp);
    for (const std::string& dir : {folders.backup_dir, folders.program_dir}) {
        if (!WriteScript(fs, dir, script)) result.unwritten_scripts.push_back(dir + "ostrel.bat");
    }
    return result;
}

}  // namespace ostrel
