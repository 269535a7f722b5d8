// What brindlework-check parses beyond the store: random server data text checked against random class names,
// and random bytes judged as an icon. No input may crash it or make it write a control character or name a line
// the file does not have; an icon judged too large must claim more pixels than the editor's reader loads.

#include "base/FileError.h"
#include "checker/ServerDataCheck.h"
#include "itemdata/IconBitmap.h"
#include "itemdata/KeyValueFile.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

void Check(bool condition) {
    if (!condition)
        std::abort();
}

bool Printable(const std::string& text) {
    for (const char c : text) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            return false;
    }
    return true;
}

void CheckServerData(FuzzedDataProvider& input) {
    std::vector<std::string> classList = {"ALL"};
    for (int i = input.ConsumeIntegralInRange(0, 4); i > 0; --i)
        classList.push_back(input.ConsumeRandomLengthString(12));
    const std::string bytes = input.ConsumeRandomLengthString(4096);
    std::optional<KeyValueLines> lines;
    try {
        lines = ServerDataLines(bytes, "Fuzz.ITM");
    } catch (const FileError&) {
        return;
    }
    FindingList findings;
    CheckServerData(*lines, classList, "SERVER/Fuzz.ITM", findings);
    for (const Finding& finding : findings.Sorted()) {
        Check(Printable(finding.message) && Printable(finding.file));
        Check(!finding.line || (*finding.line >= 1 && *finding.line <= lines->LineCount()));
    }
}

void CheckIcon(FuzzedDataProvider& input) {
    const std::string head = input.ConsumeRandomLengthString(kIconHeadBytes);
    const std::uint64_t size = head.size() + input.ConsumeIntegral<std::uint32_t>() % 4096;
    const IconJudgement judged = JudgeIconBitmap(head, size);
    if (judged.verdict == IconVerdict::TooLarge)
        Check(static_cast<std::uint64_t>(judged.width * (judged.height < 0 ? -judged.height : judged.height)) * 4 >
              kIconPixelBytesLimit);
    if (judged.verdict == IconVerdict::Shown)
        Check(head.compare(0, 2, "BM") == 0 && judged.width > 0 && judged.height != 0);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    if (input.ConsumeBool())
        CheckServerData(input);
    else
        CheckIcon(input);
    return 0;
}
