#include "standards/Z14LimitNumbers.h"
#include "standards/Z14Tables.h"
#include "standards/Z19TableData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

namespace Brosquin
{
namespace
{

using Rows = std::vector<std::vector<std::string>>;

// The data lines of one of the repository's table files, split at tabs.
Rows DataRows(const std::string& name)
{
    std::ifstream file(std::string(VELTRAME_STANDARDS_DATA) + "/" + name);
    EXPECT_TRUE(file) << name;
    Rows rows;
    std::string line;
    while (std::getline(file, line))
    {
        if (line.starts_with("#"))
            continue;
        std::vector<std::string> fields;
        std::size_t start = 0;
        for (std::size_t tab; (tab = line.find('\t', start)) != std::string::npos; start = tab + 1)
            fields.push_back(line.substr(start, tab - start));
        fields.push_back(line.substr(start));
        rows.push_back(fields);
    }
    return rows;
}

TEST(TableFilesTest, CompiledZ14TablesEqualTheFiles)
{
    const Rows letters = DataRows("z14-code-letters.tsv");
    ASSERT_EQ(letters.size(), 15u);
    for (std::size_t lot = 0; lot < 15; ++lot)
    {
        EXPECT_EQ(letters[lot][0], Z14LotSizeTexts[lot]);
        for (std::size_t level = 0; level < 7; ++level)
            EXPECT_EQ(std::string(1, Z14CodeLetters[Z14CodeLetterTable[lot][level]]),
                      letters[lot][level + 1]);
    }

    const char* files[9] = {"single-normal",   "single-tightened",   "single-reduced",
                            "double-normal",   "double-tightened",   "double-reduced",
                            "multiple-normal", "multiple-tightened", "multiple-reduced"};
    for (int t = 0; t < 9; ++t)
    {
        const Rows rows = DataRows(std::string("z14-") + files[t] + ".tsv");
        ASSERT_EQ(rows.size(), 416u) << files[t];
        const Z14PlanTable& table = Z14PlanTables[t];
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            ASSERT_EQ(rows[i].size(), 2u + table.fieldCount) << files[t] << " line " << i;
            EXPECT_EQ(rows[i][1], std::string(1, Z14CodeLetters[i % 16]));
            // A cell of -1s, sending the user to another plan type, is compiled as zeros.
            const bool sendsOn = rows[i][2] == "-1";
            for (int f = 0; f < table.fieldCount; ++f)
                EXPECT_EQ(table.cells[i * table.fieldCount + f],
                          sendsOn ? 0 : std::stoi(rows[i][2 + f]))
                    << files[t] << " line " << i << " field " << f;
        }
        // The AQL column follows the positions of both AQL choice lists.
        for (std::uint32_t c = 0; Z14DefectsPerUnitAqlTexts[c]; ++c)
            EXPECT_EQ(rows[16 * Z14AqlTableRow(1, c)][0], Z14DefectsPerUnitAqlTexts[c]);
        for (std::uint32_t c = 0; Z14DefectivesAqlTexts[c]; ++c)
            EXPECT_EQ(rows[16 * Z14AqlTableRow(0, c)][0], Z14DefectivesAqlTexts[c]);
    }

    const Rows limits = DataRows("z14-limit-numbers.tsv");
    ASSERT_EQ(limits.size(), 17u);
    for (std::size_t row = 0; row < 17; ++row)
    {
        const std::string padded = Z14LimitNumberRowTexts[row];
        EXPECT_EQ(padded.size(), 13u);
        EXPECT_EQ(padded.substr(0, padded.find_last_not_of(' ') + 1), limits[row][0]);
        EXPECT_EQ(std::strtoul(padded.c_str(), nullptr, 10), Z14LimitNumberRowLowerBounds[row]);
        for (std::size_t a = 0; a < 26; ++a)
            EXPECT_EQ(Z14LimitNumberTable[row][a], std::stoi(limits[row][a + 1]));
    }
}

TEST(TableFilesTest, CompiledZ19TablesEqualTheFiles)
{
    const std::string letterCodes = "BCDEFGHIJKLMNP";
    const Rows letters = DataRows("z19-code-letters.tsv");
    ASSERT_EQ(letters.size(), 16u);
    for (std::size_t lot = 0; lot < 16; ++lot)
        for (std::size_t level = 0; level < 5; ++level)
            EXPECT_EQ(std::string(1, letterCodes[Z19CodeLetterTable[lot][level]]),
                      letters[lot][level + 1]);

    for (int t = 0; t < 12; ++t)
    {
        char name[16];
        std::snprintf(name, sizeof name, "z19-t%02d.tsv", t);
        const Rows rows = DataRows(name);
        ASSERT_EQ(rows.size(), 154u) << name;
        const bool formOne = t % 6 < 3;
        for (std::size_t i = 0; i < rows.size(); ++i)
        {
            const Z19Plan& plan = Z19PlanTables[t][i / 14][i % 14];
            ASSERT_EQ(rows[i].size(), formOne ? 5u : 4u) << name << " line " << i;
            EXPECT_EQ(rows[i][1], std::string(1, letterCodes[i % 14]));
            EXPECT_EQ(plan.n, std::strtod(rows[i][2].c_str(), nullptr)) << name << " line " << i;
            EXPECT_EQ(plan.v, std::strtod(rows[i][3].c_str(), nullptr)) << name << " line " << i;
            EXPECT_EQ(Z19DerivedK[t][i / 14][i % 14], formOne && rows[i][4] == "d")
                << name << " line " << i;
        }
    }
}

} // namespace
} // namespace Brosquin
