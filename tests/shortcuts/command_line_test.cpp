// Reading the command line: option folding, value consumption, the decision.
#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "command_line.h"

namespace linkwright {
namespace {

struct CommandLineCase {
    const char* name;
    std::vector<std::wstring> elements;  // program path first, as CommandLineToArgvW gives
    std::wstring gameId, sourceFile, link;
    bool deleteSaved;
    RunAction action;
};

// Failure messages name the row instead of dumping its bytes.
void PrintTo(const CommandLineCase& c, std::ostream* os) { *os << c.name; }

const CommandLineCase kCases[] = {
    {"AllThree", {L"lw.exe", L"-gameid", L"1001", L"-sourcefile", L"C:\\Hall\\client.exe", L"-link", L"C:\\D\\g.lnk"},
     L"1001", L"C:\\Hall\\client.exe", L"C:\\D\\g.lnk", false, RunAction::CreateShortcut},
    {"OptionsFoldAsciiCase", {L"lw.exe", L"-GAMEID", L"7", L"-SourceFile", L"a.exe", L"-lInK", L"g.lnk"},
     L"7", L"a.exe", L"g.lnk", false, RunAction::CreateShortcut},
    {"DeleteInCapitals", {L"lw.exe", L"-DELETEALLSAVEDDESKTOPLINK"}, L"", L"", L"", true,
     RunAction::DeleteSavedShortcuts},
    {"DeleteWinsOverCreation",
     {L"lw.exe", L"-gameid", L"1", L"-sourcefile", L"a.exe", L"-link", L"g.lnk", L"-deleteallsaveddesktoplink"},
     L"1", L"a.exe", L"g.lnk", true, RunAction::DeleteSavedShortcuts},
    {"IdentifierWithBlanksIsOneElement", {L"lw.exe", L"-gameid", L"12 34", L"-sourcefile", L"a.exe", L"-link", L"g.lnk"},
     L"12 34", L"a.exe", L"g.lnk", false, RunAction::CreateShortcut},
    {"ConsumedOptionNameHasNoEffect", {L"lw.exe", L"-gameid", L"-link", L"g.lnk", L"-sourcefile", L"a.exe"},
     L"-link", L"a.exe", L"", false, RunAction::Nothing},
    {"ConsumedDeleteNameHasNoEffect",
     {L"lw.exe", L"-gameid", L"-deleteallsaveddesktoplink", L"-sourcefile", L"a.exe", L"-link", L"g.lnk"},
     L"-deleteallsaveddesktoplink", L"a.exe", L"g.lnk", false, RunAction::CreateShortcut},
    {"LastOptionGetsEmptyValue", {L"lw.exe", L"-gameid", L"1", L"-sourcefile", L"a.exe", L"-link"},
     L"1", L"a.exe", L"", false, RunAction::Nothing},
    {"LaterOccurrenceReplaces",
     {L"lw.exe", L"-gameid", L"1", L"-sourcefile", L"a.exe", L"-link", L"g.lnk", L"-gameid", L"2"},
     L"2", L"a.exe", L"g.lnk", false, RunAction::CreateShortcut},
    {"LaterEmptyValueReplaces",
     {L"lw.exe", L"-gameid", L"1", L"-sourcefile", L"a.exe", L"-link", L"g.lnk", L"-gameid", L""},
     L"", L"a.exe", L"g.lnk", false, RunAction::Nothing},
    {"MissingLink", {L"lw.exe", L"-gameid", L"1", L"-sourcefile", L"a.exe"}, L"1", L"a.exe", L"", false,
     RunAction::Nothing},
    {"UnknownAndNearMissesIgnored",
     {L"lw.exe", L"gameid", L"-gameid=1", L"--link", L"-links", L"x", L"-gameid", L"1", L"-sourcefile", L"a.exe",
      L"-link", L"g.lnk"},
     L"1", L"a.exe", L"g.lnk", false, RunAction::CreateShortcut},
    // Only ASCII letters fold: a dotless capital I (U+0130) is not an "i".
    {"NonAsciiLettersDoNotFold", {L"lw.exe", L"-GAMEI\u0130D", L"1"}, L"", L"", L"", false, RunAction::Nothing},
    {"ProgramPathIsExaminedToo", {L"-link", L"g.lnk", L"-gameid", L"1", L"-sourcefile", L"a.exe"}, L"1", L"a.exe",
     L"g.lnk", false, RunAction::CreateShortcut},
    {"Empty", {}, L"", L"", L"", false, RunAction::Nothing},
};

class CommandLineTest : public ::testing::TestWithParam<CommandLineCase> {};

TEST_P(CommandLineTest, ReadsAndDecides) {
    const CommandLineCase& c = GetParam();
    const RunRequest request = ReadCommandLine(c.elements);
    EXPECT_EQ(request.gameId, c.gameId);
    EXPECT_EQ(request.sourceFile, c.sourceFile);
    EXPECT_EQ(request.link, c.link);
    EXPECT_EQ(request.deleteSaved, c.deleteSaved);
    EXPECT_EQ(DecideAction(request), c.action);
}

INSTANTIATE_TEST_SUITE_P(Cases, CommandLineTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<CommandLineCase>& info) { return info.param.name; });

}  // namespace
}  // namespace linkwright
