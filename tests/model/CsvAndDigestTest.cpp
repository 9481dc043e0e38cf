// The CSV reading and writing of studies and manifests, and the SHA-256 digest of inputs.

#include <gtest/gtest.h>

#include "model/CsvFile.h"
#include "model/Sha256.h"
#include "model/TextFile.h"

namespace vantorel {
namespace {

TEST(Sha256Test, GivesTheStandardDigests) {
    EXPECT_EQ(Sha256Hex(""), "e3b0c44298fc1c149afbf4c8996fb92427ae41e4649b934ca495991b7852b855");
    EXPECT_EQ(Sha256Hex("abc"), "ba7816bf8f01cfea414140de5dae2223b00361a396177a9cb410ff61f20015ad");
    EXPECT_EQ(Sha256Hex("abcdbcdecdefdefgefghfghighijhijkijkljklmklmnlmnomnopnopq"),
              "248d6a61d20638b8e5c026930c3e6039a33ce45964ff2167f6ecedd419db06c1");
    EXPECT_EQ(Sha256Hex(std::string(1000000, 'a')),
              "cdc76e5c9914fb9281a1c7e284d73e67f1809a48a497200e046d39ccc7112cd0");
    // 55, 56 and 64 bytes: the padding fits in the last block, just does not, and needs a block.
    EXPECT_EQ(Sha256Hex(std::string(55, 'a')), "9f4390f8d30c2dd92ec9f095b65e2b9ae9b0a925a5258e241c9f1e910f734318");
    EXPECT_EQ(Sha256Hex(std::string(56, 'a')), "b35439a4ac6f0948b6d6f9e3c6af0f5f590ce20f1bde7090ef7970686ec6738a");
    EXPECT_EQ(Sha256Hex(std::string(64, 'a')), "ffe054fe7ae0cb6dc65c3af9b61d5209f439851db43d0ba5997337df154668eb");
}

TEST(CsvTest, ReadsQuotedFieldsAndEveryLineEnd) {
    const auto records = ParseCsv("name,Rain\r\n\"a,b\",\"say \"\"x\"\"\"\nc,\"two\nlines\"\n,\n", "s.csv");
    ASSERT_EQ(records.size(), 4u);
    EXPECT_EQ(records[1].fields, (std::vector<std::string>{"a,b", "say \"x\""}));
    EXPECT_EQ(records[2].fields, (std::vector<std::string>{"c", "two\nlines"}));
    EXPECT_EQ(records[3].line, 5u);
    EXPECT_EQ(records[3].fields, (std::vector<std::string>{"", ""}));

    const auto lone_cr = ParseCsv("name,Rain\ra,\"two\rlines\"\rb,1", "s.csv");
    ASSERT_EQ(lone_cr.size(), 3u);
    EXPECT_EQ(lone_cr[1].fields, (std::vector<std::string>{"a", "two\rlines"}));
    EXPECT_EQ(lone_cr[2].line, 4u);
    EXPECT_EQ(lone_cr[2].fields, (std::vector<std::string>{"b", "1"}));
}

TEST(CsvTest, RefusesBrokenQuotesNamingTheLine) {
    EXPECT_THROW(ParseCsv("a\n\"open", "s.csv"), FileError);
    try {
        ParseCsv("a\nb\n\"x\"y\n", "s.csv");
        FAIL();
    } catch (const FileError& error) {
        EXPECT_STREQ(error.what(), "The file s.csv could not be read, line 3: text follows a closing quote.");
    }
    EXPECT_THROW(ParseCsv("a\"b\n", "s.csv"), FileError);
}

TEST(CsvTest, WritesWhatItReadsBack) {
    const std::vector<std::string> fields = {"plain", "a,b", "say \"x\"", "two\r\nlines", ""};
    const std::string line = CsvLine(fields);
    EXPECT_EQ(line, "plain,\"a,b\",\"say \"\"x\"\"\",\"two\r\nlines\",");
    EXPECT_EQ(ParseCsv(line, "s.csv").front().fields, fields);
}

}  // namespace
}  // namespace vantorel
