#include <gtest/gtest.h>

#include <algorithm>

#include "platform/dialogs.h"
#include "split/plan.h"
#include "split/messages.h"

using namespace split;

namespace {
const int64_t kFloppyBytes = 1457663;
const int64_t kGiB = 1073741824;

Plan fixed(int type, int64_t fileSize) {
    PlanRequest r;
    r.splitType = type;
    r.fileSize = fileSize;
    return planPieces(r);
}
Plan equalSize(int64_t fileSize, double typed) {
    PlanRequest r;
    r.splitType = kEqualSize;
    r.fileSize = fileSize;
    r.typedSize = typed;
    return planPieces(r);
}
Plan intoY(int64_t fileSize, double count) {
    PlanRequest r;
    r.splitType = kIntoYFiles;
    r.fileSize = fileSize;
    r.yCount = count;
    return planPieces(r);
}
#define EXPECT_PLAN(plan, out, size, count, ln)      \
    do {                                             \
        Plan p_ = (plan);                            \
        EXPECT_EQ(p_.outcome, PlanOutcome::out);     \
        EXPECT_EQ(p_.pieceSize, size);               \
        EXPECT_EQ(p_.pieceCount, count);             \
        EXPECT_EQ(p_.line, ln);                      \
    } while (0)
#define EXPECT_REFUSED(plan, out, ln)            \
    do {                                         \
        Plan p_ = (plan);                        \
        EXPECT_EQ(p_.outcome, PlanOutcome::out); \
        EXPECT_EQ(p_.line, ln);                  \
    } while (0)
}  // namespace

TEST(PlanFixed, FloppyBoundaries) {
    const int64_t x = kFloppyBytes;
    EXPECT_PLAN(fixed(kFloppy, x), kOneFile, x, 1, 515);
    EXPECT_PLAN(fixed(kFloppy, x + 1), kOk, x, 2, 500);
    EXPECT_PLAN(fixed(kFloppy, 2 * x), kOk, x, 2, 500);
    EXPECT_PLAN(fixed(kFloppy, 98 * x), kOk, x, 98, 500);
    EXPECT_PLAN(fixed(kFloppy, 98 * x + 1), kOk, x, 99, 500);
    EXPECT_REFUSED(fixed(kFloppy, 99 * x), kTooManySplits, 295);
    EXPECT_REFUSED(fixed(kFloppy, 98 * x + x / 2 + 1), kTooManySplits, 295);  // 98.5 rounds above 98
    // The quotient rounded to four decimals reaches 3, so a fourth (empty) piece follows.
    EXPECT_PLAN(fixed(kFloppy, 3 * x - 1), kOk, x, 4, 500);
}

TEST(PlanFixed, EachMediumHasItsSizeAndLines) {
    const struct { int type; int64_t size; int base; } media[] = {
        {kFloppy, 1457663, 0},         {kZip, 100431871, 1000},   {kJaz1G, 1004318710, 2000},
        {kCdr650, 636538060, 3000},    {kJaz2G, 2008637420, 4000}, {kCdr700, 687341568, 5000},
    };
    for (const auto& m : media) {
        SCOPED_TRACE(m.type);
        EXPECT_EQ(mediumSize(m.type), m.size);
        EXPECT_REFUSED(fixed(m.type, 99 * m.size), kTooManySplits, m.base + 295);
        EXPECT_PLAN(fixed(m.type, 3 * m.size), kOk, m.size, 3, 500);
    }
    EXPECT_EQ(mediumSize(kEqualSize), 0);
    EXPECT_EQ(mediumSize(kIntoYFiles), 0);
    // Beyond 4 GiB: 5 GiB is 7.81 CD-Rs of 700 MB and 2.67 Jaz 2G disks.
    EXPECT_PLAN(fixed(kCdr700, 5 * kGiB), kOk, 687341568, 8, 500);
    EXPECT_PLAN(fixed(kJaz2G, 5 * kGiB), kOk, 2008637420, 3, 500);
}

TEST(PlanFixed, OddRequests) {
    for (int type : {int(kFloppy), int(kEqualSize), int(kIntoYFiles), int(kCdr700), -1}) {
        EXPECT_REFUSED(fixed(type, 0), kEmptyFile, 160);
        EXPECT_REFUSED(fixed(type, -5), kEmptyFile, 160);
    }
    // No option chosen plans like the Zip size, never 0 pieces.
    EXPECT_PLAN(fixed(-1, 150000000), kOk, 100431871, 2, 500);
    EXPECT_PLAN(fixed(8, 150000000), kOk, 100431871, 2, 500);
}

