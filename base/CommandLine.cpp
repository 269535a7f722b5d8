#include "base/CommandLine.h"

#include "base/FileNames.h"
#include "base/TextCase.h"

namespace {

std::string JoinedPath(const std::vector<std::string>& arguments) {
    std::string path = arguments.front();
    for (std::size_t i = 1; i < arguments.size(); ++i)
        path += " " + arguments[i];
    return path;
}

} // namespace

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
