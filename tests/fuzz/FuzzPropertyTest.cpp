// SPDX-License-Identifier: MIT
// The fuzz harnesses' properties as ordinary tests: every committed seed, and
// a few thousand inputs mutated from the seeds by a fixed-seed generator, run
// through each harness. A broken property fails the row with its message.
#include "tests/fuzz/FuzzSupport.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace maskwell::fuzz {
namespace {

struct Harness {
    const char* name; // also the corpus folder
    void (*run)(const std::uint8_t*, std::size_t);
};

std::vector<std::string> Seeds(const char* name) {
    const QDir folder(QStringLiteral(MASKWELL_FUZZ_CORPUS "/") + QString::fromLatin1(name));
    std::vector<std::string> seeds;
    for (const QString& file : folder.entryList(QDir::Files, QDir::Name)) {
        QFile seed(folder.filePath(file));
        if (seed.open(QIODevice::ReadOnly))
            seeds.push_back(seed.readAll().toStdString());
    }
    return seeds;
}

// Runs one input; the property failure, if any, as the message.
std::string Failure(const Harness& harness, const std::string& input) {
    try {
        harness.run(reinterpret_cast<const std::uint8_t*>(input.data()), input.size());
    } catch (const PropertyFailure& failure) {
        return failure.what();
    }
    return {};
}

class FuzzProperties : public ::testing::TestWithParam<Harness> {};

TEST_P(FuzzProperties, HoldForEverySeed) {
    const std::vector<std::string> seeds = Seeds(GetParam().name);
    ASSERT_GE(seeds.size(), 3u) << "seed corpus missing";
    for (const std::string& seed : seeds)
        EXPECT_EQ(Failure(GetParam(), seed), "") << "seed: " << seed;
}

TEST_P(FuzzProperties, HoldForMutatedSeeds) {
    const std::vector<std::string> seeds = Seeds(GetParam().name);
    ASSERT_FALSE(seeds.empty());
    std::mt19937 random(2026);
    const std::string interesting = "0123456789-+.,;$x\n\r[]=\"' \xc2\xa0\xe2\x80\x99\xd9\xab";
    for (int round = 0; round < 1500; ++round) {
        std::string input = seeds[random() % seeds.size()];
        const int edits = 1 + static_cast<int>(random() % 6);
        for (int e = 0; e < edits; ++e) {
            const std::size_t at = input.empty() ? 0 : random() % (input.size() + 1);
            switch (random() % 4) {
            case 0: // insert an interesting byte
                input.insert(at, 1, interesting[random() % interesting.size()]);
                break;
            case 1: // any byte
                input.insert(at, 1, static_cast<char>(random() % 256));
                break;
            case 2: // drop one
                if (at < input.size())
                    input.erase(at, 1);
                break;
            default: // change one
                if (at < input.size())
                    input[at] = static_cast<char>(random() % 256);
                break;
            }
        }
        const std::string failure = Failure(GetParam(), input);
        ASSERT_EQ(failure, "") << "round " << round
                               << ", input: " << ::testing::PrintToString(input);
    }
}

INSTANTIATE_TEST_SUITE_P(Harnesses, FuzzProperties,
                         ::testing::Values(Harness{"ini", RunIniFile}, Harness{"octets", RunOctets},
                                           Harness{"calculator", RunCalculator},
                                           Harness{"advedit_text", RunAdvEditText},
                                           Harness{"address_input", RunAddressInput}),
                         [](const ::testing::TestParamInfo<Harness>& info) {
                             std::string name = info.param.name;
                             name.erase(std::remove(name.begin(), name.end(), '_'), name.end());
                             return name;
                         });

} // namespace
} // namespace maskwell::fuzz