TEST(PlanEqualSize, Boundaries) {
    EXPECT_PLAN(equalSize(10, 3), kOk, 3, 4, 500);
    EXPECT_PLAN(equalSize(9, 3), kOk, 3, 3, 500);
    EXPECT_PLAN(equalSize(1000, 1000), kOneFile, 1000, 1, 515);
    EXPECT_REFUSED(equalSize(1000, 1001), kSizeLargerThanFile, 395);
    EXPECT_REFUSED(equalSize(1000, 0), kDivisionByZero, 390);
    EXPECT_REFUSED(equalSize(1000, -1), kSizeBelowOne, 380);
    EXPECT_REFUSED(equalSize(1000, 1e30), kSizeLargerThanFile, 395);
    EXPECT_REFUSED(equalSize(INT64_MAX, 9223372036854775808.0), kSizeLargerThanFile, 395);
    EXPECT_REFUSED(equalSize(10 * kGiB, 1), kTooManyFiles, 510);
    EXPECT_REFUSED(equalSize(INT64_MAX, 1), kTooManyFiles, 510);
    EXPECT_PLAN(equalSize(99 * kGiB, double(kGiB)), kOk, kGiB, 99, 500);
    EXPECT_REFUSED(equalSize(99 * kGiB + 1, double(kGiB)), kTooManyFiles, 510);
}

TEST(PlanIntoYFiles, CountsAndSizes) {
    EXPECT_PLAN(intoY(10, 4), kOk, 3, 4, 500);
    EXPECT_PLAN(intoY(10, 5), kOk, 2, 5, 500);
    EXPECT_PLAN(intoY(10, 6), kOk, 2, 6, 500);
    EXPECT_REFUSED(intoY(10, 0), kDivisionByZero, 430);
    EXPECT_REFUSED(intoY(10, 1), kOneFile, 515);
    EXPECT_REFUSED(intoY(10, -3), kOneFile, 515);
    EXPECT_REFUSED(intoY(10, 100), kTooManyFiles, 510);
    EXPECT_REFUSED(intoY(10, 1e300), kTooManyFiles, 510);
    EXPECT_PLAN(intoY(INT64_MAX, 99), kOk, INT64_MAX / 99 + 1, 99, 500);
}

TEST(PlanQ4Scaled, ExactNearTheTopOfTheRange) {
    const uint64_t top = INT64_MAX;
    EXPECT_EQ(q4Scaled(0, 7), 0u);
    EXPECT_EQ(q4Scaled(2, 3), 6667u);
    EXPECT_EQ(q4Scaled(top, top), 10000u);
    EXPECT_EQ(q4Scaled(top, uint64_t(1) << 62), 20000u);  // 2 - 2^-62
    EXPECT_EQ(q4Scaled(top, uint64_t(3) << 60), 26667u);  // 2.6666...
    EXPECT_EQ(q4Scaled(top, 1), UINT64_MAX);              // does not fit: saturates
    EXPECT_EQ(q4Scaled(UINT64_MAX / 10000, 1), UINT64_MAX / 10000 * 10000);
    // b = 20000k and a = b + 2469k is exactly 1.12345: a half at the fifth
    // decimal rounds up; one less stays down. Large k makes r * 10000 exceed 64 bits.
    for (uint64_t k : {uint64_t(1), uint64_t(3), uint64_t(1) << 20, uint64_t(1) << 47}) {
        SCOPED_TRACE(k);
        uint64_t b = 20000 * k;
        EXPECT_EQ(q4Scaled(b + 2469 * k, b), 11235u);
        EXPECT_EQ(q4Scaled(b + 2469 * k - 1, b), 11234u);
        EXPECT_EQ(q4Scaled(b + k, b), 10001u);  // 1.00005
        EXPECT_EQ(q4Scaled(b + k - 1, b), 10000u);
    }
}

