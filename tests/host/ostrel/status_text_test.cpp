#include <gtest/gtest.h>

#include "ostrel/status/status_text.h"

namespace ostrel {
namespace {

TEST(StatusText, OneTextPerOutcomeOfTheCopies) {
    struct Row {
        bool system, user;
        const char* text;
    } rows[] = {
        {true, true, "Status-- Registry backed up succesfully!"},
        {true, false, "Status-- Registry has not been backed up. Error #1"},
        {false, true, "Status-- Registry has not been backed up. Error #2"},
        {false, false, "Status-- Registry has not been backed up. Error #3"},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        EXPECT_EQ(CopyStatusText(rows[i].system, rows[i].user), rows[i].text) << "row " << i;
    }
}

TEST(StatusText, NamesTheScriptsThatWereNotWritten) {
    EXPECT_EQ(ScriptFailureText({"D:\\tempback\\ostrel.bat"}),
              "Status-- Could not write D:\\tempback\\ostrel.bat");
    EXPECT_EQ(ScriptFailureText({"D:\\tempback\\ostrel.bat", "E:\\OSTREL\\ostrel.bat"}),
              "Status-- Could not write D:\\tempback\\ostrel.bat or E:\\OSTREL\\ostrel.bat");
}

}  // namespace
}  // namespace ostrel
