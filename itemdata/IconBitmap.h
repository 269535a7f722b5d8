#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Item icons as Windows bitmaps, without Qt: whether the editor can show one, judged from the file's first bytes and
// its size by the rules of the bitmap reader the editor shows icons with.

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