TEST(PlanMessages, TextsAndIcons) {
    EXPECT_EQ(refusalText(PlanOutcome::kTooManySplits), "Too many splits!  Maximum of 99.");
    EXPECT_EQ(refusalText(PlanOutcome::kTooManyFiles), "Too many files to re-combine!\r\n99 files is the maximum");
    EXPECT_EQ(refusalText(PlanOutcome::kOk), "");
    EXPECT_EQ(refusalText(PlanOutcome::kDivisionByZero), "");
    EXPECT_EQ(refusalSeverity(PlanOutcome::kOneFile), split::Severity::kInformation);
    EXPECT_EQ(refusalSeverity(PlanOutcome::kEmptyFile), split::Severity::kWarning);
    EXPECT_EQ(refusalSeverity(PlanOutcome::kSizeLargerThanFile), split::Severity::kWarning);
    EXPECT_EQ(capacityReport(5 * kGiB, 1000),
              "The drive is not big enough!\r\n\r\nFile  size  is:  5,368,709,120\r\n\r\nDrive size is:  1,000"
              "\r\n\r\nDifference is:  5,368,708,120\r\nVersion 3.0 will have spanning capability!\r\n");
    EXPECT_EQ(pieceCapacityReport(1457663, 1457664),
              "The drive is not big enough!\r\n\r\nSplit  size  is:  1,457,663\r\n\r\nDrive size is:  1,457,664"
              "\r\n\r\nDifference is:  -1\r\n");
    EXPECT_EQ(sizeQuestion(1004318711),
              "Is the size correct: \r\n1,004,318,711\r\nConfirm actual File Size in bytes with Explorer");
    EXPECT_EQ(pauseMessage(3, 12), "Click OK to continue Cleaving!\r\n Cleav 3 of 12");
    // A question fits the screen whatever it names: ten names, then how many more.
    std::vector<std::string> many;
    for (int n = 1; n <= 99; ++n) many.push_back("f" + std::to_string(n));
    const std::string users = usersOwnQuestion("C:\\out", many, "f.avi"), owners = replaceQuestion("C:", many, "f");
    EXPECT_EQ(std::count(users.begin(), users.end(), '\n'), 12);
    EXPECT_NE(users.find("    f10\r\n    89 more\r\n"), std::string::npos) << users;
    EXPECT_NE(owners.find("f9, f10 and 89 more."), std::string::npos) << owners;
    EXPECT_EQ(unitBytes(0), 1);
    EXPECT_EQ(unitBytes(1), 1024);
    EXPECT_EQ(unitBytes(2), 1048576);
}

TEST(PlanDrives, FatHoldsNoFileOfFourGigabytes) {
    EXPECT_EQ(largestFileOn("FAT32"), 4294967295LL);
    EXPECT_EQ(largestFileOn("fat"), 4294967295LL);
    EXPECT_EQ(largestFileOn("FAT16"), 4294967295LL);
    EXPECT_EQ(largestFileOn("NTFS"), INT64_MAX);
    EXPECT_EQ(largestFileOn("exFAT"), INT64_MAX);
    EXPECT_EQ(largestFileOn(""), INT64_MAX);  // the system could not tell
    // The rest of a file in the largest pieces a FAT32 disk holds: offered
    // only where the whole run then stays within 99 pieces.
    const int64_t fat = 4294967295LL;
    const struct {
        int64_t left;
        int nextPiece;
        PlanOutcome outcome;
        int count;
    } rests[] = {{9000000000LL, 1, PlanOutcome::kOk, 3},          {500000000000LL, 1, PlanOutcome::kTooManyFiles, 0},
                 {3000000000LL, 2, PlanOutcome::kOk, 2},          {3 * fat, 97, PlanOutcome::kOk, 99},
                 {3 * fat + 1, 97, PlanOutcome::kTooManyFiles, 0}, {fat, 99, PlanOutcome::kOk, 99}};
    for (const auto& r : rests) {
        SCOPED_TRACE(r.left);
        const Plan plan = planRestInPiecesOf(r.left, fat, r.nextPiece);
        EXPECT_EQ(plan.outcome, r.outcome);
        if (r.outcome == PlanOutcome::kOk) {
            EXPECT_EQ(plan.pieceSize, fat);
            EXPECT_EQ(plan.pieceCount, r.count);
        }
    }
    EXPECT_EQ(driveOf("E:\\Pieces"), "E:");
    EXPECT_EQ(driveOf("\\\\server\\share"), "\\\\server\\share");
    EXPECT_EQ(pieceTooLargeForDrive("E:", "FAT32", 4294967296LL),
              "The pieces of this split are 4,294,967,296 bytes, but drive E: is formatted FAT32, which holds no "
              "file larger than 4,294,967,295 bytes.\r\nChoose a smaller split size or another drive.");
}
