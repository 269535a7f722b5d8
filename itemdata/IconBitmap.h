#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Item icons as Windows bitmaps, without Qt: whether the editor can show one, judged from the file's first bytes and
// its size by the rules of the bitmap reader the editor shows icons with; and the pixels of the plain kind.

// How many of the file's first bytes the judgement reads: the headers and the largest colour table.
constexpr std::size_t kIconHeadBytes = 2048;

// What a picture's pixels may take at most, four bytes each, before the editor's reader refuses to load it.
constexpr std::uint64_t kIconPixelBytesLimit = 128u << 20;

// CutShort: an uncompressed bitmap whose file ends before its last row of pixels (or whose pixels are said to lie
// past its end), which the editor's reader would fill from memory the file never held.
enum class IconVerdict { Shown, NoBitmap, TooLarge, CutShort };

struct IconJudgement {
    IconVerdict verdict;
    std::int64_t width = 0, height = 0; // the size the headers give, when they can be read
};

// head: the file's first kIconHeadBytes bytes (fewer for a shorter file); fileSize: the whole file's size.
IconJudgement JudgeIconBitmap(const std::string& head, std::uint64_t fileSize);

// The pixels of a plain bitmap, the kind icons are saved in: the 40-byte header, 8 or 24 bits a pixel, no
// compression, the whole of it present, and at most pixelBytesLimit bytes at four a pixel. Qt's image reader gives
// the same pixels, but the first picture it reads makes it list and inspect every image plug-in installed, a
// millisecond of the editor's start-up for a 3 KB icon.
struct IconPixels {
    int width = 0, height = 0;
    std::vector<std::uint32_t> rgb; // 0xFFRRGGBB, row after row from the top
};

// None for any other file, and for one with a colour index past its table: those are left to Qt's reader.
std::optional<IconPixels> ReadPlainBitmap(const std::string& bytes, std::uint64_t pixelBytesLimit);
