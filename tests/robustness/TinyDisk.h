#pragma once

#include <string>

// A disk of one mebibyte (a tmpfs) for the full-disk test, mounted in the test program's own mount namespace
// before the application starts, so that it vanishes with the program. Where it cannot be had, the reason.
struct TinyDisk {
    std::string mountPoint; // empty when there is no tiny disk
    std::string unavailableReason;
};

// Mounts the tiny disk; must run while the program has a single thread. Undone by UnmountTinyDisk.
void MountTinyDisk();
void UnmountTinyDisk();
const TinyDisk& TheTinyDisk();

// Writes whole pages into the file until the disk is full; returns the pages written.
long FillDisk(const std::string& fillerFile);
// Gives the last pages of a filler file back to the disk.
void FreePages(const std::string& fillerFile, long pages);
