// SPDX-License-Identifier: MIT
#include "ComposeCommand.h"
#include "Module1.h"

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <vector>

namespace {

// The first worked example: a 90° left turn with bank, hump, double width, texture space,
// surface and flattening.
BuildInputs workedExampleOne()
{
    BuildInputs inputs;
    inputs.optLeft90 = optionChosen;
    inputs.txtTurn = "030";
    inputs.optBank = optionChosen;
    inputs.txtBank = "3";
    inputs.chkHump = checkChecked;
    inputs.txtHump = "2";
    inputs.txtRise = "0";
    inputs.txtLen = "20";
    inputs.optDbl = optionChosen;
    inputs.chkTex = checkChecked;
    inputs.lstTex = 2;
    inputs.chkSurface = checkChecked;
    inputs.cboSur = 2;
    inputs.chkFlat = checkChecked;
    inputs.Dir1 = "/tracks";
    inputs.txtOutFile = "new_prm";
    return inputs;
}

// Nanoseconds per call over one round of `iterations` compositions, each from a fresh copy
// of the base command, as every "Make It!" starts.
double nanosecondsPerCall(const BuildInputs &inputs, const CommandLine &base, int iterations,
                          std::size_t &sink)
{
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < iterations; ++i) {
        if (const auto command = ComposeCommand(inputs, base))
            sink += command->text().size();
    }
    const std::chrono::duration<double, std::nano> elapsed =
        std::chrono::steady_clock::now() - start;
    return elapsed.count() / iterations;
}

} // namespace

int main()
{
    constexpr int rounds = 15;
    constexpr int iterations = 100'000;

    Module1::setToolFolder("/tools");
    const CommandLine base = baseCommand();
    const BuildInputs inputs = workedExampleOne();

    std::size_t sink = 0;
    nanosecondsPerCall(inputs, base, iterations, sink);
    std::vector<double> figures;
    for (int round = 0; round < rounds; ++round)
        figures.push_back(nanosecondsPerCall(inputs, base, iterations, sink));
    std::sort(figures.begin(), figures.end());

    std::printf("ComposeCommand, worked example 1, %d rounds of %d calls\n", rounds, iterations);
    std::printf("  median %.0f ns per call (fastest %.0f, slowest %.0f; aim: under 1000)\n",
                figures[figures.size() / 2], figures.front(), figures.back());
    std::printf("  (checksum %zu)\n", sink);
    return 0;
}
