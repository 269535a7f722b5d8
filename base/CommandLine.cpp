#include "base/CommandLine.h"

#include "base/FileNames.h"
#include "base/Os.h"
#include "base/TextCase.h"

#include <algorithm>

namespace {

std::string JoinedPath(const std::vector<std::string>& arguments) {
    std::string path = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i)
        path += " " + arguments[i];
    return path;
}

} // namespace

std::vector<std::string> SplitCommandLine(const std::string& commandLine) {
    std::vector<std::string> words;
    std::string word;
    bool inWord = false, quoted = false;
    for (const char c : commandLine) {
        if (c == '"') {
            quoted = !quoted;
            inWord = true;
        } else if ((c == ' ' || c == '\t') && !quoted) {
            if (inWord)
                words.push_back(word);
            word.clear();
            inWord = false;
        } else {
            word += c;
            inWord = true;
        }
    }
    if (inWord)
        words.push_back(word);
    return words;
}

std::vector<std::string> ProgramArguments(int argc, char** argv) {
    const auto whole = Os::WholeCommandLine();
    if (!whole)
        return std::vector<std::string>(argv + std::min(argc, 1), argv + argc);
    std::vector<std::string> words = SplitCommandLine(*whole);
    if (!words.empty())
        words.erase(words.begin());
    return words;
}

std::optional<CommandLine> ReadCommandLine(const std::vector<std::string>& arguments, const PathStyle& style) {
    if (arguments.empty())
        return std::nullopt;
    const std::string path = JoinedPath(arguments);
    const auto folderEnd = path.find_last_of(style.folderEnds);
    const std::size_t nameStart = folderEnd == std::string::npos ? 0 : folderEnd + 1;
    const std::string fileName = path.substr(nameStart);
    const auto dot = fileName.rfind('.');
    if (dot != std::string::npos && SameTextIgnoringCase(fileName.substr(dot), ".ITM"))
        return CommandLine{path.substr(0, nameStart), StripExtension(fileName)};
    return CommandLine{WithTrailingSeparator(path, style.separator), std::string()};
}
