#pragma once

// Running a command once for every file operation it performs, with that one
// operation failing, and checking what the user and the disk are left with.

#include <gtest/gtest.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <deque>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "io/fault_injection.h"
#include "io/utf8_path.h"
#include "ports/prompter.h"

namespace zorva::testing {

inline constexpr std::array<FileOp, 5> kFileOps = {FileOp::Open, FileOp::Write, FileOp::Flush,
                                                   FileOp::Rename, FileOp::Remove};

inline const char* OpName(FileOp op) {
    switch (op) {
        case FileOp::Open:
            return "open";
        case FileOp::Read:
            return "read";
        case FileOp::Write:
            return "write";
        case FileOp::Flush:
            return "flush";
        case FileOp::Rename:
            return "rename";
        case FileOp::Remove:
            return "remove";
    }
    return "?";
}

// One operation made to fail: the n-th of its kind (n = 0: none fails).
struct FaultPoint {
    FileOp op = FileOp::Open;
    int n = 0;
    std::string Describe() const {
        return n == 0 ? std::string("no fault")
                      : "fault at " + std::string(OpName(op)) + " #" + std::to_string(n);
    }
};

using OpCounts = std::array<int, kFileOps.size()>;

// Runs the command with the fault armed and disarms it after; the counts are the
// operations of each kind the command performed.
inline OpCounts RunWithFault(const FaultPoint& point, const std::function<void()>& command) {
    if (point.n > 0) {
        fault_injection::FailNth(point.op, point.n);
    } else {
        fault_injection::Disarm();
        fault_injection::ResetCounts();
    }
    command();
    OpCounts counts{};
    for (size_t i = 0; i < kFileOps.size(); ++i) counts[i] = fault_injection::Count(kFileOps[i]);
    fault_injection::Disarm();
    return counts;
}

// Every single failure a run with these counts can meet.
inline std::vector<FaultPoint> FaultPointsOf(const OpCounts& counts) {
    std::vector<FaultPoint> points;
    for (size_t i = 0; i < kFileOps.size(); ++i)
        for (int n = 1; n <= counts[i]; ++n) points.push_back({kFileOps[i], n});
    return points;
}

// The files of a folder and its subfolders, by path relative to it. The folder's own
// path, which differs from run to run, reads "DIR" inside them.
using FileSet = std::map<std::string, std::string>;
inline FileSet FilesIn(const std::string& dir) {
    FileSet files;
    const std::filesystem::path root = PathFromUtf8(dir);
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::ifstream in(entry.path(), std::ios::binary);
        std::ostringstream bytes;
        bytes << in.rdbuf();
        std::string text = bytes.str();
        for (size_t at; (at = text.find(dir)) != std::string::npos;)
            text.replace(at, dir.size(), "DIR");
        // Named with "/" on every system, as the tests name the files they expect.
        files[GenericUtf8Of(std::filesystem::relative(entry.path(), root))] = text;
    }
    return files;
}

// Every file is as it was before the command or as a run without faults left it
// (or, for a command that writes a file in steps, as a finished step left it);
// no file is missing, made up or left over.
inline ::testing::AssertionResult OldOrNew(const FileSet& before, const FileSet& clean,
                                           const FileSet& after, const FileSet& steps = {}) {
    for (const auto& [name, bytes] : after) {
        auto old = before.find(name);
        auto fresh = clean.find(name);
        auto step = steps.find(name);
        bool isOld = old != before.end() && old->second == bytes;
        bool isNew = fresh != clean.end() && fresh->second == bytes;
        bool isStep = step != steps.end() && step->second == bytes;
        if (!isOld && !isNew && !isStep)
            return ::testing::AssertionFailure()
                   << name << " is neither its old nor its new version (" << bytes.size()
                   << " bytes)";
    }
    for (const auto& [name, bytes] : before)
        if (!after.count(name) && clean.count(name))
            return ::testing::AssertionFailure() << name << " disappeared";
    return ::testing::AssertionSuccess();
}

// The file's bytes, or nothing when the set lacks it.
inline std::optional<std::string> FileOf(const FileSet& files, const std::string& name) {
    auto found = files.find(name);
    if (found == files.end()) return std::nullopt;
    return found->second;
}

inline std::string IoReason() {
    return std::strerror(EIO);
}

// Answers every question as told and every file dialog from a queue; keeps each box
// shown, so a sweep can tell what the user saw whatever path the command took.
class RecordingPrompter : public Prompter {
  public:
    Answer questions = Answer::Yes;  // the answer to every box with more than an OK button
    std::deque<std::optional<std::string>> savePaths;
    std::deque<std::optional<std::string>> openPaths;
    std::deque<std::optional<std::string>> inputs;
    std::vector<MessageBox> boxes;

    Answer Show(const MessageBox& box) override {
        boxes.push_back(box);
        return box.buttons == Buttons::Ok ? Answer::Ok : questions;
    }
    std::optional<std::string> Input(const std::string&, const std::string&,
                                     const std::string&) override {
        return Next(inputs);
    }
    std::optional<std::string> ChooseOpenFile(const FileChoice&) override {
        return Next(openPaths);
    }
    std::optional<std::string> ChooseSaveFile(const FileChoice&) override {
        return Next(savePaths);
    }

    // The error boxes ("Błąd", error icon, OK) shown.
    std::vector<std::string> Errors() const {
        std::vector<std::string> texts;
        for (const auto& box : boxes)
            if (box.caption == "Błąd" && box.icon == Icon::Error && box.buttons == Buttons::Ok)
                texts.push_back(box.text);
        return texts;
    }
    bool ShowedErrorWithReason(const std::string& reason) const {
        for (const auto& text : Errors())
            if (text.find(reason) != std::string::npos) return true;
        return false;
    }
    bool Showed(const std::string& text) const {
        for (const auto& box : boxes)
            if (box.text == text) return true;
        return false;
    }

  private:
    static std::optional<std::string> Next(std::deque<std::optional<std::string>>& queue) {
        if (queue.empty()) return std::nullopt;
        auto front = queue.front();
        queue.pop_front();
        return front;
    }
};

}  // namespace zorva::testing
