#include "ostrel/backup/restore_script.h"

namespace ostrel {

std::string RestoreScript(const std::string& windows_dir, const std::string& backup_dir,
                          const std::string& time_stamp) {
    const std::string w = windows_dir + "\\";
    const char* const eol = "\r\n";
    std::string s;
    s += std::string("@echo off") + eol;
    s += std::string("rem This is an automatically generated file!! Do NOT edit!!!") + eol;
    s += std::string("rem Created by Ostrel. http://www.kelmora.example/") + eol;
    s += "echo The registry was last backed up at " + time_stamp + eol;
    s += "cd " + w + eol;
    s += "attrib " + w + "system.dat -h -s -r" + eol;
    s += "attrib " + w + "user.dat -h -s -r" + eol;
    // The copy lines name the Windows folder without its backslash.
    s += "copy " + backup_dir + "system.dat " + windows_dir + eol;
    s += "copy " + backup_dir + "user.dat " + windows_dir + eol;
    s += "attrib " + w + "system.dat +h +s +r" + eol;
    s += "attrib " + w + "user.dat +h +s +r" + eol;
    s += std::string("echo \"Now restart your computer.\"") + eol;
    return s;
}

}  // namespace ostrel
