#include "core/macros/macro_record.h"

#include "core/common/checksum.h"

#include <gtest/gtest.h>

namespace krvm {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Lines = std::vector<std::string>;

// The library's first entry: repeat 5 times { left press, 80 ms, left release, Y + 2 }.
const Bytes kLibraryExample{0x01, 0x0A, 0xFD, 0x04, 0xA1, 0xFE, 0x0A, 0x21, 0xFA, 0x02, 0xFC, 0x97};

Bytes in_slot(Bytes record, std::size_t slot_size = kMacroSlotSize) {
    record.resize(slot_size, 0);
    return record;
}

// The event bytes a list of event lines encodes to.
Bytes events_of(const Lines& event_lines) {
    Lines lines{"00"};
    lines.insert(lines.end(), event_lines.begin(), event_lines.end());
    auto slot = MacroLinesToContent(lines, false);
    EXPECT_TRUE(slot.ok()) << slot.error().message;
    if (!slot.ok() || (*slot)[kRecordLengthOffset] == 0) return {};
    return Bytes(slot->begin() + kRecordEventsOffset,
                 slot->begin() + kRecordLengthOffset + (*slot)[kRecordLengthOffset]);
}

struct Encoded {
    std::string line;
    Bytes events;
};

class EncodedLines : public testing::TestWithParam<Encoded> {};

TEST_P(EncodedLines, GiveTheirEventBytes) {
    EXPECT_EQ(events_of({GetParam().line}), GetParam().events);
}

INSTANTIATE_TEST_SUITE_P(
    MacroRecord, EncodedLines,
    testing::Values(
        Encoded{"0 2040", {0xFE, 0xFF}}, Encoded{"0 2041", {0xFE, 0xFF, 0xFE, 0x00}},
        Encoded{"0 4080", {0xFE, 0xFF, 0xFE, 0xFF}}, Encoded{"0 0", {0xFE, 0x00}},
        Encoded{"0 7", {0xFE, 0x00}}, Encoded{"0 100", {0xFE, 0x0C}},
        Encoded{"0 3000", {0xFE, 0xFF, 0xFE, 0x78}},
        Encoded{"0 10200", {0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0xFF}},
        Encoded{"0 soon", {0xFE, 0x00}}, Encoded{"0 -5", {}}, Encoded{"4 FBFB", {0xFB, 0xFB}},
        Encoded{"3 FB0C", {0xFB, 0x0C}}, Encoded{"3 FB00", {0xFB, 0x00}},
        Encoded{"4 FB00", {0xFB, 0x00}}, Encoded{"7 FD09", {0xFD, 0x09}}, Encoded{"8 00FC", {0xFC}},
        Encoded{"1 LeftKey CODE:00A1", {0xA1}}, Encoded{"1 A CODE:8204", {0x82, 0x04}},
        Encoded{"2 Shift CODE:02E1", {0x02, 0xE1}}, Encoded{"1 Ctrl CODE:8101", {0x81, 0x01}}));

TEST(MacroRecord, EncodesAPressDelayAndReleaseWithItsChecksum) {
    auto slot = MacroLinesToContent(
        Lines{"00", "1 LeftKey CODE:00A1", "0 80", "2 LeftKey CODE:0021"}, false);
    ASSERT_TRUE(slot.ok());
    EXPECT_EQ(*slot, in_slot({0x00, 0x05, 0xA1, 0xFE, 0x0A, 0x21, 0x95}));
}

TEST(MacroRecord, TheLibraryExampleDecodesAndEncodesBack) {
    MacroLines decoded = MacroContentToLines(in_slot(kLibraryExample));
    EXPECT_EQ(decoded.lines, (Lines{"10", "7 FD04", "1 LeftKey CODE:00A1", "0 80",
                                    "2 LeftKey CODE:0021", "5 FA02", "8 00FC"}));
    EXPECT_EQ(decoded.release_key_stop, true);
    EXPECT_EQ(decoded.delay_mode, DelayMode::record_delay);
    EXPECT_TRUE(decoded.complete);
    std::vector<std::string> drawn;
    for (std::size_t i = 1; i < decoded.lines.size(); ++i)
        drawn.push_back(drawn_text(decoded.lines[i]));
    EXPECT_EQ(drawn,
              (Lines{"Rep-Start  5", "LeftKey", "80 ms", "LeftKey", "Y-Axis  2", "Rep-Stop"}));
    auto encoded = MacroLinesToContent(decoded.lines, true);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(*encoded, in_slot(kLibraryExample));
}

TEST(MacroRecord, DelayRunsMergeUpToFivePairs) {
    Bytes record{0x00, 0x0D, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE,
                 0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFE, 0x01};
    EXPECT_EQ(MacroContentToLines(in_slot(record)).lines, (Lines{"10", "0 10200", "0 8"}));
    // Adjacent delays come back as one delay.
    Bytes split{0x00, 0x05, 0xFE, 0x05, 0xFE, 0x07};
    MacroLines merged = MacroContentToLines(in_slot(split));
    EXPECT_EQ(merged.lines, (Lines{"10", "0 96"}));
    EXPECT_EQ(events_of({merged.lines[1]}), (Bytes{0xFE, 0x0C}));
}

struct Header {
    Lines delays;
    std::string header;
    DelayMode mode;
};

class Headers : public testing::TestWithParam<Header> {};

TEST_P(Headers, ComeFromTheFirstFourDelays) {
    Lines lines{"00", "1 LeftKey CODE:00A1"};
    for (const std::string& delay : GetParam().delays) {
        lines.push_back(delay);
        lines.push_back("8 00FC");
    }
    auto slot = MacroLinesToContent(lines, false);
    ASSERT_TRUE(slot.ok());
    MacroLines decoded = MacroContentToLines(*slot);
    ASSERT_FALSE(decoded.lines.empty());
    EXPECT_EQ(decoded.lines[0], GetParam().header);
    EXPECT_EQ(decoded.delay_mode, GetParam().mode);
}

INSTANTIATE_TEST_SUITE_P(
    MacroRecord, Headers,
    testing::Values(
        Header{{"0 48", "0 48", "0 48", "0 48"}, "0148", DelayMode::default_delay},
        Header{{"0 48", "0 48", "0 48", "0 48", "0 800"}, "0148", DelayMode::default_delay},
        Header{{"0 48", "0 48", "0 56"}, "10", DelayMode::record_delay},
        Header{{"0 48"}, "10", DelayMode::record_delay},
        Header{{"0 0", "0 0"}, "00", DelayMode::no_delay}, Header{{}, "00", DelayMode::no_delay}));

TEST(MacroRecord, FourDelaysOfFiftyMillisecondsGiveTheDefaultDelayHeader) {
    // 50 ms is stored as 48 ms (six units of 8 ms); the header shows what was stored.
    MacroLines decoded = MacroContentToLines(*MacroLinesToContent(
        Lines{"00", "0 50", "8 00FC", "0 50", "8 00FC", "0 50", "8 00FC", "0 50"}, false));
    EXPECT_EQ(decoded.lines[0], "0148");
    EXPECT_EQ(decoded.default_delay_ms, 48);
}

TEST(MacroRecord, AListWithoutEventsGivesAnEmptySlot) {
    EXPECT_EQ(*MacroLinesToContent(Lines{"01150"}, true), Bytes(kMacroSlotSize, 0));
    EXPECT_EQ(*MacroLinesToContent(Lines{}, true), Bytes(kMacroSlotSize, 0));
    EXPECT_EQ(*MacroLinesToContent(Lines{"00", "0 -40"}, true), Bytes(kMacroSlotSize, 0));
}

TEST(MacroRecord, AListThatDoesNotFitItsSlotIsRefused) {
    Lines lines{"00"};
    lines.insert(lines.end(), 221, "1 LeftKey CODE:00A1");
    auto fits = MacroLinesToContent(lines, false);
    ASSERT_TRUE(fits.ok());
    EXPECT_EQ((*fits)[kRecordLengthOffset], 222);
    EXPECT_TRUE(macro_checksum_matches(*fits));
    lines.push_back("2 LeftKey CODE:0021");
    EXPECT_FALSE(MacroLinesToContent(lines, false).ok());
    // A long delay is refused before it is spelt out.
    EXPECT_FALSE(MacroLinesToContent(Lines{"00", "0 2000000000"}, false).ok());
    // A fire-macro slot holds 21 event bytes.
    Lines fire{"00", "0 20400"};
    fire.push_back("8 00FC");
    EXPECT_EQ(MacroLinesToContent(fire, false, kFireMacroSlotSize)->size(), kFireMacroSlotSize);
    fire.push_back("8 00FC");
    EXPECT_FALSE(MacroLinesToContent(fire, false, kFireMacroSlotSize).ok());
}

TEST(MacroRecord, LinesThatAreNoEventsAreRefused) {
    for (std::string bad : {"", "9 00FC", "1 LeftKey CODE:00G1", "7 F"}) {
        auto slot = MacroLinesToContent(Lines{"00", "8 00FC", bad}, false);
        EXPECT_FALSE(slot.ok()) << bad;
    }
}

TEST(MacroRecord, FireSlotsKeepTheirBytes) {
    Bytes slot = in_slot(
        {0x01, 0x0C, 0xFD, 0xFF, 0xA1, 0x21, 0xFB, 0x00, 0xFA, 0x04, 0xFE, 0x01, 0xFC, 0xE4},
        kFireMacroSlotSize);
    EXPECT_TRUE(macro_checksum_matches(slot));
    MacroLines decoded = FireSlotToLines(slot);
    EXPECT_EQ(decoded.lines, (Lines{"00", "7 FDFF", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021",
                                    "3 FB00", "5 FA04", "0 8", "8 00FC"}));
    EXPECT_EQ(*MacroLinesToContent(decoded.lines, true, kFireMacroSlotSize), slot);
    // The fire editor shows every delay pair on its own line.
    Bytes pairs = in_slot({0x00, 0x05, 0xFE, 0x01, 0xFE, 0x02}, kFireMacroSlotSize);
    EXPECT_EQ(FireSlotToLines(pairs).lines, (Lines{"00", "0 8", "0 16"}));
    // A recording without delays.
    EXPECT_EQ(*MacroLinesToContent(Lines{"00", "1 LeftKey CODE:00A1", "2 LeftKey CODE:0021"}, false,
                                   kFireMacroSlotSize),
              in_slot({0x00, 0x03, 0xA1, 0x21, 0x9F}, kFireMacroSlotSize));
}

TEST(MacroRecord, TheFireKeySectionIsARecordWithoutFlag) {
    const Bytes section{0x0A, 0xFD, 0x02, 0xA1, 0xFE, 0x03, 0x21, 0xFE, 0x06, 0xFC, 0x96};
    EXPECT_EQ(section_checksum(std::span(section).first(10)), 0x96);
    MacroLines decoded = FireKeySectionToLines(section);
    EXPECT_EQ(decoded.lines, (Lines{"10", "7 FD02", "1 LeftKey CODE:00A1", "0 24",
                                    "2 LeftKey CODE:0021", "0 48", "8 00FC"}));
    EXPECT_EQ(decoded.release_key_stop, std::nullopt);
}

struct Stopped {
    std::string what;
    Bytes record;
    Lines lines;
};

class StoppedDecoding : public testing::TestWithParam<Stopped> {};

TEST_P(StoppedDecoding, KeepsTheLinesBeforeTheStop) {
    // The record is exactly as long as given: reading past it would be caught by the sanitizers.
    MacroLines decoded = MacroContentToLines(GetParam().record);
    EXPECT_EQ(decoded.lines, GetParam().lines);
    EXPECT_FALSE(decoded.complete);
}

INSTANTIATE_TEST_SUITE_P(
    MacroRecord, StoppedDecoding,
    testing::Values(
        Stopped{"unknown event",
                {0x00, 0x05, 0xA1, 0x77, 0x21, 0xFC, 0x00},
                {"00", "1 LeftKey CODE:00A1"}},
        Stopped{"modifier without line form", {0x00, 0x04, 0x81, 0x03, 0xA1, 0x00}, {"00"}},
        Stopped{"parameter beyond the length byte",
                {0x00, 0x03, 0xA1, 0xFE, 0x05, 0x00},
                {"00", "1 LeftKey CODE:00A1"}},
        Stopped{
            "parameter beyond the record", {0x00, 0x03, 0xA1, 0xFB}, {"00", "1 LeftKey CODE:00A1"}},
        Stopped{"delay cut by the record", {0x00, 0x09, 0xFE, 0x01, 0xFE}, {"10", "0 8"}}));

TEST(MacroRecord, ALengthBeyondTheSlotReadsOnlyTheSlot) {
    Bytes record(kMacroSlotSize, 0xA1);
    record[kRecordFlagOffset] = 0;
    record[kRecordLengthOffset] = 0xFE;
    MacroLines decoded = MacroContentToLines(record);
    EXPECT_EQ(decoded.lines.size(), 1 + kMacroSlotSize - kRecordEventsOffset);
    EXPECT_EQ(MacroChecksum(record), std::nullopt);
    EXPECT_FALSE(macro_checksum_matches(record));
    // Re-encoding what was read does not fit and is refused rather than cut.
    EXPECT_FALSE(MacroLinesToContent(decoded.lines, false).ok());
}

TEST(MacroRecord, EmptyAndErasedRecordsGiveNoLines) {
    for (std::uint8_t length : {0x00, 0xFF}) {
        MacroLines decoded = MacroContentToLines(in_slot({0x01, length, 0xA1}));
        EXPECT_TRUE(decoded.lines.empty());
        EXPECT_EQ(decoded.release_key_stop, std::nullopt);
    }
    EXPECT_TRUE(MacroContentToLines(Bytes{}).lines.empty());
    EXPECT_TRUE(MacroContentToLines(Bytes{0x01}).lines.empty());
}

TEST(MacroRecord, AFlagOtherThanZeroOrOneLeavesTheChoice) {
    Bytes record = in_slot(kLibraryExample);
    record[kRecordFlagOffset] = 2;
    EXPECT_EQ(MacroContentToLines(record).release_key_stop, std::nullopt);
    record[kRecordFlagOffset] = 0;
    EXPECT_EQ(MacroContentToLines(record).release_key_stop, false);
}

TEST(MacroRecord, ChecksumCoversLengthAndEventsOnly) {
    Bytes record = in_slot(kLibraryExample);
    EXPECT_EQ(MacroChecksum(record), 0x97);
    EXPECT_TRUE(macro_checksum_matches(record));
    record[kRecordFlagOffset] = 0;      // the flag is not covered
    record[kMacroSlotSize - 1] = 0x55;  // nor is the fill
    EXPECT_TRUE(macro_checksum_matches(record));
    record[5] ^= 0x01;  // an event byte is
    EXPECT_FALSE(macro_checksum_matches(record));
    record[11] = *MacroChecksum(record);
    EXPECT_TRUE(macro_checksum_matches(record));
    // The longest record that still holds its checksum.
    Bytes longest(kMacroSlotSize, 0);
    longest[kRecordLengthOffset] = 222;
    EXPECT_TRUE(MacroChecksum(longest).has_value());
    longest[kRecordLengthOffset] = 223;
    EXPECT_EQ(MacroChecksum(longest), std::nullopt);
}

}  // namespace
}  // namespace krvm
