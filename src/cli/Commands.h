#pragma once
// tarn-cli's subcommands. Each takes the arguments after its name and returns the exit status:
// 0 success, 1 failure (the message is on stderr), 2 usage error; `diff` as diff(1): 0 same, 1 different,
// 2 trouble.
#include <string>
#include <vector>

namespace tarn::cli {

using Args = std::vector<std::string>;

struct Command {
    const char* name;
    const char* usage;  // arguments, for the usage text
    const char* what;   // one line
    int (*run)(const Args& args);
};

inline constexpr int kExitOk = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

int RunNew(const Args& args);
int RunInfo(const Args& args);
int RunListing(const Args& args);
int RunUpload(const Args& args);
int RunDownload(const Args& args);
int RunSettings(const Args& args);
int RunSet(const Args& args);
int RunExportCsv(const Args& args);
int RunImportCsv(const Args& args);
int RunDiff(const Args& args);

}  // namespace tarn::cli
