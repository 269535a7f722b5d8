#pragma once

#include <filesystem>
#include <string>

// The generated project of the whole-project benchmarks: 100 classes and as many items as asked, each with a
// description, an icon and a few bonuses, and each wearable one its class's appearance file, so that it checks
// clean and every check runs its whole course.

constexpr int kGeneratedClasses = 100;

// Writes the project into root, replacing what is there, with icon as every item's icon; returns how many files it
// holds.
int WriteGeneratedProject(const std::filesystem::path& root, int items, const std::string& icon);
