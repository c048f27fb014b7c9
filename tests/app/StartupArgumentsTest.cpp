#include "app/StartupArguments.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    std::vector<wxString> arguments;
    StartupArguments::Action action;
    const char* workspace;
};

TEST(StartupArguments, WhatTheCommandLineAsksFor) {
    const Case cases[] = {
        {{}, StartupArguments::StartProgram, ""},
        {{"run.vrx"}, StartupArguments::StartProgram, "run.vrx"},
        {{wxString::FromUTF8("/home/ana/măsurători.vrx")},
         StartupArguments::StartProgram,
         "/home/ana/măsurători.vrx"},
        {{"--", "-odd.vrx"}, StartupArguments::StartProgram, "-odd.vrx"},
        {{"-"}, StartupArguments::StartProgram, "-"},
        {{"--help"}, StartupArguments::ShowHelp, ""},
        {{"-h"}, StartupArguments::ShowHelp, ""},
        {{"run.vrx", "--bogus", "--help"}, StartupArguments::ShowHelp, ""},
        {{"--version"}, StartupArguments::ShowVersion, ""},
        {{"--", "--help"}, StartupArguments::StartProgram, "--help"},
        {{"--bogus"}, StartupArguments::UsageError, ""},
        {{"a.vrx", "b.vrx"}, StartupArguments::UsageError, ""},
        {{""}, StartupArguments::UsageError, ""},
    };
    for (const Case& c : cases) {
        wxString line;
        for (const wxString& argument : c.arguments) {
            line += "[" + argument + "]";
        }
        const StartupArguments parsed = StartupArguments::Parse(c.arguments);
        EXPECT_EQ(parsed.GetAction(), c.action) << line;
        EXPECT_EQ(parsed.GetWorkspace(), wxString::FromUTF8(c.workspace)) << line;
        EXPECT_EQ(parsed.GetError().empty(), c.action != StartupArguments::UsageError) << line;
    }
}

TEST(StartupArguments, UsageAndVersionTexts) {
    EXPECT_TRUE(StartupArguments::UsageText().StartsWith("Usage: dextrel [WORKSPACE.vrx]\n"));
    EXPECT_EQ(StartupArguments::VersionText(), "dextrel 4.8\n");
}

} // namespace
