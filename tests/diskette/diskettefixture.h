// DisketteTest: a working directory with the tables of one agent and its
// declarations, two drive folders named in a settings file, and a message
// presenter that answers every box with its one button and lets a test act
// while a box is up.
//
//   seed(...)            the agent, a declaration with its Annex I, II, III
//   write(drive)         runs HACER_DISKETTE with AGENTE_PERIODO set
//   onBox(text, action)  runs `action` when a box starting with `text` shows
//   texts()              every box's text, in order
//   records(path)        the records of a presentation file, in file order
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "framework/assertion.h"
#include "framework/iniclass.h"
#include "platform/types/decimal.h"
#include "platform/ui/messagebox.h"
#include "tests/support/tempdir.h"

namespace vorda::test {

inline constexpr const char* Agent = "1/23.45.678";
inline constexpr const char* March =
    "1/23.45.678200103"
    "00";

struct Seed {
    std::string key = March;
    bool annexI = true;
    Decimal cardDifference{};  // added to inciso h) after the cards are summed
    int annexII = 0;
    int annexIII = 0;
};

class DisketteTest : public ::testing::Test, private ui::MessagePresenter {
public:
    // The record types of a presentation file in file order ("1234556"), or
    // the verifier's first line when it is not sound.
    static std::string types(const std::filesystem::path& file);
    static std::vector<std::string> records(const std::filesystem::path& file);
    static std::vector<std::string> filesIn(const std::filesystem::path& folder);

protected:
    void SetUp() override;
    void TearDown() override;

    void seedAgent();
    void seed(const Seed& s);
    // Runs HACER_DISKETTE(drive) for the declaration `key`.
    void write(const char* drive, const std::string& key = March);
    void onBox(std::string start, std::function<void()> action);

    const std::vector<std::string>& texts() const { return texts_; }
    const std::vector<ui::MessageBox>& boxes() const { return boxes_; }
    // Files of the working directory whose names start with "Tmp".
    std::vector<std::string> temporaries() const;

    TempDir dir;
    std::filesystem::path driveA, driveB;
    INIClass settings;
    int printed = 0;
    std::string printedKey;

private:
    unsigned show(const ui::MessageBox& box) override;
    void halt(int exitCode, const std::string& text) override;

    ui::MessagePresenter* previous_ = nullptr;
    AssertionHandler previousHandler_;
    std::vector<std::string> texts_;
    std::vector<ui::MessageBox> boxes_;
    std::vector<std::pair<std::string, std::function<void()>>> actions_;
};

}  // namespace vorda::test
